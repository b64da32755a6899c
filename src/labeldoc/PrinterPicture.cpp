#include "labeldoc/PrinterPicture.h"

#include "base/Convert.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace zw {

namespace {

constexpr int ScreenDpi = 96;
constexpr int TwipsPerInch = 1440;

// Halves to the even neighbour, as the program rounds everywhere.
int roundEven(double v) {
    return int(std::nearbyint(v));
}

// `screenPixels` of the 96-dpi screen in dots at `dpi`.
int dotsFor(int screenPixels, int dpi) {
    return std::max(1, roundEven(double(screenPixels) * dpi / ScreenDpi));
}

} // namespace

bool isPrinterResolution(int dpi) {
    return dpi >= MinDruckerAufloesung && dpi <= MaxDruckerAufloesung;
}

std::optional<int> printerResolutionFromText(const QString& text) {
    const QString t = trimControl(text);
    if (t.isEmpty())
        return 0;
    int dpi = 0;
    if (!tryStrToInt(t, dpi) || (dpi != 0 && !isPrinterResolution(dpi)))
        return std::nullopt;
    return dpi;
}

int printerModule(int dpi) {
    return std::max(2, roundEven(double(dpi) / ScreenDpi));
}

int wholeTwipsLength(int dots, int dpi) {
    const int step = dpi / std::gcd(dpi, TwipsPerInch);
    return (dots + step - 1) / step * step;
}

int twipsAt(int dots, int dpi) {
    return roundEven(double(dots) * TwipsPerInch / dpi);
}

QImage printerBarcodePicture(const QImage& screenPicture, int dpi, bool upright) {
    const QImage screen = screenPicture.convertToFormat(QImage::Format_RGB32);
    const int acrossScreen = upright ? screen.width() : screen.height();
    const int alongScreen = upright ? screen.height() : screen.width();
    const int module = printerModule(dpi);
    const int drawn = acrossScreen * module;
    const int across = wholeTwipsLength(std::max(drawn, dotsFor(acrossScreen, dpi)), dpi);
    const int along = dotsFor(alongScreen, dpi);

    // Each dot takes the screen pixel it lies on: across the bars a whole
    // module, along them the pixel under the dot's centre.
    std::vector<int> alongSource(along);
    for (int t = 0; t < along; ++t)
        alongSource[t] = std::min(alongScreen - 1, int((t + 0.5) * alongScreen / along));

    // Bars are black, everything else is the paper.
    auto dot = [](QRgb p) { return qGray(p) < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255); };
    QImage out(upright ? across : along, upright ? along : across, QImage::Format_RGB32);
    out.fill(Qt::white);
    if (upright) {
        for (int t = 0; t < along; ++t) {
            const auto* source = reinterpret_cast<const QRgb*>(screen.constScanLine(alongSource[t]));
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(t));
            for (int a = 0; a < drawn; ++a)
                line[a] = dot(source[a / module]);
        }
    } else {
        for (int a = 0; a < drawn; ++a) {
            const auto* source = reinterpret_cast<const QRgb*>(screen.constScanLine(a / module));
            auto* line = reinterpret_cast<QRgb*>(out.scanLine(a));
            for (int t = 0; t < along; ++t)
                line[t] = dot(source[alongSource[t]]);
        }
    }
    const int dotsPerMetre = roundEven(dpi / 0.0254);
    out.setDotsPerMeterX(dotsPerMetre);
    out.setDotsPerMeterY(dotsPerMetre);
    return out;
}

} // namespace zw
