#pragma once

#include "labels/LabelFields.h"

#include <QString>

#include <initializer_list>
#include <vector>

namespace zw {

// One choice of a template dimension: the radio button that selects it
// (nullptr: always selected) and its part of the template's name.
struct TemplateOption {
    RadioField* button = nullptr;
    QString part;
};

// The templates a form prints from, as data. Each row names one template,
// "Vorlage" + name + ".rtf", and its document, name; a row is chosen while all
// its buttons are ticked. Rows are made as combinations, e.g. label kind or
// version × copies × size.
class TemplateTable {
public:
    struct Row {
        std::vector<RadioField*> buttons;
        QString name;
    };

    // Adds a row for every combination of one option of each dimension, its
    // name joining their parts in dimension order.
    void add(std::initializer_list<std::vector<TemplateOption>> dimensions);

    const std::vector<Row>& rows() const { return m_rows; }
    // The first row whose buttons are all ticked; nullptr when none is.
    const Row* chosen() const;
    // Ticks the first row's buttons: the choice a form starts with.
    void tickFirstRow() const;

    static QString templateFile(const QString& name) {
        return QStringLiteral("Vorlage") + name + QStringLiteral(".rtf");
    }

private:
    std::vector<Row> m_rows;
};

} // namespace zw
