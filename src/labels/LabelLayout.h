#pragma once

#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

namespace zw {

// The layout of a printed label, read from its kind's description
// (src/labels/layouts/*.json, compiled in as a Qt resource). The templates
// (resources/Vorlage*.rtf) are written from it, and a label form draws its
// picture of the label and places its inputs from it, so the two cannot drift.
//
// A label is a table of rows; each row's cells fill the label's inner width.
// A cell holds paragraphs: static text, the value of a placeholder ("@" and
// two digits), or a picture placeholder. Lengths are millimetres, font sizes
// points. Every text paragraph has an exact line height, so where a value
// stands is known without a word processor.

// One piece of a paragraph.
struct LayoutRun {
    enum class Kind { Text, Value };
    Kind kind = Kind::Text;
    QString text;  // Kind::Text
    int value = 0; // Kind::Value: the placeholder's number
    double pt = 0; // 0: the paragraph's size
    bool bold = false;
    bool white = false; // on a black cell
};

struct LayoutParagraph {
    enum class Align { Left, Centre, Right };
    enum class Picture { None, Row, Ean, Symbol }; // what a picture placeholder shows

    std::vector<LayoutRun> runs;
    // A picture placeholder's paragraph has no runs.
    int picture = 0;
    Picture shows = Picture::None;
    bool turned = false; // the picture stands turned by -90 degrees

    double pt = 8;
    bool bold = false;
    Align align = Align::Left;
    double li = 0.8, ri = 0.8, sb = 0, sa = 0;
    double line = 0; // exact line height in points (text paragraphs)
    int wrap = 1;    // lines the value may take
    bool caption = false;

    // The longest value the field allows, in characters; the widest value is
    // as many "W"s, unless `widest` gives it (a date, a digit row, a unit).
    int maxLength = 0;
    QString widest;
    int valueLines = 1; // a value of several lines (the type plate's memo)
    // The form's controls that show the value, left to right.
    QStringList fields;

    // The placeholder this paragraph fills (its picture or its value run), or 0.
    int placeholder() const;
    // The widest value of the placeholder, lines joined by CR LF.
    QString widestValue() const;
    // The height the paragraph takes in a cell.
    double height() const;
    double lineHeightMm() const { return line * 25.4 / 72; }
    // The room a picture takes: twips for the template, millimetres here.
    QSizeF pictureSize() const;
};

struct LayoutCell {
    enum class Merge { None, First, Continued }; // vertical merge with the rows below
    enum class VAlign { Top, Centre, Bottom };

    double width = 0;
    std::vector<LayoutParagraph> paragraphs;
    QString borders = QStringLiteral("tlbr");
    VAlign valign = VAlign::Top;
    bool black = false;
    Merge merge = Merge::None;
};

struct LayoutRow {
    double height = 0;
    std::vector<LayoutCell> cells;
};

// A template: the label once on its own paper, or repeated in a centred grid.
struct LayoutSheet {
    QString file;
    QString title;
    double paperWidth = 0;
    double paperHeight = 0;
    int columns = 1;
    int rows = 1;
    double gapX = 0;
    double gapY = 0;
    int copies() const { return columns * rows; }
};

// Where a cell stands on the label (a merged cell over all its rows).
struct LayoutCellSpot {
    const LayoutCell* cell;
    QRectF rect;
};

// Where a paragraph stands on the label.
struct LayoutSpot {
    const LayoutParagraph* paragraph;
    QRectF cell;      // the whole cell (merged cells: over all their rows)
    QRectF rect;      // the paragraph within it
    QRectF valueRect; // the lines its value may take, between the indents
};

class LabelLayout {
public:
    QString kind; // the label kind, as the template names have it ("Lagerteil")
    QString id;   // unique among all layouts ("Einzelteil_klein")
    double width = 0;
    double height = 0;
    double margin = 0;
    bool frame = true; // a heavier line around the label
    std::vector<LayoutRow> rows;
    std::vector<LayoutSheet> sheets;

    double innerWidth() const { return width - 2 * margin; }
    double contentHeight() const;
    // Every cell but the continued parts of merged ones, relative to the
    // label's top left corner (margin included), row by row.
    std::vector<LayoutCellSpot> cells() const;
    // Every paragraph with its place, relative to the label's top left corner
    // (margin included), row by row.
    std::vector<LayoutSpot> spots() const;
    // The spot of the paragraph that fills `placeholder`; its paragraph is nullptr when none does.
    LayoutSpot spotOfPlaceholder(int placeholder) const;
    // The spot whose paragraph names `field` among its fields.
    LayoutSpot spotOfField(const QString& field) const;
    // Every placeholder the label fills, ascending.
    std::vector<int> placeholders() const;
    // The top left corner of the label in column `column`, row `row` of `sheet`.
    QPointF origin(const LayoutSheet& sheet, int column, int row) const;
};

// Reads one description file; raises AppError naming `source` and what is wrong.
std::vector<LabelLayout> readLabelLayouts(const QByteArray& json, const QString& source);

// Every layout of every kind, from the descriptions compiled into the program.
const std::vector<LabelLayout>& labelLayouts();
// The layout with `id`; raises AppError when there is none.
const LabelLayout& labelLayout(const QString& id);

// The RTF template of `layout` on `sheet`: plain, 7-bit, each placeholder
// unbroken in a group of its own.
QByteArray templateRtf(const LabelLayout& layout, const LayoutSheet& sheet);

} // namespace zw
