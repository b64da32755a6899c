#pragma once

// What the label forms expect of each template: the placeholders their kind
// fills, the paper and how many labels a sheet holds. These are the forms'
// contract, kept apart from the layout descriptions the templates are written
// from, so that a description cannot quietly change it.

#include "labels/LabelLayout.h"

#include <QString>

#include <vector>

namespace zw::test {

struct TemplateCase {
    QString file;
    std::vector<int> placeholders;
    int columns;
    int rows;
    double paperWidthMm;
    double paperHeightMm;
    int copies() const { return columns * rows; }
    // The description the template is written from, and its sheet.
    const LabelLayout& layout() const;
    const LayoutSheet& sheet() const;
};

// The barcodes the sample pictures carry.
inline const QString kSampleRow = QStringLiteral("123456710830212345");
inline const QString kSampleEan = QStringLiteral("4012345678901");

const std::vector<TemplateCase>& labelTemplates();

} // namespace zw::test
