#include "forms/labels/LabelPictures.h"

#include "base/AppError.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <functional>

namespace zw {

namespace {

constexpr double MmPerPoint = 25.4 / 72;
// Printed text smaller than this is drawn at this size, so that it stays
// legible on screen; inputs show their values at least this large.
constexpr int LegibleText = 9;
constexpr int LegibleInput = 11;
// Between the inputs that share one value.
constexpr int FieldGap = 4;

const LayoutRun* valueRun(const LayoutParagraph& p) {
    for (const LayoutRun& r : p.runs)
        if (r.kind == LayoutRun::Kind::Value)
            return &r;
    return nullptr;
}

bool hasText(const LayoutParagraph& p) {
    return std::any_of(p.runs.begin(), p.runs.end(),
                       [](const LayoutRun& r) { return r.kind == LayoutRun::Kind::Text; });
}

} // namespace

LabelPicture::LabelPicture(const LabelLayout& layout, double pixelsPerMm) : m_layout(layout), m_scale(pixelsPerMm) {}

QSize LabelPicture::size() const {
    // One pixel more, so that the frame's right and bottom lines show.
    return {int(std::ceil(m_layout.innerWidth() * m_scale)) + 1,
            int(std::ceil(m_layout.contentHeight() * m_scale)) + 1};
}

QRectF LabelPicture::toPixels(const QRectF& mm) const {
    return {(mm.left() - m_layout.margin) * m_scale, (mm.top() - m_layout.margin) * m_scale, mm.width() * m_scale,
            mm.height() * m_scale};
}

QFont LabelPicture::font(double pt, bool bold, int minimumPixels) const {
    // Arial on the label; Liberation Sans has its metrics.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(minimumPixels, int(std::lround(pt * MmPerPoint * m_scale))));
    f.setBold(bold);
    return f;
}

QPixmap LabelPicture::draw() const {
    QPixmap pm(size());
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const LayoutCellSpot& c : m_layout.cells()) {
        const QRectF r = toPixels(c.rect);
        if (c.cell->black)
            p.fillRect(r, Qt::black);
        p.setPen(QPen(Qt::black, 1));
        const QString& sides = c.cell->borders;
        if (sides.contains(QLatin1Char('t')))
            p.drawLine(r.topLeft(), r.topRight());
        if (sides.contains(QLatin1Char('b')))
            p.drawLine(r.bottomLeft(), r.bottomRight());
        if (sides.contains(QLatin1Char('l')))
            p.drawLine(r.topLeft(), r.bottomLeft());
        if (sides.contains(QLatin1Char('r')))
            p.drawLine(r.topRight(), r.bottomRight());
    }
    if (m_layout.frame) {
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(QRectF(QPointF(1, 1), QSizeF(size()) - QSizeF(2, 2)));
    }

    // The printed texts; a value's room stays empty, the input stands there.
    for (const LayoutSpot& s : m_layout.spots()) {
        const LayoutParagraph& para = *s.paragraph;
        if (!hasText(para))
            continue;
        const QRectF room = toPixels(s.valueRect);
        const double lineHeight = para.lineHeightMm() * m_scale;
        double width = 0;
        for (const LayoutRun& r : para.runs)
            width += QFontMetricsF(font(r.pt > 0 ? r.pt : para.pt, r.bold || para.bold, LegibleText))
                         .horizontalAdvance(r.kind == LayoutRun::Kind::Text ? r.text : para.widestValue());
        double x = room.left();
        if (para.align == LayoutParagraph::Align::Centre)
            x += (room.width() - width) / 2;
        else if (para.align == LayoutParagraph::Align::Right)
            x += room.width() - width;
        for (const LayoutRun& r : para.runs) {
            const QFont f = font(r.pt > 0 ? r.pt : para.pt, r.bold || para.bold, LegibleText);
            const QFontMetricsF m(f);
            if (r.kind == LayoutRun::Kind::Value) {
                x += m.horizontalAdvance(para.widestValue());
                continue;
            }
            p.setFont(f);
            p.setPen(r.white ? Qt::white : QColor(60, 60, 60));
            // Centred on the first line, as the word processor sets it.
            p.drawText(QPointF(x, room.top() + (lineHeight + m.ascent() - m.descent()) / 2), r.text);
            x += m.horizontalAdvance(r.text);
        }
    }
    return pm;
}

QRect LabelPicture::cellRect(const QString& field) const {
    const LayoutSpot s = m_layout.spotOfField(field);
    return s.paragraph ? toPixels(s.cell).toRect() : QRect();
}

