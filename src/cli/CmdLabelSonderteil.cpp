#include "cli/ContainerCommand.h"

#include "labels/SpecialPartLabel.h"

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli label sonderteil --program-folder DIR --home DIR --designation D\n"
    "           --po-number N --po-position P --order N --position P --quantity Q --unit U\n"
    "           --device-type T --storage S --inspector P [--date YYYY-MM-DD] [--copies 1|4]\n"
    "           [--inspected100] [--supplier-field F]\n"
    "Makes a special-part container label as the form does and prints the document's path.\n"
    "  --program-folder DIR  the installation's program folder (Barcode.ini, templates, language files)\n"
    "  --home DIR            the home folder; the document is written there, not opened\n"
    "  --designation D       designation (longer than 30 characters: two lines, cut after the 25th)\n"
    "  --po-number N --po-position P\n"
    "                        purchase order number and position\n"
    "  --order N             customer order number: up to ten digits, printed as the form's\n"
    "                        ten-position field holds them (blanks after them)\n"
    "  --position P          position in the customer order\n"
    "  --quantity Q --unit U quantity and unit (Stk, m, m², L, kg)\n"
    "  --device-type T       device type, one of the settings' list or any other\n"
    "  --storage S           storage place, one of the settings' list or any other\n"
    "  --inspector P         inspector\n"
    "  --date YYYY-MM-DD     inspection date (default today)\n"
    "  --copies 1|4          one label or the 4-up sheet (default 1)\n"
    "  --inspected100        tick \"100 % Prüfung\"\n"
    "  --supplier-field F    supplier field\n"
    "The supplier number is the one of the settings, as on the form. The order is taken only as\n"
    "the form's field holds it, character for character; anything else is refused with status 2.\n"
    "Exit status: 0 made, 1 a check failed (its message on stderr), 2 other errors.\n";

const std::vector<MaskOption<SpecialPartLabel>>& specialPartMaskOptions() {
    static const std::vector<MaskOption<SpecialPartLabel>> options = {
        {{"order", "up to 10 digits", "4500123456", true}, &SpecialPartLabel::edKDAuftrag},
    };
    return options;
}

// The plain text options and the fields they fill, in the form's keyboard order.
struct TextOption {
    const char* name;
    EditField SpecialPartLabel::*field;
};
const TextOption kTextOptions[] = {
    {"designation", &SpecialPartLabel::edBenennung},
    {"po-number", &SpecialPartLabel::edBestellNr},
    {"po-position", &SpecialPartLabel::edBestellPos},
    {"position", &SpecialPartLabel::edKDPos},
};

} // namespace

QList<MaskOptionForm> sonderteilMaskOptions() {
    return maskOptionForms(specialPartMaskOptions());
}

int runLabelSonderteil(const QStringList& args, CliIo& io) {
    LabelCommand command(kUsage, io);
    const QCommandLineParser& parser = command.parser;
    QList<QCommandLineOption> options = ContainerCommand::options()
                                        << labelValueOption("device-type", "T") << labelValueOption("storage", "S");
    QStringList required = ContainerCommand::required()
                           << QStringLiteral("order") << QStringLiteral("device-type") << QStringLiteral("storage");
    for (const TextOption& o : kTextOptions) {
        options.append(labelValueOption(o.name, "TEXT"));
        required.append(QLatin1String(o.name));
    }
    SpecialPartLabel label;
    QDate date;
    // No article: the form has no material number.
    if (const int status = command.prepare(args, options, required, specialPartMaskOptions(), label, date, false);
        status != GoOn)
        return status;

    command.create(label);
    for (const TextOption& o : kTextOptions)
        (label.*o.field).setText(parser.value(QLatin1String(o.name)));
    fillMaskOptions(command.cmd, specialPartMaskOptions(), label);
    ContainerCommand::fill(command,
                           {label.edStueck, label.cmbEinheit, label.edPruefer, label.edLieferantenfeld,
                            label.edPruefdatum_DTP, label.cb100Pruefung},
                           date);
    label.edGeraetetyp.userTyped(parser.value(QStringLiteral("device-type")));
    label.edLagerort.userTyped(parser.value(QStringLiteral("storage")));
    return command.print(label);
}

} // namespace zw::cli
