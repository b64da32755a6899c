#include "cli/LabelCommand.h"

#include "labels/TypePlateLabel.h"

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli label typenschild --program-folder DIR --home DIR --matnr M --week WW.YY\n"
    "           [--size large|small|very-small] [--copies 1|4] [--eei] [--eei-value V]\n"
    "           [--supplier-field F]\n"
    "Makes a type plate as the form does and prints the document's path.\n"
    "  --program-folder DIR  the installation's program folder (Barcode.ini, templates, language files)\n"
    "  --home DIR            the home folder; the document is written there, not opened\n"
    "  --matnr M             material number, matched as typed into the form; designation,\n"
    "                        document number and index come from the article\n"
    "  --week WW.YY          manufacturing week and year, e.g. 08.25\n"
    "  --size S              large (96 x 135 mm, the default), small (57 x 80 mm) or very-small (34 x 60 mm)\n"
    "  --copies 1|4          one label or the 4-up sheet (default 1)\n"
    "  --eei                 tick the energy-efficiency class (value \"≤ 0,23\")\n"
    "  --eei-value V         tick it with the value V instead (at most 15 characters)\n"
    "  --supplier-field F    supplier field instead of the article's (at most 38 characters)\n"
    "A value for a field with a fixed form (the week) is taken only as the form's field holds it,\n"
    "character for character; anything else is refused with status 2.\n"
    "Exit status: 0 made, 1 a check failed (its message on stderr), 2 other errors.\n";

const std::vector<MaskOption<TypePlateLabel>>& typePlateMaskOptions() {
    static const std::vector<MaskOption<TypePlateLabel>> options = {
        {{"week", "WW.YY", "08.25"}, &TypePlateLabel::edHerstellerwoche},
    };
    return options;
}

// The size buttons by the --size value.
RadioField* sizeButton(TypePlateLabel& label, const QString& size) {
    if (size == QLatin1String("large"))
        return &label.cbgross;
    if (size == QLatin1String("small"))
        return &label.cbklein;
    if (size == QLatin1String("very-small"))
        return &label.cbsehrklein;
    return nullptr;
}

// A text option the form's field could not take (longer than it lets the user type).
int checkLength(CommandOptions& cmd, const char* name, const EditField& field) {
    const QString value = cmd.parser.value(QLatin1String(name));
    if (value.size() > field.maxLength)
        return cmd.badInput(
            QStringLiteral("--%1: at most %2 characters").arg(QLatin1String(name)).arg(field.maxLength));
    return GoOn;
}

} // namespace

QList<MaskOptionForm> typenschildMaskOptions() {
    return maskOptionForms(typePlateMaskOptions());
}

int runLabelTypenschild(const QStringList& args, CliIo& io) {
    LabelCommand command(kUsage, io);
    QCommandLineParser& parser = command.parser;
    QList<QCommandLineOption> options{labelValueOption("matnr", "M"), labelValueOption("size", "S"),
                                      labelValueOption("eei-value", "V"), labelValueOption("supplier-field", "F"),
                                      QCommandLineOption(QStringLiteral("eei"))};
    for (const MaskOption<TypePlateLabel>& o : typePlateMaskOptions())
        options.append(o.option());
    if (const int status = command.parse(args, options, {QStringLiteral("matnr"), QStringLiteral("week")});
        status != GoOn)
        return status;
    TypePlateLabel label;
    RadioField* size = sizeButton(label, parser.isSet(QStringLiteral("size")) ? parser.value(QStringLiteral("size"))
                                                                              : QStringLiteral("large"));
    if (!size)
        return command.cmd.badInput(QStringLiteral("--size must be large, small or very-small"));
    if (const int status = checkMaskOptions(command.cmd, typePlateMaskOptions(), label); status != GoOn)
        return status;
    if (const int status = checkLength(command.cmd, "eei-value", label.edLeistungklasse); status != GoOn)
        return status;
    if (const int status = checkLength(command.cmd, "supplier-field", label.edLieferantenfeld); status != GoOn)
        return status;
    if (const int status = command.setUp(); status != GoOn)
        return status;

    command.create(label);
    label.cmbMatNr.userTyped(parser.value(QStringLiteral("matnr")));
    if (label.cmbMatNr.itemIndex() < 0)
        return ExitCheckFailed; // the form has said "not found"
    fillMaskOptions(command.cmd, typePlateMaskOptions(), label);
    if (parser.isSet(QStringLiteral("supplier-field")))
        label.edLieferantenfeld.setText(parser.value(QStringLiteral("supplier-field")));
    if (parser.isSet(QStringLiteral("eei")) || parser.isSet(QStringLiteral("eei-value")))
        label.cbEEI.setChecked(true);
    if (parser.isSet(QStringLiteral("eei-value")))
        label.edLeistungklasse.setText(parser.value(QStringLiteral("eei-value")));
    size->setChecked(true);
    if (command.copies() == QLatin1String("4"))
        label.cb4fach.setChecked(true);
    return command.print(label);
}

} // namespace zw::cli
