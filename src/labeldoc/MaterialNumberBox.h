#pragma once

#include "core/Artikel.h"

#include <QStringList>

namespace zw {

// The material-number combo box of a label form as the builder sees it. Item i
// is article i of the article list. The forms adapt their combo box to it, the
// command line and the tests use MemoryMaterialNumberBox. Like a combo box set
// from the program, none of these calls runs a change handler.
class MaterialNumberBox : public MaterialNumberList {
public:
    virtual int count() const = 0;
    virtual QString itemText(int index) const = 0;
    virtual int currentIndex() const = 0;
    // Selecting an item also shows its text in the edit field; -1 selects nothing.
    virtual void setCurrentIndex(int index) = 0;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
};

// A material-number box without widgets.
class MemoryMaterialNumberBox : public MaterialNumberBox {
public:
    QStringList items;
    int index = -1;
    QString editText;

    void clearAll() override {
        items.clear();
        index = -1;
        editText.clear();
    }
    void addItem(const QString& text) override { items.append(text); }
    int count() const override { return int(items.size()); }
    QString itemText(int i) const override { return items.value(i); }
    int currentIndex() const override { return index; }
    void setCurrentIndex(int i) override {
        index = (i >= 0 && i < items.size()) ? i : -1;
        editText = index >= 0 ? items.at(index) : QString();
    }
    QString text() const override { return editText; }
    // As in an editable combo box, the edit text does not change the selection.
    void setText(const QString& text) override { editText = text; }
};

} // namespace zw
