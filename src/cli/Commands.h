#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace zw::cli {

// Where a command writes; the tests pass string-backed streams.
struct CliIo {
    QTextStream& out;
    QTextStream& err;
};

// Exit statuses shared by the commands.
enum ExitStatus { ExitOk = 0, ExitCheckFailed = 1, ExitBadInput = 2, ExitDownloadFailed = 3 };

// The option handling every command shares: --help, parse errors and the
// "zeichwerk-cli <command>: " prefix of error messages.
class CommandOptions {
public:
    CommandOptions(const char* command, QString usage, CliIo& io)
        : m_command(command), m_usage(std::move(usage)), m_io(io) {}

    QCommandLineParser parser;

    // Adds `options` and --help, then parses `args`. Returns -1 when the command
    // goes on, otherwise the exit status (help shown, or a parse error reported).
    int parse(const QList<QCommandLineOption>& options, const QStringList& args);
    // Reports `message` on the error stream; returns ExitBadInput.
    int badInput(const QString& message);
    // Prints the usage on the error stream; returns ExitBadInput.
    int usageError();

private:
    const char* m_command;
    QString m_usage;
    CliIo& m_io;
};
constexpr int GoOn = -1;

// Each command gets its own arguments (without the program and command names)
// and returns the process's exit status.
using CommandFn = int (*)(const QStringList& args, CliIo& io);

struct Command {
    const char* name;
    const char* summary;
    CommandFn run;
};

int runBarcode(const QStringList& args, CliIo& io);
int runRow(const QStringList& args, CliIo& io);
int runPicture(const QStringList& args, CliIo& io);
int runFill(const QStringList& args, CliIo& io);
int runUpdateArticles(const QStringList& args, CliIo& io);
int runLabel(const QStringList& args, CliIo& io);

// The RTF picture group of a barcode picture as the label builder draws it (type by
// name or number, angle "0", "-90" or empty, printer resolution "0", empty or
// 100 to 1200); raises AppError for anything else.
QString barcodePictureGroup(const QString& type, const QString& text, const QString& angle,
                            const QString& printerDpi = QString());

// The table of commands, in the order --help lists them.
const QList<Command>& commands();

// Dispatches argv (program name first) to a command.
int runCli(const QStringList& argv, CliIo& io);

} // namespace zw::cli
