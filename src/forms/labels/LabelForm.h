#pragma once

#include "labels/LabelFields.h"
#include "texts/KelbUebersetzen.h"

#include <QWidget>

namespace zw {

// The Qt side shared by the label forms: what the main window calls on every
// form, and the language switch.
//
// A label form is made of two classes (TfrmGebindeLagerteil / StockPartLabel
// show the whole pattern):
//  - a widget-free logic class derived from LabelLogic (src/labels), holding one
//    field per control (LabelFields.h) named as the control, the handlers bound
//    to the fields' OnChange/OnClick in its constructor, DoNeu and the print
//    (checks through failCheck, values through produceDocument). The command
//    line drives this class alone.
//  - the Qt form derived from TLabelForm: it creates the widgets with their
//    tags (setTag), binds each widget to its field (bindField), connects the
//    buttons to the logic's handlers through runHandler, calls Loaded() and
//    then the logic's FormCreate. Its destructor unbinds the fields.
class TLabelForm : public TKelbUebersetzen<QWidget> {
    Q_OBJECT
public:
    explicit TLabelForm(QWidget* parent = nullptr);

    // Reset for a new label.
    virtual void DoNeu() = 0;
    // Loads the language of the data module and translates the form again.
    virtual void SpracheGeaendert();

    // The material-number box (nullptr for a form without one).
    virtual ComboField* materialNumberBox() { return nullptr; }
    // The supplier-number fields that the main window fills (nullptr where a
    // form has none).
    virtual MaskEditField* supplierNumberField() { return nullptr; }
    virtual MaskEditField* shortSupplierNumberField() { return nullptr; }
};

} // namespace zw
