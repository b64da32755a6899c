#pragma once

// What the label forms expect of each template: its placeholders, its size and
// how many labels a sheet holds. The sample values are the longest the forms let
// through, so a box too small for its value shows up as text missing from the
// rendered page.

#include <QString>
#include <QStringList>

#include <vector>

namespace zw::test {

enum class Picture { None, Row, Ean, RowTurned, EanTurned, Symbol };

struct Placeholder {
    int number;
    QString value; // text value, or empty for a picture
    Picture picture = Picture::None;
};

struct LabelKind {
    QString name; // "Lagerteil", ...
    std::vector<Placeholder> placeholders;
    QStringList staticTexts; // printed on every label of the kind
};

struct TemplateCase {
    QString file;
    const LabelKind* kind;
    int columns;
    int rows;
    double paperWidthMm;
    double paperHeightMm;
    int copies() const { return columns * rows; }
};

// The barcodes the sample pictures carry.
inline const QString kSampleRow = QStringLiteral("123456710830212345");
inline const QString kSampleEan = QStringLiteral("4012345678901");

const std::vector<TemplateCase>& labelTemplates();

} // namespace zw::test
