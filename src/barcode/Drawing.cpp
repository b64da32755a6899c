// Size, rotation and drawing of the bar pattern and the human-readable text.

#include "barcode/Barcode.h"
#include "barcode/BarcodeRules.h"

#include <QVarLengthArray>

#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace zw {

using barcode::roundHalfEven;

double TBarcode::angleInRadians() const {
    return FAngle / 180.0 * std::numbers::pi;
}

int TBarcode::Width() {
    BuildBarPattern();
    return m_patternWidth;
}

void TBarcode::setWidth(int value) {
    const int sum = Width();
    if (sum <= 0)
        return;
    // In 64 bits, so that a huge width cannot overflow; the setter ignores what is out of range.
    const qint64 modul = qint64(FModul) * value / sum;
    setModul(modul >= 1 && modul < 50 ? int(modul) : 0);
}

int TBarcode::CanvasHeight() {
    const double a = angleInRadians();
    const int w = Width();
    return roundHalfEven(std::fabs(std::sin(a)) * w + std::fabs(std::cos(a)) * FHeight + 0.5);
}

int TBarcode::CanvasWidth() {
    const double a = angleInRadians();
    const int w = Width();
    return roundHalfEven(std::fabs(std::cos(a)) * w + std::fabs(std::sin(a)) * FHeight + 0.5);
}

namespace {

// RotatePoint with its sine and cosine taken once. At multiples of 90 degrees
// they are 0 or ±1 up to a residue far too small to move a rounded 32-bit
// coordinate, so integer arithmetic gives the same points.
class Rotation {
public:
    explicit Rotation(double a) : m_s(std::sin(a)), m_c(std::cos(a)) {
        // Compared as doubles: the sine of a NaN angle is no integer either.
        m_quarter = std::fabs(m_s - std::round(m_s)) < 1e-12 && std::fabs(m_c - std::round(m_c)) < 1e-12;
        m_si = m_quarter ? int(std::round(m_s)) : 0;
        m_ci = m_quarter ? int(std::round(m_c)) : 0;
    }
    QPoint operator()(QPoint p) const {
        // A quarter turn gives each coordinate as one of ±x and ±y; only the negated
        // INT_MIN lies beyond the range, and the exact formula below reports that.
        if (m_quarter && p.x() != std::numeric_limits<int>::min() && p.y() != std::numeric_limits<int>::min())
            return QPoint(p.x() * m_ci + p.y() * m_si, -p.x() * m_si + p.y() * m_ci);
        const double x = p.x(), y = p.y();
        return QPoint(roundHalfEven(x * m_c + y * m_s), roundHalfEven(-x * m_s + y * m_c));
    }

private:
    double m_s;
    double m_c;
    int m_si;
    int m_ci;
    bool m_quarter;
};

} // namespace

QPoint TBarcode::RotatePoint(QPoint p, double a) {
    return Rotation(a)(p);
}

QPoint TBarcode::RotationOffset(int W, int H, double a) {
    const double s = std::sin(a);
    const double c = std::cos(a);
    if (s >= 0 && c >= 0)
        return QPoint(0, roundHalfEven(W * s));
    if (s >= 0)
        return QPoint(-roundHalfEven(W * c), roundHalfEven(W * s - H * c));
    if (c >= 0)
        return QPoint(-roundHalfEven(H * s), 0);
    return QPoint(-roundHalfEven(W * c) - roundHalfEven(H * s), -roundHalfEven(H * c));
}

void TBarcode::DrawBars(const QString& pattern, Canvas& canvas) {
    const double a = angleInRadians();
    const QPoint origin = QPoint(FLeft, FTop) + RotationOffset(Width(), FHeight, a);
    const Rotation rotate(a);
    TPen pen = canvas.pen();
    pen.Width = 1;
    canvas.setPen(pen);
    // Every element is filled; a brush the caller left clear would leave the wide bars hollow.
    TBrush brush = canvas.brush();
    brush.Style = BrushStyle::Solid;
    canvas.setBrush(brush);
    const QRgb spaceColor = FColor.rgb();
    const QRgb barColor = FColorBar.rgb();
    // EAN-13's digit elements stop at 20 pixels so that the guard bars
    // (positions 1, 3, 29, 31, 57 and 59) reach below them.
    constexpr quint64 ean13Guards =
        (1ull << 1) | (1ull << 3) | (1ull << 29) | (1ull << 31) | (1ull << 57) | (1ull << 59);
    const bool ean13 = FTyp == bcCodeEAN13;
    QVarLengthArray<ColoredPolygon, 128> elements(pattern.size());
    int x = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const TBarElement e = GetElementProps(pattern[i]);
        int h = e.kind == bekShortBar ? int(qint64(FHeight) * 2 / 5) : FHeight;
        const qsizetype pos = i + 1;
        if (ean13 && (pos >= 64 || !((ean13Guards >> pos) & 1)))
            h = 20;
        // Spaces are painted too, in the space colour.
        ColoredPolygon& polygon = elements[i];
        polygon.corners = {
            origin + rotate(QPoint(x, 0)),
            origin + rotate(QPoint(x, h)),
            origin + rotate(QPoint(x + e.width - 1, h)),
            origin + rotate(QPoint(x + e.width - 1, 0)),
        };
        polygon.color = e.kind == bekSpace ? spaceColor : barColor;
        x += e.width;
    }
    canvas.Polygons(elements);
}

void TBarcode::DrawText(Canvas& canvas) {
    const TFont saved = canvas.font();
    canvas.setFont(FShowTextFont);
    TPen pen = canvas.pen();
    pen.Color = FShowTextFont.Color;
    canvas.setPen(pen);
    TBrush brush = canvas.brush();
    brush.Color = FColor;
    canvas.setBrush(brush);

    const int w = Width();
    const int tw = canvas.TextWidth(FText);
    const int th = canvas.TextHeight(FText);
    int x = FLeft;
    int y = FTop;
    switch (FShowTextPosition) {
    case stpTopLeft:
    case stpBottomLeft:
        break;
    case stpTopRight:
    case stpBottomRight:
        x = FLeft + w - tw;
        break;
    case stpTopCenter:
    case stpBottomCenter:
        x = FLeft + int(std::trunc((w - tw) / 2.0));
        break;
    }
    if (FShowTextPosition == stpBottomLeft || FShowTextPosition == stpBottomRight ||
        FShowTextPosition == stpBottomCenter)
        y = FTop + FHeight - th;

    auto writeOnBackground = [&](int tx, int ty, const QString& text) {
        brush.Style = BrushStyle::Solid;
        canvas.setBrush(brush);
        canvas.FillRect(tx, ty, tx + canvas.TextWidth(text), ty + canvas.TextHeight(text));
        canvas.TextOut(tx, ty, text);
    };
    if (FShowText == bcoCode || FShowText == bcoBoth)
        writeOnBackground(x, y, FText);
    if (FShowText == bcoTyp || FShowText == bcoBoth)
        writeOnBackground(FLeft, FTop + roundHalfEven(2.5 * FShowTextFont.Height), TypeName());
    canvas.setFont(saved);
}

void TBarcode::DrawBarcode(Canvas& canvas) {
    const QString pattern = BuildBarPattern();
    const TPen pen = canvas.pen();
    const TBrush brush = canvas.brush();
    DrawBars(pattern, canvas);
    // Only the text touches the font.
    if (FShowText != bcoNone) {
        const TFont font = canvas.font();
        DrawText(canvas);
        canvas.setFont(font);
    }
    canvas.setPen(pen);
    canvas.setBrush(brush);
}

} // namespace zw
