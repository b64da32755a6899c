#pragma once

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace zw {

// The picture of a printed stock-part label on which the form's inputs sit.
QPixmap stockPartLabelPicture();
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
