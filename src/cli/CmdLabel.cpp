#include "cli/Commands.h"
#include "cli/Installation.h"
#include "cli/MaskOptions.h"

#include "core/Startup.h"
#include "labels/StockPartLabel.h"
#include "platform/Platform.h"

#include <QCommandLineParser>

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli label lagerteil --program-folder DIR --home DIR --matnr M --week WW.YY\n"
    "           --quantity Q --unit U --inspector P [--storage S] [--date YYYY-MM-DD]\n"
    "           [--copies 1|4] [--inspected100] [--safety] [--supplier-field F]\n"
    "           [--document-number NN-NN-NNN-NNN] [--index NN]\n"
    "Makes a stock-part container label as the form does and prints the document's path.\n"
    "  --program-folder DIR  the installation's program folder (Barcode.ini, templates, language files)\n"
    "  --home DIR            the home folder; the document is written there, not opened\n"
    "  --matnr M             material number, matched as typed into the form\n"
    "  --week WW.YY          manufacturing week and year, e.g. 08.25\n"
    "  --quantity Q --unit U quantity and unit (Stk, m, m², L, kg)\n"
    "  --inspector P         inspector\n"
    "  --storage S           storage place instead of the article's; given empty, the label is made\n"
    "                        without one (absent, an article without one fails with the form's question)\n"
    "  --date YYYY-MM-DD     inspection date (default today)\n"
    "  --copies 1|4          one label or the 4-up sheet (default 1)\n"
    "  --inspected100        tick \"100 % Prüfung\" (default: as the article says)\n"
    "  --safety              tick \"Sicherheitsrelevante Bauteile\" (default: as the article says)\n"
    "  --supplier-field F    supplier field instead of the article's\n"
    "  --document-number NN-NN-NNN-NNN, --index NN\n"
    "                        document number and its index instead of the article's\n"
    "A value for a field with a fixed form (week, document number, index) is taken only as the\n"
    "form's field holds it, character for character; anything else is refused with status 2.\n"
    "Exit status: 0 made, 1 a check failed (its message on stderr), 2 other errors.\n";

// The options that fill mask fields of the stock-part label.
const std::vector<MaskOption<StockPartLabel>>& stockPartMaskOptions() {
    static const std::vector<MaskOption<StockPartLabel>> options = {
        {{"week", "WW.YY", "08.25"}, &StockPartLabel::edHerstellerwoche},
        {{"document-number", "NN-NN-NNN-NNN", "11-05-044-010"}, &StockPartLabel::edZeichnNr},
        {{"index", "NN", "04"}, &StockPartLabel::edIndex},
    };
    return options;
}

} // namespace

QList<LabelMaskOption> labelMaskOptions() {
    QList<LabelMaskOption> out;
    for (const MaskOption<StockPartLabel>& o : stockPartMaskOptions())
        out.append({QStringLiteral("lagerteil"), o.spec});
    return out;
}

