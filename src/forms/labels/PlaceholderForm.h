#pragma once

#include "forms/labels/LabelForm.h"
#include "labels/PlaceholderLabel.h"

namespace zw {

// A label form whose label kind is not made yet: it takes part in the hosting
// (reset, material numbers, supplier numbers, language) and prints nothing.
class PlaceholderForm : public TLabelFormOf<PlaceholderLabel> {
    Q_OBJECT
public:
    struct Fields {
        bool materialNumber = true;
        bool shortSupplierNumber = true;
        // An inert form neither resets nor translates itself after creation.
        bool inert = false;
    };
    PlaceholderForm(Fields fields, QWidget* parent = nullptr);

    void DoNeu() override {
        if (!m_fields.inert)
            logic.DoNeu();
    }
    void SpracheGeaendert() override {
        if (!m_fields.inert)
            TLabelForm::SpracheGeaendert();
    }
    ComboField* materialNumberBox() override { return m_fields.materialNumber ? &logic.cmbMatnr : nullptr; }
    MaskEditField* shortSupplierNumberField() override {
        return m_fields.shortSupplierNumber ? &logic.edLiefNrKurz : nullptr;
    }

private:
    Fields m_fields;
};

} // namespace zw
