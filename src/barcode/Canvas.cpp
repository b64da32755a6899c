#include "barcode/Canvas.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace zw {

QFont TFont::toQFont() const {
    QFont f;
    if (!Name.isEmpty())
        f.setFamily(Name);
    if (Height < 0) {
        f.setPixelSize(-Height);
    } else if (Height > 0) {
        // A positive height is the whole cell, internal leading included.
        f.setPixelSize(Height);
        const int cell = QFontMetrics(f).height();
        if (cell > Height)
            f.setPixelSize(std::max(1, Height * Height / cell));
    }
    f.setBold(Bold);
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setStrikeOut(StrikeOut);
    return f;
}

namespace {

qint64 floorDiv(qint64 num, qint64 den) {
    qint64 q = num / den;
    if ((num % den != 0) && ((num < 0) != (den < 0)))
        --q;
    return q;
}

qint64 ceilDiv(qint64 num, qint64 den) {
    return -floorDiv(-num, den);
}

bool directPixels(const QImage& image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return true;
    default:
        return false;
    }
}

} // namespace

void ImageCanvas::fillSpan(int y, int x0, int x1, QRgb color) {
    if (y < 0 || y >= m_image.height())
        return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, m_image.width() - 1);
    if (x0 > x1)
        return;
    if (directPixels(m_image)) {
        QRgb* line = reinterpret_cast<QRgb*>(m_image.scanLine(y));
        std::fill(line + x0, line + x1 + 1, color);
    } else {
        for (int x = x0; x <= x1; ++x)
            m_image.setPixel(x, y, color);
    }
}

void ImageCanvas::drawLine(QPoint a, QPoint b, QRgb color) {
    // Bresenham: every pixel nearest to the line, both ends included.
    const int half = (std::max(m_pen.Width, 1) - 1) / 2;
    const int extent = std::max(m_pen.Width, 1) - 1;
    auto plot = [&](int x, int y) {
        for (int dy = 0; dy <= extent; ++dy)
            fillSpan(y - half + dy, x - half, x - half + extent, color);
    };
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), sx = x < b.x() ? 1 : -1;
    const int dy = -std::abs(b.y() - y), sy = y < b.y() ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        plot(x, y);
        if (x == b.x() && y == b.y())
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void ImageCanvas::Polygon(std::span<const QPoint> points) {
    if (points.empty())
        return;
    if (m_brush.Style == BrushStyle::Solid) {
        const QRgb fill = m_brush.Color.rgb();
        auto [lowest, highest] =
            std::minmax_element(points.begin(), points.end(), [](QPoint p, QPoint q) { return p.y() < q.y(); });
        const int yFirst = std::max(lowest->y(), 0);
        const int yLast = std::min(highest->y(), m_image.height() - 1);
        // The polygons are convex, so each row meets them in one span: from the
        // leftmost to the rightmost crossing of an edge, boundary included.
        for (int y = yFirst; y <= yLast; ++y) {
            qint64 left = std::numeric_limits<qint64>::max();
            qint64 right = std::numeric_limits<qint64>::min();
            for (size_t i = 0; i < points.size(); ++i) {
                const QPoint p = points[i];
                const QPoint q = points[(i + 1) % points.size()];
                if (y < std::min(p.y(), q.y()) || y > std::max(p.y(), q.y()))
                    continue;
                if (p.y() == q.y()) {
                    left = std::min<qint64>({left, p.x(), q.x()});
                    right = std::max<qint64>({right, p.x(), q.x()});
                    continue;
                }
                const qint64 num = qint64(p.x()) * (q.y() - p.y()) + qint64(y - p.y()) * (q.x() - p.x());
                const qint64 den = q.y() - p.y();
                left = std::min(left, den > 0 ? ceilDiv(num, den) : ceilDiv(-num, -den));
                right = std::max(right, den > 0 ? floorDiv(num, den) : floorDiv(-num, -den));
            }
            if (left <= right)
                fillSpan(y, int(std::max<qint64>(left, -1)), int(std::min<qint64>(right, m_image.width())), fill);
        }
    }
    const QRgb outline = m_pen.Color.rgb();
    for (size_t i = 0; i < points.size(); ++i)
        drawLine(points[i], points[(i + 1) % points.size()], outline);
}

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
    const QRgb fill = m_brush.Color.rgb();
    for (int y = top; y < bottom; ++y)
        fillSpan(y, left, right - 1, fill);
}

void ImageCanvas::TextOut(int x, int y, const QString& text) {
    const QFont f = m_font.toQFont();
    const QFontMetrics metrics(f);
    if (m_brush.Style == BrushStyle::Solid)
        FillRect(x, y, x + metrics.horizontalAdvance(text), y + metrics.height());
    QPainter painter(&m_image);
    painter.setFont(f);
    painter.setPen(m_font.Color);
    painter.drawText(QPoint(x, y + metrics.ascent()), text);
}

int ImageCanvas::TextWidth(const QString& text) {
    return QFontMetrics(m_font.toQFont()).horizontalAdvance(text);
}

int ImageCanvas::TextHeight(const QString&) {
    return QFontMetrics(m_font.toQFont()).height();
}

} // namespace zw
