#include "forms/labels/PlaceholderForm.h"

#include "forms/labels/FieldBinding.h"

#include <QComboBox>
#include <QLineEdit>

namespace zw {

PlaceholderForm::PlaceholderForm(Fields fields, QWidget* parent) : TLabelForm(parent), m_fields(fields) {
    resize(729, 549);
    int y = 16;
    if (fields.materialNumber) {
        auto* cmbMatnr = new QComboBox(this);
        cmbMatnr->setObjectName(QStringLiteral("cmbMatnr"));
        cmbMatnr->setGeometry(16, y, 160, 24);
        bindField(cmbMatnr, logic.cmbMatnr);
        y += 32;
    }
    auto* edSAPLieferantennr = new QLineEdit(this);
    edSAPLieferantennr->setObjectName(QStringLiteral("edSAPLieferantennr"));
    edSAPLieferantennr->setGeometry(16, y, 80, 22);
    logic.edSAPLieferantennr.setEnabled(false);
    bindField(edSAPLieferantennr, logic.edSAPLieferantennr);
    if (fields.shortSupplierNumber) {
        auto* edLiefNrKurz = new QLineEdit(this);
        edLiefNrKurz->setObjectName(QStringLiteral("edLiefNrKurz"));
        edLiefNrKurz->setGeometry(104, y, 40, 22);
        logic.edLiefNrKurz.setEnabled(false);
        bindField(edLiefNrKurz, logic.edLiefNrKurz);
    }
    Loaded();
    if (!fields.inert)
        logic.DoNeu();
}

PlaceholderForm::~PlaceholderForm() {
    for (LabelField* f :
         std::initializer_list<LabelField*>{&logic.cmbMatnr, &logic.edSAPLieferantennr, &logic.edLiefNrKurz})
        unbindField(*f);
}

} // namespace zw
