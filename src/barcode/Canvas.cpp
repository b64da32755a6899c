#include "barcode/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QVarLengthArray>

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace zw {

void Canvas::Polygons(std::span<const ColoredPolygon> polygons) {
    TPen pen = this->pen();
    TBrush brush = this->brush();
    for (const ColoredPolygon& p : polygons) {
        pen.Color = brush.Color = QColor::fromRgb(p.color);
        setPen(pen);
        setBrush(brush);
        Polygon(p.corners);
    }
}

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

// The corners of an axis-parallel rectangle, as a barcode at a multiple of 90
// degrees draws every element.
bool axisParallelRect(std::span<const QPoint> p, QRect& rect) {
    if (p.size() != 4)
        return false;
    const bool verticalFirst =
        p[0].x() == p[1].x() && p[1].y() == p[2].y() && p[2].x() == p[3].x() && p[3].y() == p[0].y();
    const bool horizontalFirst =
        p[0].y() == p[1].y() && p[1].x() == p[2].x() && p[2].y() == p[3].y() && p[3].x() == p[0].x();
    if (!verticalFirst && !horizontalFirst)
        return false;
    rect.setCoords(std::min(p[0].x(), p[2].x()), std::min(p[0].y(), p[2].y()), std::max(p[0].x(), p[2].x()),
                   std::max(p[0].y(), p[2].y()));
    return true;
}

void ImageCanvas::fillRectInclusive(const QRect& r, QRgb color) {
    const int left = std::max(r.left(), 0);
    const int right = std::min(r.right(), m_image.width() - 1);
    const int top = std::max(r.top(), 0);
    const int bottom = std::min(r.bottom(), m_image.height() - 1);
    if (left > right || top > bottom)
        return;
    if (!directPixels(m_image)) {
        for (int y = top; y <= bottom; ++y)
            fillSpan(y, left, right, color);
        return;
    }
    const qsizetype stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb* line = reinterpret_cast<QRgb*>(m_image.bits()) + top * stride + left;
    QRgb* const end = line + (bottom - top + 1) * stride;
    const int width = right - left + 1;
    // Barcode elements are tall and one to four pixels wide.
    switch (width) {
    case 1:
        for (; line != end; line += stride)
            line[0] = color;
        break;
    case 2:
        for (; line != end; line += stride)
            line[0] = line[1] = color;
        break;
    default:
        for (; line != end; line += stride)
            std::fill(line, line + width, color);
        break;
    }
}

void ImageCanvas::Polygon(std::span<const QPoint> points) {
    if (points.empty())
        return;
    QRect rect;
    const bool solid = m_brush.Style == BrushStyle::Solid;
    if (m_pen.Width <= 1 && axisParallelRect(points, rect)) {
        if (solid)
            fillRectInclusive(rect, m_brushRgb);
        // The outline lies on the rectangle's own border pixels.
        if (!solid || m_penRgb != m_brushRgb) {
            const QRgb outline = m_penRgb;
            fillRectInclusive(QRect(rect.topLeft(), QPoint(rect.right(), rect.top())), outline);
            fillRectInclusive(QRect(QPoint(rect.left(), rect.bottom()), rect.bottomRight()), outline);
            fillRectInclusive(QRect(rect.topLeft(), QPoint(rect.left(), rect.bottom())), outline);
            fillRectInclusive(QRect(QPoint(rect.right(), rect.top()), rect.bottomRight()), outline);
        }
        return;
    }
    if (solid) {
        const QRgb fill = m_brushRgb;
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
    const QRgb outline = m_penRgb;
    for (size_t i = 0; i < points.size(); ++i)
        drawLine(points[i], points[(i + 1) % points.size()], outline);
}

void ImageCanvas::Polygons(std::span<const ColoredPolygon> polygons) {
    // Barcodes at a multiple of 90 degrees are rows of solid rectangles. Rows
    // crossed by the same rectangles look alike in their columns: each band of
    // such rows is drawn once and copied.
    const bool solid = m_brush.Style == BrushStyle::Solid && m_pen.Width <= 1;
    if (!solid || !directPixels(m_image)) {
        Canvas::Polygons(polygons);
        return;
    }
    struct Box {
        int left, top, right, bottom; // inclusive, clipped to the picture
        QRgb color;
    };
    const int width = m_image.width();
    const int height = m_image.height();
    QVarLengthArray<Box, 128> boxes;
    QVarLengthArray<int, 16> bounds; // the first and the past-the-end row of every box
    int lastTop = -1;
    int lastEnd = -1;
    for (const ColoredPolygon& p : polygons) {
        const std::array<QPoint, 4>& c = p.corners;
        // Corners 0 and 2 are opposite; the other two must share their lines.
        const bool parallel =
            (c[0].x() == c[1].x() && c[1].y() == c[2].y() && c[2].x() == c[3].x() && c[3].y() == c[0].y()) ||
            (c[0].y() == c[1].y() && c[1].x() == c[2].x() && c[2].y() == c[3].y() && c[3].x() == c[0].x());
        if (!parallel) {
            Canvas::Polygons(polygons);
            return;
        }
        const Box b{std::max(std::min(c[0].x(), c[2].x()), 0), std::max(std::min(c[0].y(), c[2].y()), 0),
                    std::min(std::max(c[0].x(), c[2].x()), width - 1),
                    std::min(std::max(c[0].y(), c[2].y()), height - 1), p.color};
        if (b.left > b.right || b.top > b.bottom)
            continue;
        boxes.append(b);
        // Neighbouring elements mostly share their rows: test the last ones seen first.
        if (b.top != lastTop || b.bottom + 1 != lastEnd) {
            for (int y : {b.top, b.bottom + 1})
                if (!bounds.contains(y))
                    bounds.append(y);
            lastTop = b.top;
            lastEnd = b.bottom + 1;
        }
    }
    std::sort(bounds.begin(), bounds.end());
    uchar* bits = m_image.bits();
    const qsizetype stride = m_image.bytesPerLine() / qsizetype(sizeof(QRgb));
    QVarLengthArray<std::pair<int, int>, 128> runs;
    for (qsizetype k = 0; k + 1 < bounds.size(); ++k) {
        const int first = bounds[k];
        const int last = bounds[k + 1] - 1;
        QRgb* firstLine = reinterpret_cast<QRgb*>(bits) + first * stride;
        runs.clear();
        bool ascending = true;
        for (const Box& b : boxes) {
            if ((b.top > first) | (b.bottom < last))
                continue;
            for (QRgb *p = firstLine + b.left, *end = firstLine + b.right + 1; p != end; ++p)
                *p = b.color;
            // Merge the painted columns into runs while they come left to right.
            if (!runs.isEmpty() && ascending && b.left >= runs.back().first && b.left <= runs.back().second + 1)
                runs.back().second = std::max(runs.back().second, b.right);
            else {
                ascending = ascending && (runs.isEmpty() || b.left > runs.back().second);
                runs.append({b.left, b.right});
            }
        }
        if (!ascending) {
            // Right to left (turned by 180 degrees) or mixed: sort and merge.
            std::sort(runs.begin(), runs.end());
            qsizetype n = 0;
            for (const auto& c : runs) {
                if (n > 0 && c.first <= runs[n - 1].second + 1)
                    runs[n - 1].second = std::max(runs[n - 1].second, c.second);
                else
                    runs[n++] = c;
            }
            runs.resize(n);
        }
        for (int y = first + 1; y <= last; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(bits) + y * stride;
            for (const auto& run : runs) {
                // Guard bars are single columns: a call to memmove would cost more than the copy.
                if (run.second - run.first < 8) {
                    for (int x = run.first; x <= run.second; ++x)
                        line[x] = firstLine[x];
                } else {
                    std::copy(firstLine + run.first, firstLine + run.second + 1, line + run.first);
                }
            }
        }
    }
    if (!polygons.empty()) {
        m_pen.Color = m_brush.Color = QColor::fromRgb(polygons.back().color);
        m_penRgb = m_brushRgb = polygons.back().color;
    }
}

void ImageCanvas::FillRect(int left, int top, int right, int bottom) {
    const QRgb fill = m_brushRgb;
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
