#include "cli/ContainerCommand.h"

#include "labels/OrderPartLabel.h"

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli label auftragsteil --program-folder DIR --home DIR --matnr M --week WW.YY\n"
    "           --quantity Q --unit U --inspector P --order N --position P [--date YYYY-MM-DD]\n"
    "           [--copies 1|4] [--inspected100] [--safety] [--supplier-field F]\n"
    "Makes an order-related container label as the form does and prints the document's path.\n"
    "  --program-folder DIR  the installation's program folder (Barcode.ini, templates, language files)\n"
    "  --home DIR            the home folder; the document is written there, not opened\n"
    "  --matnr M             material number, matched as typed into the form\n"
    "  --week WW.YY          manufacturing week and year, e.g. 08.25\n"
    "  --quantity Q --unit U quantity and unit (Stk, m, m², L, kg)\n"
    "  --inspector P         inspector\n"
    "  --order N             customer order number: up to ten digits, printed as the form's\n"
    "                        ten-position field holds them (blanks after them)\n"
    "  --position P          position in the customer order\n"
    "  --date YYYY-MM-DD     inspection date (default today)\n"
    "  --copies 1|4          one label or the 4-up sheet (default 1)\n"
    "  --inspected100        tick \"100 % Prüfung\" (default: as the article says)\n"
    "  --safety              tick \"Sicherheitsrelevante Bauteile\" (default: as the article says)\n"
    "  --supplier-field F    supplier field instead of the article's\n"
    "A value for a field with a fixed form (week, order) is taken only as the form's field\n"
    "holds it, character for character; anything else is refused with status 2.\n"
    "Exit status: 0 made, 1 a check failed (its message on stderr), 2 other errors.\n";

// The options that fill mask fields of the order-related label.
const std::vector<MaskOption<OrderPartLabel>>& orderPartMaskOptions() {
    static const std::vector<MaskOption<OrderPartLabel>> options = {
        {{"week", "WW.YY", "08.25"}, &OrderPartLabel::edHerstellerwoche},
        {{"order", "up to 10 digits", "4500123456", true}, &OrderPartLabel::edKDAuftrag},
    };
    return options;
}

} // namespace

QList<MaskOptionForm> auftragsteilMaskOptions() {
    return maskOptionForms(orderPartMaskOptions());
}

int runLabelAuftragsteil(const QStringList& args, CliIo& io) {
    LabelCommand command(kUsage, io);
    OrderPartLabel label;
    QDate date;
    if (const int status = command.prepare(
            args, ContainerCommand::articleOptions() << labelValueOption("position", "P"),
            ContainerCommand::articleRequired() << QStringLiteral("order") << QStringLiteral("position"),
            orderPartMaskOptions(), label, date);
        status != GoOn)
        return status;

    if (const int status = ContainerCommand::fillArticleLabel(command, label, orderPartMaskOptions(), date);
        status != GoOn)
        return status; // the form has said "not found"
    label.edKDPos.setText(command.parser.value(QStringLiteral("position")));
    return command.print(label);
}

} // namespace zw::cli
