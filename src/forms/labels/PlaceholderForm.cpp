#include "forms/labels/PlaceholderForm.h"

#include <QComboBox>
#include <QLineEdit>

namespace zw {

PlaceholderForm::PlaceholderForm(Fields fields, QWidget* parent)
    : TLabelFormOf<PlaceholderLabel>(parent), m_fields(fields) {
    int y = 16;
    if (fields.materialNumber) {
        bind(new QComboBox(this), logic.cmbMatnr)->setGeometry(16, y, 160, 24);
        y += 32;
    }
    logic.edSAPLieferantennr.setEnabled(false);
    bind(new QLineEdit(this), logic.edSAPLieferantennr)->setGeometry(16, y, 80, 22);
    if (fields.shortSupplierNumber) {
        logic.edLiefNrKurz.setEnabled(false);
        bind(new QLineEdit(this), logic.edLiefNrKurz)->setGeometry(104, y, 40, 22);
    }
    // As large as what it holds: the window sizes itself to its forms.
    resize(childrenRect().right() + 16, childrenRect().bottom() + 16);
    Loaded();
    if (!fields.inert)
        logic.DoNeu();
}

} // namespace zw
