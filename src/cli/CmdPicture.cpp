#include "cli/Commands.h"

#include "base/AppError.h"
#include "labeldoc/PrinterPicture.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include <QCommandLineParser>

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli picture --type T --text X [--angle 0|-90] [--printer-dpi N]\n"
    "Prints the RTF picture group of the barcode picture a label carries\n"
    "(175 x 25 pixels, or 25 x 175 at -90 degrees).\n"
    "  --type   barcode type: its name (bcCode128C, Code128C, bcCodeEAN13, EAN13, ...) or number 0-22\n"
    "  --printer-dpi N  the picture in whole dots of an N-dpi printer (100 to 1200; 0: the standard picture)\n";

// The enumeration's name (bcCodeCodabar), the type's display name (Code128C,
// letter case and blanks aside) or its number.
bool parseType(const QString& s, TBarcodeType& type) {
    bool isNumber = false;
    const int n = s.toInt(&isNumber);
    if (isNumber) {
        if (n < 0 || n >= BarcodeTypeCount)
            return false;
        type = TBarcodeType(n);
        return true;
    }
    if (barcodeTypeFromIdentifier(s, type))
        return true;
    auto comparable = [](QString name) { return name.remove(QLatin1Char(' ')).remove(QLatin1Char('_')).toLower(); };
    TBarcode probe;
    for (int i = 0; i < BarcodeTypeCount; ++i) {
        probe.setTyp(TBarcodeType(i));
        if (comparable(probe.TypeName()) == comparable(s)) {
            type = TBarcodeType(i);
            return true;
        }
    }
    return false;
}

} // namespace

QString barcodePictureGroup(const QString& type, const QString& text, const QString& angle, const QString& printerDpi) {
    TBarcodeType barcodeType;
    if (!parseType(type, barcodeType))
        throw AppError(QStringLiteral("unknown barcode type '%1'").arg(type));
    const bool rotated = angle == QLatin1String("-90");
    if (!rotated && angle != QLatin1String("0") && !angle.isEmpty())
        throw AppError(QStringLiteral("the angle must be 0 or -90, not '%1'").arg(angle));
    const std::optional<int> dpi = printerResolutionFromText(printerDpi);
    if (!dpi)
        throw AppError(QStringLiteral("--printer-dpi must be 0 or 100 to 1200, not '%1'").arg(printerDpi));
    TRTFGebindeObjekt builder;
    builder.DruckerAufloesung = *dpi;
    builder.ErstelleBarcode_EAN_Bitmap(text, barcodeType, rotated ? -90 : 0);
    builder.SchreibeBildInRtf(rotated ? builder.Barcode_EAN_Image_Minus_90_Grad : builder.Barcode_EAN_Image);
    return builder.RTFBild;
}

int runPicture(const QStringList& args, CliIo& io) {
    CommandOptions cmd("picture", kUsage, io);
    QCommandLineParser& parser = cmd.parser;
    const QCommandLineOption typeOption(QStringLiteral("type"), QString(), QStringLiteral("T"));
    const QCommandLineOption textOption(QStringLiteral("text"), QString(), QStringLiteral("X"));
    const QCommandLineOption angleOption(QStringLiteral("angle"), QString(), QStringLiteral("A"));
    const QCommandLineOption dpiOption(QStringLiteral("printer-dpi"), QString(), QStringLiteral("N"));
    if (const int status = cmd.parse({typeOption, textOption, angleOption, dpiOption}, args); status != GoOn)
        return status;
    if (!parser.positionalArguments().isEmpty() || !parser.isSet(typeOption) || !parser.isSet(textOption)) {
        return cmd.usageError();
    }
    io.out << barcodePictureGroup(parser.value(typeOption), parser.value(textOption), parser.value(angleOption),
                                  parser.value(dpiOption))
           << "\n";
    return ExitOk;
}

} // namespace zw::cli
