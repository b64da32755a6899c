#pragma once

#include "labeldoc/MaterialNumberBox.h"
#include "labels/LabelFields.h"

namespace zw {

// A label form's material-number field as the builder's article matching sees it.
class ComboMaterialNumberBox : public MaterialNumberBox {
public:
    explicit ComboMaterialNumberBox(ComboField& field) : m_field(field) {}

    void clearAll() override { m_field.clear(); }
    void addItem(const QString& text) override { m_field.setItems(m_field.items() + QStringList{text}); }
    int count() const override { return int(m_field.items().size()); }
    QString itemText(int index) const override { return m_field.items().value(index); }
    int currentIndex() const override { return m_field.itemIndex(); }
    void setCurrentIndex(int index) override { m_field.setItemIndex(index); }
    QString text() const override { return m_field.text(); }
    void setText(const QString& text) override { m_field.setText(text); }

private:
    ComboField& m_field;
};

} // namespace zw
