#include "cli/LabelCommand.h"

#include "core/Startup.h"
#include "labeldoc/PrinterPicture.h"
#include "labels/LabelLogic.h"
#include "platform/Platform.h"

namespace zw::cli {

QCommandLineOption labelValueOption(const char* name, const char* valueName) {
    return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
}

namespace {

const char* const kSharedUsage =
    "Every label kind also takes:\n"
    "  --printer-dpi N       draw the barcodes in whole dots of an N-dpi label printer (100 to 1200),\n"
    "                        or 0 for the standard pictures, instead of the setting DruckerAufloesung\n";

const QString PrinterDpi = QStringLiteral("printer-dpi");

} // namespace

const QList<LabelKind>& labelKinds() {
    static const QList<LabelKind> kinds = {
        {"lagerteil", runLabelLagerteil, lagerteilMaskOptions},
        {"auftragsteil", runLabelAuftragsteil, auftragsteilMaskOptions},
        {"sonderteil", runLabelSonderteil, sonderteilMaskOptions},
        {"ersatzteil", runLabelErsatzteil, ersatzteilMaskOptions},
        {"typenschild", runLabelTypenschild, typenschildMaskOptions},
    };
    return kinds;
}

QList<LabelMaskOption> labelMaskOptions() {
    QList<LabelMaskOption> out;
    for (const LabelKind& kind : labelKinds())
        for (const MaskOptionForm& form : kind.maskOptions())
            out.append({QLatin1String(kind.name), form});
    return out;
}

int runLabel(const QStringList& args, CliIo& io) {
    QStringList names;
    for (const LabelKind& kind : labelKinds()) {
        if (!args.isEmpty() && args.first() == QLatin1String(kind.name))
            return kind.run(args.mid(1), io);
        names << QLatin1String(kind.name);
    }
    const QString known = names.join(QStringLiteral(", "));
    if (!args.isEmpty() && !args.first().startsWith(QLatin1Char('-')))
        return CommandOptions("label", "", io)
            .badInput(QStringLiteral("unknown label kind '%1' (known: %2)").arg(args.first(), known));
    io.err << "Usage: zeichwerk-cli label <kind> [options]   (kinds: " << known << ")\n"
           << "Each kind lists its options: zeichwerk-cli label <kind> --help\n";
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h")) ? ExitOk : ExitBadInput;
}

LabelCommand::LabelCommand(const char* usage, CliIo& io)
    : cmd("label", QString::fromUtf8(usage) + QLatin1String(kSharedUsage), io), parser(cmd.parser), m_io(io) {}

int LabelCommand::parse(const QStringList& args, const QList<QCommandLineOption>& own, const QStringList& required,
                        const QStringList& copies) {
    QList<QCommandLineOption> options{labelValueOption("program-folder", "DIR"), labelValueOption("home", "DIR"),
                                      labelValueOption("copies", "N"), labelValueOption("printer-dpi", "N")};
    options += own;
    if (const int status = cmd.parse(options, args); status != GoOn)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return cmd.usageError();
    for (const QString& name : QStringList{QStringLiteral("program-folder"), QStringLiteral("home")} + required) {
        if (!parser.isSet(name))
            return cmd.badInput(QStringLiteral("--%1 is missing").arg(name));
    }
    if (!copies.contains(this->copies()))
        return cmd.badInput(QStringLiteral("--copies must be %1").arg(copies.join(QStringLiteral(" or "))));
    if (parser.isSet(PrinterDpi) &&
        (parser.value(PrinterDpi).isEmpty() || !printerResolutionFromText(parser.value(PrinterDpi))))
        return cmd.badInput(
            QStringLiteral("--printer-dpi must be 0 or 100 to 1200, not '%1'").arg(parser.value(PrinterDpi)));
    return GoOn;
}

QString LabelCommand::copies() const {
    return parser.isSet(QStringLiteral("copies")) ? parser.value(QStringLiteral("copies")) : QStringLiteral("1");
}

int LabelCommand::readDate(const QString& name, QDate& date) {
    date = platform().now().date();
    if (!parser.isSet(name))
        return GoOn;
    date = QDate::fromString(parser.value(name), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        return cmd.badInput(
            QStringLiteral("--%1 is not a date of the form YYYY-MM-DD: %2").arg(name, parser.value(name)));
    return GoOn;
}

int LabelCommand::setUp(bool articles) {
    QString programFolder, home;
    if (const int status = resolveInstallationFolders(cmd, parser.value(QStringLiteral("program-folder")),
                                                      parser.value(QStringLiteral("home")), programFolder, home);
        status != GoOn)
        return status;
    m_installation = std::make_unique<Installation>(m_io, programFolder, home);
    m_installation->startup.readSettings();
    m_installation->startup.loadLanguage();
    if (!articles)
        return GoOn;
    if (const int status = m_installation->requireArticleFile(cmd); status != GoOn)
        return status;
    m_installation->startup.readArticles();
    return GoOn;
}

void LabelCommand::create(LabelLogic& label) {
    label.FormCreate();
    if (parser.isSet(PrinterDpi))
        label.printerResolution = printerResolutionFromText(parser.value(PrinterDpi));
    const Startup::SupplierNumbers numbers = Startup::supplierNumbers();
    if (MaskEditField* field = label.supplierNumberField())
        field->setText(numbers.sap);
    if (MaskEditField* field = label.shortSupplierNumberField())
        field->setText(numbers.kurz);
    if (copies() == QLatin1String("4"))
        label.cb4fach.setChecked(true);
}

int LabelCommand::print(LabelLogic& label) {
    const PrintOutcome outcome = label.btnDruckClick();
    if (outcome.kind != PrintOutcome::Printed)
        return ExitCheckFailed;
    m_io.out << outcome.document << "\n";
    return ExitOk;
}

} // namespace zw::cli
