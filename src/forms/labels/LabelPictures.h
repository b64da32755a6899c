#pragma once

#include "labels/LabelLayout.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace zw {

// The picture of a printed label on which a form's inputs sit, drawn from the
// label's layout description (the one its templates are written from): cells,
// lines, the maker's mark and every printed caption and text, at
// `pixelsPerMm`. Values are left out: the inputs stand where they print.
class LabelPicture {
public:
    LabelPicture(const LabelLayout& layout, double pixelsPerMm);

    QPixmap draw() const;
    QSize size() const;

    // How an input fills the room of its value.
    enum class Fit {
        Fill,    // an edit: the room's width, its own height from the room's top
        Centre,  // a symbol: its own size, centred
        TopLeft, // a barcode picture: the room made for it, from its top left corner
    };
    // Places `widget` over the value of the field it is named after, the
    // picture standing at `origin` in the widget's parent. The fields one value
    // is made of stand over their parts of its widest sample ("1250000 Stk").
    void place(QWidget* widget, QPoint origin, Fit fit = Fit::Fill) const;
    // The room of `field`'s value in the picture's pixels (empty when the
    // description names no such field), and the font it prints in.
    QRect valueRect(const QString& field) const;
    QFont valueFont(const QString& field) const;
    // The cell that holds it.
    QRect cellRect(const QString& field) const;

private:
    QRectF toPixels(const QRectF& mm) const;
    QFont font(double pt, bool bold, int minimumPixels) const;

    const LabelLayout& m_layout;
    double m_scale;
};
// The symbols shown on the forms.
QPixmap inspection100Picture(); // the text "100%"
QPixmap safetySymbolPicture();  // a circled "S"
QPixmap helpSymbolPicture();    // a blue circle with a question mark
// The print button's glyph: the desktop's printer icon, else a drawn printer.
QIcon printerGlyph();

// A picture that reacts to a click, as a help symbol does.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

} // namespace zw
