#include "forms/labels/LabelForm.h"

#include "core/DataModule.h"
#include "texts/UebText.h"

namespace zw {

TLabelForm::TLabelForm(QWidget* parent) : TKelbUebersetzen<QWidget>(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TLabelForm::SpracheGeaendert() {
    LadeSprache(DataModule1->Sprache);
    UebersetzteDialogNeu();
}

} // namespace zw
