#include "cli/Commands.h"

#include "barcode/Barcode.h"
#include "base/AppError.h"
#include "base/TextFile.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QImage>

#include <cmath>
#include <functional>

namespace zw::cli {

namespace {

const char* const kUsage =
    "Usage: zeichwerk-cli barcode --type T --text X [--checksum] [--modul M] [--ratio R]\n"
    "         [--height H] [--angle A] [--show-text none|code|typ|both] (--pattern | --png FILE)\n"
    "Encodes X as a barcode of type T (name such as bcCodeEAN13, or its number 0-22).\n"
    "  --height H  bar height in pixels (default 25, the height of the labels' barcodes)\n"
    "  --pattern   print the bar pattern, then the text as the build left it\n"
    "  --png FILE  draw the barcode on a white picture of the barcode's size\n";

bool parseType(const QString& s, TBarcodeType& type) {
    if (barcodeTypeFromIdentifier(s, type))
        return true;
    bool ok = false;
    const int n = s.toInt(&ok);
    if (!ok || n < 0 || n >= BarcodeTypeCount)
        return false;
    type = TBarcodeType(n);
    return true;
}

bool parseShowText(const QString& s, TBarcodeOption& option) {
    static const QStringList names = {QStringLiteral("none"), QStringLiteral("code"), QStringLiteral("typ"),
                                      QStringLiteral("both")};
    const qsizetype i = names.indexOf(s);
    if (i < 0)
        return false;
    option = TBarcodeOption(i);
    return true;
}

// Gigabytes of pixels would be drawn and encoded before anyone noticed the typo.
constexpr qint64 MaxPicturePixels = 64 * 1024 * 1024;

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw AppError(QStringLiteral("cannot encode the picture as PNG"));
    return bytes;
}

} // namespace

int runBarcode(const QStringList& args, CliIo& io) {
    CommandOptions cmd("barcode", kUsage, io);
    QCommandLineParser& parser = cmd.parser;
    const QCommandLineOption typeOption(QStringLiteral("type"), QString(), QStringLiteral("T"));
    const QCommandLineOption textOption(QStringLiteral("text"), QString(), QStringLiteral("X"));
    const QCommandLineOption checksumOption(QStringLiteral("checksum"));
    const QCommandLineOption modulOption(QStringLiteral("modul"), QString(), QStringLiteral("M"));
    const QCommandLineOption ratioOption(QStringLiteral("ratio"), QString(), QStringLiteral("R"));
    const QCommandLineOption heightOption(QStringLiteral("height"), QString(), QStringLiteral("H"));
    const QCommandLineOption angleOption(QStringLiteral("angle"), QString(), QStringLiteral("A"));
    const QCommandLineOption showTextOption(QStringLiteral("show-text"), QString(), QStringLiteral("MODE"));
    const QCommandLineOption patternOption(QStringLiteral("pattern"));
    const QCommandLineOption pngOption(QStringLiteral("png"), QString(), QStringLiteral("FILE"));
    if (const int status = cmd.parse({typeOption, textOption, checksumOption, modulOption, ratioOption, heightOption,
                                      angleOption, showTextOption, patternOption, pngOption},
                                     args);
        status != GoOn)
        return status;
    if (!parser.positionalArguments().isEmpty())
        return cmd.badInput(QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().first()));
    if (!parser.isSet(typeOption) || !parser.isSet(textOption))
        return cmd.badInput(QStringLiteral("--type and --text are required"));
    if (parser.isSet(patternOption) == parser.isSet(pngOption))
        return cmd.badInput(QStringLiteral("give either --pattern or --png FILE"));

    TBarcode bc;
    TBarcodeType type;
    if (!parseType(parser.value(typeOption), type))
        return cmd.badInput(QStringLiteral("unknown barcode type '%1'").arg(parser.value(typeOption)));
    bc.setTyp(type);
    bc.setText(parser.value(textOption));
    bc.setChecksum(parser.isSet(checksumOption));
    // The component starts with no height at all; a picture wants bars.
    bc.setHeight(25);

    // The numeric options; a value that is no number ends the command.
    enum class Kind { Integer, Real };
    struct Numeric {
        const QCommandLineOption& option;
        Kind kind;
        std::function<void(TBarcode&, double)> apply;
    };
    const Numeric numerics[] = {
        {modulOption, Kind::Integer, [](TBarcode& b, double v) { b.setModul(int(v)); }},
        {ratioOption, Kind::Real, [](TBarcode& b, double v) { b.setRatio(v); }},
        {heightOption, Kind::Integer, [](TBarcode& b, double v) { b.setHeight(int(v)); }},
        {angleOption, Kind::Real, [](TBarcode& b, double v) { b.setAngle(v); }},
    };
    for (const Numeric& n : numerics) {
        if (!parser.isSet(n.option))
            continue;
        const QString text = parser.value(n.option);
        bool ok = false;
        const double value = n.kind == Kind::Integer ? double(text.toInt(&ok)) : text.toDouble(&ok);
        // "nan" and "inf" parse as doubles but give no ratio or angle to draw with.
        if (!ok || !std::isfinite(value))
            return cmd.badInput(QStringLiteral("--%1: '%2' is not a number").arg(n.option.names().first(), text));
        n.apply(bc, value);
    }
    if (parser.isSet(showTextOption)) {
        TBarcodeOption option;
        if (!parseShowText(parser.value(showTextOption), option))
            return cmd.badInput(QStringLiteral("--show-text takes none, code, typ or both"));
        bc.setShowText(option);
    }

    if (parser.isSet(patternOption)) {
        const QString pattern = bc.BuildBarPattern();
        io.out << pattern << "\n" << bc.Text() << "\n";
        return ExitOk;
    }
    const int width = bc.CanvasWidth();
    const int height = bc.CanvasHeight();
    if (width <= 0 || height <= 0)
        return cmd.badInput(QStringLiteral("the barcode has no area to draw (height %1)").arg(bc.Height()));
    QImage image;
    if (qint64(width) * height <= MaxPicturePixels)
        image = QImage(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return cmd.badInput(QStringLiteral("a picture of %1 x %2 pixels is too large").arg(width).arg(height));
    image.fill(Qt::white);
    ImageCanvas canvas(image);
    bc.DrawBarcode(canvas);
    writeFileAtomically(parser.value(pngOption), pngBytes(image));
    return ExitOk;
}

} // namespace zw::cli
