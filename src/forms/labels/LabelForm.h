#pragma once

#include "forms/labels/logic/LabelFields.h"
#include "texts/KelbUebersetzen.h"

#include <QWidget>

namespace zw {

// The Qt side shared by the label forms: what the main window calls on every
// form, and the language switch. Each form builds its widgets, binds them to
// the fields of its label logic (FieldBinding.h) and calls Loaded().
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
