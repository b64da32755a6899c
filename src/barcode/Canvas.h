#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <array>
#include <span>

namespace zw {

// Font attributes as the barcode text uses them. `Height` follows the desktop
// font model: negative for a character height in pixels (the usual case),
// positive for a cell height, 0 for the toolkit's default size.
struct TFont {
    QString Name;
    int Height = -11;
    QColor Color = QColor(0, 0, 0);
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;

    bool operator==(const TFont&) const = default;

    // The toolkit font with these attributes.
    QFont toQFont() const;
};

struct TPen {
    QColor Color = QColor(0, 0, 0);
    int Width = 1;
    bool operator==(const TPen&) const = default;
};

enum class BrushStyle { Solid, Clear };

struct TBrush {
    QColor Color = QColor(255, 255, 255);
    BrushStyle Style = BrushStyle::Solid;
    bool operator==(const TBrush&) const = default;
};

// One element of a barcode: a four-cornered polygon drawn with pen and brush in one colour.
struct ColoredPolygon {
    std::array<QPoint, 4> corners;
    QRgb color;
};

// The drawing surface of a barcode: pixel coordinates, x to the right, y downwards.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual TFont font() const = 0;
    virtual void setFont(const TFont& font) = 0;
    virtual TPen pen() const = 0;
    virtual void setPen(const TPen& pen) = 0;
    virtual TBrush brush() const = 0;
    virtual void setBrush(const TBrush& brush) = 0;

    // Fills the polygon with the brush and outlines it with the pen; a polygon
    // covers every pixel inside it and every pixel of its outline, ends included.
    virtual void Polygon(std::span<const QPoint> points) = 0;
    // Draws the polygons in order, setting pen and brush colour to each one's
    // colour before it (they keep the last one's). A canvas may do this faster
    // than one Polygon call each, as long as the result is the same.
    virtual void Polygons(std::span<const ColoredPolygon> polygons);
    // Fills the pixels from (left, top) up to, but not including, (right, bottom) with the brush.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    // Writes text with its cell's top-left corner at (x, y) in the font's colour,
    // on the brush colour when the brush is solid.
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) = 0;
    virtual int TextHeight(const QString& text) = 0;
};

// A canvas that draws into a QImage held by the caller. It fills convex
// polygons, which is all a barcode draws.
class ImageCanvas : public Canvas {
public:
    explicit ImageCanvas(QImage& image) : m_image(image) {}

    TFont font() const override { return m_font; }
    void setFont(const TFont& font) override { m_font = font; }
    TPen pen() const override { return m_pen; }
    void setPen(const TPen& pen) override {
        m_pen = pen;
        m_penRgb = pen.Color.rgb();
    }
    TBrush brush() const override { return m_brush; }
    void setBrush(const TBrush& brush) override {
        m_brush = brush;
        m_brushRgb = brush.Color.rgb();
    }

    void Polygon(std::span<const QPoint> points) override;
    void Polygons(std::span<const ColoredPolygon> polygons) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;

private:
    void fillSpan(int y, int x0, int x1, QRgb color);
    void fillRectInclusive(const QRect& r, QRgb color);
    void drawLine(QPoint a, QPoint b, QRgb color);

    QImage& m_image;
    TFont m_font;
    TPen m_pen;
    TBrush m_brush;
    QRgb m_penRgb = m_pen.Color.rgb();
    QRgb m_brushRgb = m_brush.Color.rgb();
};

} // namespace zw