int runLabel(const QStringList& args, CliIo& io) {
    CommandOptions cmd("label", kUsage, io);
    QCommandLineParser& parser = cmd.parser;
    const auto valueOption = [](const char* name, const char* valueName) {
        return QCommandLineOption(QLatin1String(name), QString(), QLatin1String(valueName));
    };
    const QCommandLineOption programOption = valueOption("program-folder", "DIR");
    const QCommandLineOption homeOption = valueOption("home", "DIR");
    const QCommandLineOption matnrOption = valueOption("matnr", "M");
    const QCommandLineOption quantityOption = valueOption("quantity", "Q");
    const QCommandLineOption unitOption = valueOption("unit", "U");
    const QCommandLineOption inspectorOption = valueOption("inspector", "P");
    const QCommandLineOption storageOption = valueOption("storage", "S");
    const QCommandLineOption dateOption = valueOption("date", "YYYY-MM-DD");
    const QCommandLineOption copiesOption = valueOption("copies", "N");
    const QCommandLineOption supplierFieldOption = valueOption("supplier-field", "F");
    const QCommandLineOption inspectedOption(QStringLiteral("inspected100"));
    const QCommandLineOption safetyOption(QStringLiteral("safety"));
    QList<QCommandLineOption> options{programOption, homeOption,          matnrOption,     quantityOption,
                                      unitOption,    inspectorOption,     storageOption,   dateOption,
                                      copiesOption,  supplierFieldOption, inspectedOption, safetyOption};
    for (const MaskOption<StockPartLabel>& o : stockPartMaskOptions())
        options.append(o.option());
    if (const int status = cmd.parse(options, args); status != GoOn)
        return status;
    const QStringList kinds = parser.positionalArguments();
    if (kinds != QStringList{QStringLiteral("lagerteil")}) {
        if (kinds.size() == 1)
            return cmd.badInput(QStringLiteral("unknown label kind '%1' (known: lagerteil)").arg(kinds.first()));
        return cmd.usageError();
    }
    for (const QString& required :
         {QStringLiteral("program-folder"), QStringLiteral("home"), QStringLiteral("matnr"), QStringLiteral("week"),
          QStringLiteral("quantity"), QStringLiteral("unit"), QStringLiteral("inspector")}) {
        if (!parser.isSet(required))
            return cmd.badInput(QStringLiteral("--%1 is missing").arg(required));
    }
    StockPartLabel label;
    if (const int status = checkMaskOptions(cmd, stockPartMaskOptions(), label); status != GoOn)
        return status;
    QString programFolder, home;
    if (const int status =
            resolveInstallationFolders(cmd, parser.value(programOption), parser.value(homeOption), programFolder, home);
        status != GoOn)
        return status;
    const QString copies = parser.isSet(copiesOption) ? parser.value(copiesOption) : QStringLiteral("1");
    if (copies != QLatin1String("1") && copies != QLatin1String("4"))
        return cmd.badInput(QStringLiteral("--copies must be 1 or 4"));

    Installation inst(io, programFolder, home);
    // The form's question about an empty storage place: a storage place given
    // empty on the command line means "yes, without one".
    inst.console.questionAnswer = parser.isSet(storageOption) ? MessageAnswer::Yes : MessageAnswer::No;

    QDate date = platform().now().date();
    if (parser.isSet(dateOption)) {
        date = QDate::fromString(parser.value(dateOption), QStringLiteral("yyyy-MM-dd"));
        if (!date.isValid())
            return cmd.badInput(QStringLiteral("--date is not a date of the form YYYY-MM-DD: ") +
                                parser.value(dateOption));
    }

    inst.startup.readSettings();
    inst.startup.loadLanguage();
    if (const int status = inst.requireArticleFile(cmd); status != GoOn)
        return status;
    inst.startup.readArticles();

    label.FormCreate();
    // The supplier numbers as the main window hands them to the form.
    const Startup::SupplierNumbers numbers = Startup::supplierNumbers();
    label.edSAPLieferantennr.setText(numbers.sap);
    label.edLiefNrKurz.setText(numbers.kurz);

    label.cmbMatnr.userTyped(parser.value(matnrOption));
    if (label.cmbMatnr.itemIndex() < 0)
        return ExitCheckFailed; // the form has said "not found"
    fillMaskOptions(cmd, stockPartMaskOptions(), label);
    label.edStueckzahl.setText(parser.value(quantityOption));
    label.cmbEinheit.userTyped(parser.value(unitOption));
    label.edPruefer.setText(parser.value(inspectorOption));
    if (parser.isSet(storageOption))
        label.edLagerort.setText(parser.value(storageOption));
    if (parser.isSet(supplierFieldOption))
        label.edLieferantenfeld.setText(parser.value(supplierFieldOption));
    label.edPruefdatum_DTP.setDate(date);
    if (copies == QLatin1String("4"))
        label.cb4fach.setChecked(true);
    if (parser.isSet(inspectedOption))
        label.cb100Pruefung.setChecked(true);
    if (parser.isSet(safetyOption))
        label.cbSicherheitsbauteil.setChecked(true);

    const PrintOutcome outcome = label.btnDruckClick();
    if (outcome.kind != PrintOutcome::Printed)
        return ExitCheckFailed;
    io.out << outcome.document << "\n";
    return ExitOk;
}

} // namespace zw::cli
