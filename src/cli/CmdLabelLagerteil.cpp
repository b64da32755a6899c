#include "cli/LabelCommand.h"

#include "labels/StockPartLabel.h"

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

QList<MaskOptionSpec> lagerteilMaskOptions() {
    return maskOptionSpecs(stockPartMaskOptions());
}

int runLabelLagerteil(const QStringList& args, CliIo& io) {
    LabelCommand command(kUsage, io);
    QCommandLineParser& parser = command.parser;
    QList<QCommandLineOption> options{valueOption("matnr", "M"),
                                      valueOption("quantity", "Q"),
                                      valueOption("unit", "U"),
                                      valueOption("inspector", "P"),
                                      valueOption("storage", "S"),
                                      valueOption("date", "YYYY-MM-DD"),
                                      valueOption("supplier-field", "F"),
                                      QCommandLineOption(QStringLiteral("inspected100")),
                                      QCommandLineOption(QStringLiteral("safety"))};
    for (const MaskOption<StockPartLabel>& o : stockPartMaskOptions())
        options.append(o.option());
    if (const int status = command.parse(args, options,
                                         {QStringLiteral("matnr"), QStringLiteral("week"), QStringLiteral("quantity"),
                                          QStringLiteral("unit"), QStringLiteral("inspector")});
        status != GoOn)
        return status;
    StockPartLabel label;
    if (const int status = checkMaskOptions(command.cmd, stockPartMaskOptions(), label); status != GoOn)
        return status;
    if (const int status = command.setUp(); status != GoOn)
        return status;
    QDate date;
    if (const int status = command.readDate(QStringLiteral("date"), date); status != GoOn)
        return status;
    // The form's question about an empty storage place: a storage place given
    // empty on the command line means "yes, without one".
    const bool storageGiven = parser.isSet(QStringLiteral("storage"));
    command.installation().console.questionAnswer = storageGiven ? MessageAnswer::Yes : MessageAnswer::No;

    command.create(label);
    label.cmbMatnr.userTyped(parser.value(QStringLiteral("matnr")));
    if (label.cmbMatnr.itemIndex() < 0)
        return ExitCheckFailed; // the form has said "not found"
    fillMaskOptions(command.cmd, stockPartMaskOptions(), label);
    label.edStueckzahl.setText(parser.value(QStringLiteral("quantity")));
    label.cmbEinheit.userTyped(parser.value(QStringLiteral("unit")));
    label.edPruefer.setText(parser.value(QStringLiteral("inspector")));
    if (storageGiven)
        label.edLagerort.setText(parser.value(QStringLiteral("storage")));
    if (parser.isSet(QStringLiteral("supplier-field")))
        label.edLieferantenfeld.setText(parser.value(QStringLiteral("supplier-field")));
    label.edPruefdatum_DTP.setDate(date);
    if (command.copies() == QLatin1String("4"))
        label.cb4fach.setChecked(true);
    if (parser.isSet(QStringLiteral("inspected100")))
        label.cb100Pruefung.setChecked(true);
    if (parser.isSet(QStringLiteral("safety")))
        label.cbSicherheitsbauteil.setChecked(true);
    return command.print(label);
}

} // namespace zw::cli
