#pragma once

#include "cli/Commands.h"
#include "cli/Installation.h"
#include "cli/MaskOptions.h"

#include <QCommandLineOption>
#include <QDate>
#include <QList>
#include <QStringList>

#include <memory>

namespace zw {
class LabelLogic;
}

namespace zw::cli {

// One kind of label `zeichwerk-cli label <kind>` makes. A new label kind adds
// its line to labelKinds() and its options in a file of its own.
struct LabelKind {
    const char* name;                               // as typed after "label": "lagerteil"
    int (*run)(const QStringList& args, CliIo& io); // gets the arguments after the kind
    QList<MaskOptionForm> (*maskOptions)();         // its options that fill mask fields
};
const QList<LabelKind>& labelKinds();

int runLabelLagerteil(const QStringList& args, CliIo& io);
QList<MaskOptionForm> lagerteilMaskOptions();
int runLabelErsatzteil(const QStringList& args, CliIo& io);
QList<MaskOptionForm> ersatzteilMaskOptions();
int runLabelAuftragsteil(const QStringList& args, CliIo& io);
QList<MaskOptionForm> auftragsteilMaskOptions();
int runLabelSonderteil(const QStringList& args, CliIo& io);
QList<MaskOptionForm> sonderteilMaskOptions();
int runLabelTypenschild(const QStringList& args, CliIo& io);
QList<MaskOptionForm> typenschildMaskOptions();

// An option with a value, as the label commands declare theirs.
QCommandLineOption labelValueOption(const char* name, const char* valueName);

// What every label kind shares: --program-folder, --home, --copies and
// --printer-dpi; the start-up the main window runs before a form shows; the
// supplier numbers the window hands to the form; the print and its exit status.
// The kind's usage text is followed by the shared options it does not name.
class LabelCommand {
public:
    LabelCommand(const char* usage, CliIo& io);

    CommandOptions cmd;
    QCommandLineParser& parser;

    // Parses the shared options and the kind's own. A `required` option (named
    // without "--") that is missing, or a --copies value not in `copies`, is bad
    // input. Returns GoOn or the exit status.
    int parse(const QStringList& args, const QList<QCommandLineOption>& own, const QStringList& required,
              const QStringList& copies = {QStringLiteral("1"), QStringLiteral("4")});
    // --copies as given, "1" when absent.
    QString copies() const;
    // A date option of the form YYYY-MM-DD, today (the installation's clock: call
    // it after setUp) when absent. Returns GoOn or the exit status.
    int readDate(const QString& name, QDate& date);

    // What every kind does before its form is made: parses the shared options,
    // --date and the kind's own with its mask options, refuses a mask value
    // `label`'s field does not hold, sets the installation up (with the
    // articles where `articles`) and reads --date into `date`. Returns GoOn or
    // the exit status.
    template <class Logic>
    int prepare(const QStringList& args, QList<QCommandLineOption> own, const QStringList& required,
                const std::vector<MaskOption<Logic>>& masks, const Logic& label, QDate& date, bool articles = true) {
        own.append(labelValueOption("date", "YYYY-MM-DD"));
        for (const MaskOption<Logic>& o : masks)
            own.append(o.option());
        if (const int status = parse(args, own, required); status != GoOn)
            return status;
        if (const int status = checkMaskOptions(cmd, masks, label); status != GoOn)
            return status;
        if (const int status = setUp(articles); status != GoOn)
            return status;
        return readDate(QStringLiteral("date"), date);
    }

    // Resolves the folders and sets the installation up as the program starts:
    // settings and language, and the articles when the kind needs them.
    // Returns GoOn or the exit status.
    int setUp(bool articles = true);
    Installation& installation() { return *m_installation; }

    // FormCreate, then the supplier numbers as the main window hands them
    // over; "4x" ticked for --copies 4; --printer-dpi when given.
    void create(LabelLogic& label);
    // "Drucken": status 0 with the document's path on the output, or 1 when a
    // check failed (its message is already on the error stream).
    int print(LabelLogic& label);

private:
    CliIo& m_io;
    std::unique_ptr<Installation> m_installation;
};

} // namespace zw::cli