QFont LabelPicture::valueFont(const QString& field) const {
    const LayoutSpot s = m_layout.spotOfField(field);
    if (!s.paragraph)
        return font(8, false, LegibleInput);
    const LayoutRun* r = valueRun(*s.paragraph);
    return font(r && r->pt > 0 ? r->pt : s.paragraph->pt, (r && r->bold) || s.paragraph->bold, LegibleInput);
}

QRect LabelPicture::valueRect(const QString& field) const {
    const LayoutSpot s = m_layout.spotOfField(field);
    if (!s.paragraph)
        return {};
    const LayoutParagraph& para = *s.paragraph;
    QRectF room = toPixels(s.valueRect);
    // Text printed before the value ("Mat.-Nr. ") keeps its place.
    for (const LayoutRun& r : para.runs) {
        if (r.kind == LayoutRun::Kind::Value)
            break;
        room.setLeft(room.left() +
                     QFontMetricsF(font(r.pt > 0 ? r.pt : para.pt, r.bold || para.bold, 0)).horizontalAdvance(r.text));
    }
    const qsizetype n = para.fields.size();
    if (n < 2)
        return room.toRect();
    // Several inputs make one value: each stands over its part of the widest
    // sample, the last up to the room's end, or they share the room evenly.
    std::vector<double> starts;
    const QStringList parts = para.widest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() == n) {
        const QFontMetricsF m(font(para.pt, para.bold, 0));
        qsizetype from = 0;
        for (const QString& part : parts) {
            from = para.widest.indexOf(part, from);
            starts.push_back(m.horizontalAdvance(para.widest.left(from)));
            from += part.size();
        }
    } else {
        for (qsizetype k = 0; k < n; ++k)
            starts.push_back(room.width() * double(k) / double(n));
    }
    const auto i = size_t(para.fields.indexOf(field));
    const double left = room.left() + starts[i];
    const double right = i + 1 < size_t(n) ? room.left() + starts[i + 1] - FieldGap : room.right();
    return QRectF(left, room.top(), right - left, room.height()).toRect();
}

void LabelPicture::place(QWidget* widget, QPoint origin, Fit fit) const {
    const QString field = widget->objectName();
    const QRect room = valueRect(field);
    if (room.isEmpty())
        throw AppError(QStringLiteral("The label layout %1 has no place for %2").arg(m_layout.id, field));
    QRect r;
    switch (fit) {
    case Fit::Fill: {
        widget->setFont(valueFont(field));
        const QRect cell = cellRect(field);
        const int height = std::max(room.height(), widget->sizeHint().height());
        // A tall input keeps inside its cell.
        const int top = std::max(cell.top() + 1, std::min(room.top(), cell.bottom() - 1 - height));
        r = QRect(room.left(), top, room.width(), height);
        break;
    }
    case Fit::Centre: {
        const QSize own = widget->sizeHint();
        r = QRect(room.center() - QPoint(own.width() / 2, own.height() / 2), own);
        break;
    }
    case Fit::TopLeft:
        // The picture may come later, and may be smaller than its room.
        r = room;
        if (auto* label = qobject_cast<QLabel*>(widget))
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    }
    widget->setGeometry(r.translated(origin));
}

namespace {

// A symbol: `text` in bold, centred on a background, after `drawBackground`.
QPixmap symbol(QSize size, const QColor& background, int pixelSize, const QColor& ink, const QString& text,
               const std::function<void(QPainter&)>& drawBackground = {}) {
    QPixmap pm(size);
    pm.fill(background);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (drawBackground)
        drawBackground(p);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink);
    p.drawText(pm.rect(), Qt::AlignCenter, text);
    return pm;
}

} // namespace

QPixmap inspection100Picture() {
    return symbol({56, 24}, Qt::white, 18, Qt::black, QStringLiteral("100%"));
}

QPixmap safetySymbolPicture() {
    return symbol({40, 40}, Qt::white, 24, Qt::black, QStringLiteral("S"), [](QPainter& p) {
        p.setPen(QPen(Qt::black, 3));
        p.drawEllipse(QRectF(2.5, 2.5, 35, 35));
    });
}

QPixmap helpSymbolPicture() {
    return symbol({22, 22}, Qt::transparent, 15, Qt::white, QStringLiteral("?"), [](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 90, 200));
        p.drawEllipse(QRectF(1, 1, 20, 20));
    });
}

QIcon printerGlyph() {
    QIcon themed = QIcon::fromTheme(QStringLiteral("document-print"));
    if (!themed.isNull())
        return themed;
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5); // paper going in
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(1, 6, 13, 6); // body
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 5); // paper coming out
    return QIcon(pm);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* e) {
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace zw
