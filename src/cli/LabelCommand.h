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
    QList<MaskOptionSpec> (*maskOptions)();         // its options that fill mask fields
};
const QList<LabelKind>& labelKinds();

int runLabelLagerteil(const QStringList& args, CliIo& io);
QList<MaskOptionSpec> lagerteilMaskOptions();
int runLabelTypenschild(const QStringList& args, CliIo& io);
QList<MaskOptionSpec> typenschildMaskOptions();

// An option with a value, `--name VALUE`.
QCommandLineOption valueOption(const char* name, const char* valueName);

// What every label kind shares: --program-folder, --home and --copies; the
// start-up the main window runs before a form shows; the supplier numbers the
// window hands to the form; the print and its exit status.
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

    // Resolves the folders and sets the installation up as the program starts:
    // settings and language, and the articles when the kind needs them.
    // Returns GoOn or the exit status.
    int setUp(bool articles = true);
    Installation& installation() { return *m_installation; }

    // FormCreate, then the supplier numbers as the main window hands them over.
    void create(LabelLogic& label);
    // "Drucken": status 0 with the document's path on the output, or 1 when a
    // check failed (its message is already on the error stream).
    int print(LabelLogic& label);

private:
    CliIo& m_io;
    std::unique_ptr<Installation> m_installation;
};

} // namespace zw::cli
