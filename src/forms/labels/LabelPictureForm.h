#pragma once

#include "forms/labels/LabelForm.h"
#include "forms/labels/LabelPictures.h"

#include <initializer_list>
#include <memory>

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zw {

class LabelLogic;

// A label form on the picture of its printed label: the inputs stand on the
// picture where their values print; what the label does not print stands in a
// column to its right, the copies and the buttons at its foot.
class TLabelPictureForm : public TLabelForm {
    Q_OBJECT
public:
    using TLabelForm::TLabelForm;

    QGroupBox* GroupBox2;
    QRadioButton* cb1fach;
    QRadioButton* cb4fach;
    QPushButton* btnDruck;
    QPushButton* btnNeu;

protected:
    static constexpr int ColumnWidth = 230;

    // Draws the label of layout `kind` into a picture control named
    // `pictureName`, which it returns.
    QLabel* drawLabel(const QString& kind, const char* pictureName);
    const LabelPicture& picture() const { return *m_picture; }
    // Places an input over the value it prints.
    template <class W> W* onLabel(W* w, LabelPicture::Fit fit = LabelPicture::Fit::Fill) {
        m_picture->place(w, m_origin, fit);
        return w;
    }
    // The column beside the picture: its left edge, the picture's top and bottom.
    int columnX() const;
    int top() const { return m_origin.y(); }
    int bottom() const;
    // The copies and the buttons at the column's foot, wired to `l`; the form
    // takes its final size.
    void buildPrintControls(LabelLogic& l);
    // The date picker of the inspection date, showing dd.mm.yyyy.
    QDateEdit* newDateEdit();
    static void setKeyboardOrder(std::initializer_list<QWidget*> order);

private:
    std::unique_ptr<LabelPicture> m_picture;
    QPoint m_origin;
};

} // namespace zw
