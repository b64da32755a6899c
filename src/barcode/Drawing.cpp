// Size, rotation and drawing of the bar pattern and the human-readable text.

#include "barcode/Barcode.h"
#include "barcode/BarcodeRules.h"

#include <array>
#include <cmath>
#include <numbers>

namespace zw {

namespace {

using barcode::roundHalfEven;

int patternWidth(const TBarcode& bc, const QString& pattern) {
    int sum = 0;
    for (QChar letter : pattern)
        sum += bc.GetElementProps(letter).width;
    return sum;
}

} // namespace

double TBarcode::angleInRadians() const {
    return FAngle / 180.0 * std::numbers::pi;
}

int TBarcode::Width() {
    return patternWidth(*this, BuildBarPattern());
}

void TBarcode::setWidth(int value) {
    const int sum = Width();
    if (sum > 0)
        setModul(FModul * value / sum);
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

QPoint TBarcode::RotatePoint(QPoint p, double a) {
    const double s = std::sin(a);
    const double c = std::cos(a);
    return QPoint(roundHalfEven(p.x() * c + p.y() * s), roundHalfEven(-p.x() * s + p.y() * c));
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
    TPen pen = canvas.pen();
    pen.Width = 1;
    canvas.setPen(pen);
    TBrush brush = canvas.brush();
    int x = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const TBarElement e = GetElementProps(pattern[i]);
        const QColor color = e.kind == bekSpace ? FColor : FColorBar;
        pen.Color = color;
        brush.Color = color;
        canvas.setPen(pen);
        canvas.setBrush(brush);
        int h = e.kind == bekShortBar ? FHeight * 2 / 5 : FHeight;
        // EAN-13's digit elements stop at 20 pixels so that the guard bars
        // (positions 1, 3, 29, 31, 57 and 59) reach below them.
        if (FTyp == bcCodeEAN13) {
            const qsizetype pos = i + 1;
            if (pos != 1 && pos != 3 && pos != 29 && pos != 31 && pos != 57 && pos != 59)
                h = 20;
        }
        const std::array<QPoint, 4> corners = {
            origin + RotatePoint(QPoint(x, 0), a),
            origin + RotatePoint(QPoint(x, h), a),
            origin + RotatePoint(QPoint(x + e.width - 1, h), a),
            origin + RotatePoint(QPoint(x + e.width - 1, 0), a),
        };
        canvas.Polygon(corners);
        x += e.width;
    }
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
    const TFont font = canvas.font();
    const TPen pen = canvas.pen();
    const TBrush brush = canvas.brush();
    DrawBars(pattern, canvas);
    if (FShowText != bcoNone)
        DrawText(canvas);
    canvas.setFont(font);
    canvas.setPen(pen);
    canvas.setBrush(brush);
}

} // namespace zw
