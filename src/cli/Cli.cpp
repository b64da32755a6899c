#include "cli/Commands.h"

#include "base/AppError.h"

namespace zw::cli {

const QList<Command>& commands() {
    static const QList<Command> table = {
        {"barcode", "draw a barcode or print its bar pattern", runBarcode},
        {"row", "print a barcode digit row", runRow},
        {"picture", "print the RTF picture group of a barcode bitmap", runPicture},
        {"fill", "fill an RTF template with values and barcode pictures", runFill},
        {"update-articles", "merge the EAN list into an installation's article file", runUpdateArticles},
        {"label", "make a label document as the label forms do", runLabel},
    };
    return table;
}

int CommandOptions::parse(const QList<QCommandLineOption>& options, const QStringList& args) {
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOptions(options);
    parser.addOption(help);
    if (!parser.parse(QStringList(QString::fromLatin1(m_command)) + args)) {
        m_io.err << parser.errorText() << "\n" << m_usage;
        return ExitBadInput;
    }
    if (parser.isSet(help)) {
        m_io.out << m_usage;
        return ExitOk;
    }
    return GoOn;
}

int CommandOptions::badInput(const QString& message) {
    m_io.err << "zeichwerk-cli " << m_command << ": " << message << "\n";
    return ExitBadInput;
}

int CommandOptions::usageError() {
    m_io.err << m_usage;
    return ExitBadInput;
}

namespace {
void printUsage(QTextStream& s) {
    s << "Usage: zeichwerk-cli <command> [options]\n"
         "       zeichwerk-cli --help | --version\n\n"
         "Commands:\n";
    for (const Command& c : commands())
        s << "  " << QString::fromLatin1(c.name).leftJustified(16) << c.summary << "\n";
    s << "\nRun 'zeichwerk-cli <command> --help' for a command's options.\n";
}
} // namespace

int runCli(const QStringList& argv, CliIo& io) {
    const QStringList args = argv.mid(1);
    if (args.isEmpty()) {
        printUsage(io.err);
        return ExitBadInput;
    }
    const QString& first = args.first();
    if (first == QLatin1String("--help") || first == QLatin1String("-h")) {
        printUsage(io.out);
        return ExitOk;
    }
    if (first == QLatin1String("--version") || first == QLatin1String("-v")) {
        io.out << "zeichwerk-cli " << ZW_VERSION << "\n";
        return ExitOk;
    }
    for (const Command& c : commands()) {
        if (first == QLatin1String(c.name)) {
            try {
                return c.run(args.mid(1), io);
            } catch (const AppError& e) {
                io.err << e.message() << "\n";
                return ExitBadInput;
            }
        }
    }
    io.err << "zeichwerk-cli: unknown command '" << first << "'\n";
    printUsage(io.err);
    return ExitBadInput;
}

} // namespace zw::cli
