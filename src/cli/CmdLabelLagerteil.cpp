#include "cli/ContainerCommand.h"

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

QList<MaskOptionForm> lagerteilMaskOptions() {
    return maskOptionForms(stockPartMaskOptions());
}

int runLabelLagerteil(const QStringList& args, CliIo& io) {
    LabelCommand command(kUsage, io);
    StockPartLabel label;
    QDate date;
    if (const int status = command.prepare(args, ContainerCommand::articleOptions() << labelValueOption("storage", "S"),
                                           ContainerCommand::articleRequired(), stockPartMaskOptions(), label, date);
        status != GoOn)
        return status;
    // The form's question about an empty storage place: a storage place given
    // empty on the command line means "yes, without one".
    const bool storageGiven = command.parser.isSet(QStringLiteral("storage"));
    command.installation().console.questionAnswer = storageGiven ? MessageAnswer::Yes : MessageAnswer::No;

    if (const int status = ContainerCommand::fillArticleLabel(command, label, stockPartMaskOptions(), date);
        status != GoOn)
        return status; // the form has said "not found"
    if (storageGiven)
        label.edLagerort.setText(command.parser.value(QStringLiteral("storage")));
    return command.print(label);
}

} // namespace zw::cli
