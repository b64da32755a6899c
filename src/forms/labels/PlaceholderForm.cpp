#include "forms/labels/PlaceholderForm.h"

#include <QComboBox>
#include <QLineEdit>

namespace zw {

PlaceholderForm::PlaceholderForm(Fields fields, QWidget* parent)
    : TLabelFormOf<PlaceholderLabel>(parent), m_fields(fields) {
    resize(729, 549);
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
    Loaded();
    if (!fields.inert)
        logic.DoNeu();
}

} // namespace zw
