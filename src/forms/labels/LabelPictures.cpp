#include "forms/labels/LabelPictures.h"

#include <QMouseEvent>
#include <QPainter>

#include <functional>

namespace zw {

namespace {

QFont captionFont() {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(10);
    return f;
}

} // namespace

// Cells and captions follow the printed label: the form's inputs are placed
// in the same cells (see TfrmGebindeLagerteil).
QPixmap stockPartLabelPicture() {
    QPixmap pm(595, 407);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(1, 1, 593, 405);
    p.setPen(QPen(Qt::black, 1));
    for (int y : {66, 136, 226, 286, 346})
        p.drawLine(1, y, 594, y);
    p.drawLine(380, 1, 380, 136);
    p.drawLine(508, 1, 508, 66);
    p.drawLine(210, 66, 210, 136);
    p.drawLine(294, 136, 294, 286);
    p.drawLine(424, 226, 424, 286);
    p.drawLine(420, 346, 420, 406);
    p.setFont(captionFont());
    p.setPen(QColor(80, 80, 80));
    const struct {
        int x, y;
        const char16_t* text;
    } captions[] = {{6, 4, u"Benennung"},
                    {386, 4, u"Zeichnungs-Nr."},
                    {514, 4, u"Index"},
                    {6, 70, u"Material-Nr."},
                    {216, 70, u"Menge"},
                    {6, 140, u"Barcode"},
                    {300, 140, u"EAN 13"},
                    {6, 230, u"Lagerplatz"},
                    {300, 230, u"Datum"},
                    {430, 230, u"Prüfer"},
                    {6, 290, u"Wareneingangsprüfung: geprüft nach Prüfvorschrift"},
                    {6, 350, u"Lieferantenfeld"}};
    for (const auto& c : captions)
        p.drawText(QPoint(c.x, c.y + 10), QString::fromUtf16(c.text));
    QFont logo(QStringLiteral("Liberation Sans"));
    logo.setPixelSize(30);
    logo.setBold(true);
    p.setFont(logo);
    p.setPen(QColor(200, 16, 46));
    p.drawText(QRect(424, 350, 166, 52), Qt::AlignCenter, QStringLiteral("KELB"));
    return pm;
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
