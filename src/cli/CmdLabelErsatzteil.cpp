#include "cli/LabelCommand.h"

#include "labels/SparePartLabel.h"

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli label ersatzteil --program-folder DIR --home DIR --matnr M --week WW.YY\n"
    "           [--version carton|bag] [--copies 1|4|8] [--barcode-type standard|short|long|nwep]\n"
    "           [--prodnr N] [--eei] [--eei-value V]\n"
    "Makes a spare-part or accessory label as the form does and prints the document's path.\n"
    "  --program-folder DIR  the installation's program folder (Barcode.ini, templates, language files)\n"
    "  --home DIR            the home folder; the document is written there, not opened\n"
    "  --matnr M             material number, matched as typed into the form\n"
    "  --week WW.YY          manufacturing week and year, e.g. 08.25\n"
    "  --version carton|bag  the carton label (default) or the bag label\n"
    "  --copies 1|4|8        one label, the 4-up or (bag only) the 8-up sheet (default 1)\n"
    "  --barcode-type T      standard, short (2-digit supplier number), long (10-digit material\n"
    "                        number) or nwep (with a production number); default: as the form\n"
    "                        sets it for the material number. A type the form does not offer\n"
    "                        for this material number is refused.\n"
    "  --prodnr N            the NWEP production number, 6 digits (with --barcode-type nwep only)\n"
    "  --eei                 tick the energy-efficiency class (value \"≤ 0,23\")\n"
    "  --eei-value V         tick it with the value V instead (at most 15 characters)\n"
    "Exit status: 0 made, 1 a check failed (its message on stderr), 2 other errors.\n";

const std::vector<MaskOption<SparePartLabel>>& sparePartMaskOptions() {
    static const std::vector<MaskOption<SparePartLabel>> options = {
        {{"week", "WW.YY", "08.25"}, &SparePartLabel::edHerstellerwoche},
    };
    return options;
}

// The barcode types by their command-line names, in the order of TBarcodeTyp.
const char* const kTypeNames[] = {"standard", "short", "long", "nwep"};

bool onlyDigits(const QString& s) {
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

} // namespace

QList<MaskOptionForm> ersatzteilMaskOptions() {
    return maskOptionForms(sparePartMaskOptions());
}

int runLabelErsatzteil(const QStringList& args, CliIo& io) {
    LabelCommand command(kUsage, io);
    QCommandLineParser& parser = command.parser;
    QList<QCommandLineOption> options{labelValueOption("matnr", "M"),        labelValueOption("version", "carton|bag"),
                                      labelValueOption("barcode-type", "T"), labelValueOption("prodnr", "N"),
                                      labelValueOption("eei-value", "V"),    QCommandLineOption(QStringLiteral("eei"))};
    for (const MaskOption<SparePartLabel>& o : sparePartMaskOptions())
        options.append(o.option());
    if (const int status = command.parse(args, options, {QStringLiteral("matnr"), QStringLiteral("week")},
                                         {QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("8")});
        status != GoOn)
        return status;
    SparePartLabel label;
    if (const int status = checkMaskOptions(command.cmd, sparePartMaskOptions(), label); status != GoOn)
        return status;

    const QString version =
        parser.isSet(QStringLiteral("version")) ? parser.value(QStringLiteral("version")) : QStringLiteral("carton");
    if (version != QLatin1String("carton") && version != QLatin1String("bag"))
        return command.cmd.badInput(QStringLiteral("--version must be carton or bag"));
    if (version == QLatin1String("carton") && command.copies() == QLatin1String("8"))
        return command.cmd.badInput(QStringLiteral("--copies 8 is offered for the bag only (--version bag)"));
    const QString typeName = parser.value(QStringLiteral("barcode-type"));
    const auto* typeIt = std::find_if(std::begin(kTypeNames), std::end(kTypeNames),
                                      [&](const char* n) { return typeName == QLatin1String(n); });
    if (parser.isSet(QStringLiteral("barcode-type")) && typeIt == std::end(kTypeNames))
        return command.cmd.badInput(QStringLiteral("--barcode-type must be standard, short, long or nwep"));
    const QString prodNr = parser.value(QStringLiteral("prodnr"));
    if (parser.isSet(QStringLiteral("prodnr")) && typeName != QLatin1String("nwep"))
        return command.cmd.badInput(QStringLiteral("--prodnr is for --barcode-type nwep only"));
    if (!onlyDigits(prodNr) || prodNr.size() > 6)
        return command.cmd.badInput(QStringLiteral("--prodnr: expected up to 6 digits, e.g. 000123"));
    const QString eeiValue = parser.value(QStringLiteral("eei-value"));
    if (eeiValue.size() > label.edLeistungklasse.maxLength)
        return command.cmd.badInput(
            QStringLiteral("--eei-value: at most %1 characters").arg(label.edLeistungklasse.maxLength));

    if (const int status = command.setUp(); status != GoOn)
        return status;
    command.create(label);
    if (version == QLatin1String("bag"))
        label.rbBeutel.setChecked(true);
    label.cmbMatNr.userTyped(parser.value(QStringLiteral("matnr")));
    if (label.cmbMatNr.itemIndex() < 0)
        return ExitCheckFailed; // the form has said "not found"
    fillMaskOptions(command.cmd, sparePartMaskOptions(), label);

    if (typeIt != std::end(kTypeNames)) {
        const auto wanted = TBarcodeTyp(typeIt - std::begin(kTypeNames));
        const std::vector<TBarcodeTyp>& offered = label.offeredBarcodeTypes();
        const auto at = std::find(offered.begin(), offered.end(), wanted);
        if (at == offered.end()) {
            QStringList names;
            for (const TBarcodeTyp t : offered)
                names << QLatin1String(kTypeNames[t]);
            return command.cmd.badInput(QStringLiteral("--barcode-type %1 is not offered for material number %2 "
                                                       "(offered: %3)")
                                            .arg(typeName, label.cmbMatNr.text(), names.join(QStringLiteral(", "))));
        }
        label.cmbBarcodeTyp.userChose(int(at - offered.begin()));
    }
    if (!prodNr.isEmpty())
        label.edProdNr.setText(prodNr);
    if (parser.isSet(QStringLiteral("eei")) || parser.isSet(QStringLiteral("eei-value")))
        label.cbEEI.setChecked(true);
    if (parser.isSet(QStringLiteral("eei-value")))
        label.edLeistungklasse.setText(eeiValue);
    if (command.copies() == QLatin1String("4"))
        label.cb4fach.setChecked(true);
    else if (command.copies() == QLatin1String("8"))
        label.cb8fach.setChecked(true);
    return command.print(label);
}

} // namespace zw::cli
