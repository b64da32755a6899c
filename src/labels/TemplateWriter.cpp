// Writes the RTF templates from the label layouts. The RTF stays plain and
// hand-readable: one control line per row definition, one line per cell,
// ANSI text in code page 1252 with \'xx escapes past ASCII. Every label is a
// table; a sheet repeats it in a centred grid, so a 4-up template holds each
// placeholder once per label. Row heights are exact and so are line heights:
// the layout's geometry is what the word processor shows.

#include "labels/LabelLayout.h"

#include "base/AppError.h"
#include "base/TextFile.h"

#include <QSizeF>

#include <cmath>

namespace zw {

namespace {

// Thin lines between boxes, a heavier one around the label.
constexpr int Line = 8;
constexpr int Frame = 15;
constexpr int Black = 1;
constexpr int White = 2;

int tw(double mm) {
    return int(std::lround(mm * 1440 / 25.4));
}

int halfPoints(double pt) {
    return int(std::lround(pt * 2));
}

// Static label text: code page 1252, \'xx for everything past ASCII.
QString text(const QString& s) {
    if (!fitsWindows1252(s))
        throw AppError(QStringLiteral("a label text outside code page 1252: %1").arg(s));
    QString out;
    const QByteArray bytes = encodeWindows1252(s);
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == '{' || ch == '}')
            out += QStringLiteral("\\") + QLatin1Char(ch);
        else if (c >= 32 && c < 127)
            out += QLatin1Char(ch);
        else
            out += QStringLiteral("\\'%1").arg(c, 2, 16, QLatin1Char('0'));
    }
    return out;
}

QString run(const LayoutRun& r) {
    QString body;
    if (r.kind == LayoutRun::Kind::Value)
        // The placeholder stays one unbroken run, so the label builder finds it.
        body = QStringLiteral("@%1").arg(r.value, 2, 10, QLatin1Char('0'));
    else
        body = text(r.text);
    QString codes;
    if (r.pt > 0)
        codes += QStringLiteral("\\fs%1").arg(halfPoints(r.pt));
    if (r.bold)
        codes += QStringLiteral("\\b");
    if (r.white)
        codes += QStringLiteral("\\cf%1").arg(White);
    return codes.isEmpty() ? body : QStringLiteral("{%1 %2}").arg(codes, body);
}

QString paragraph(const LayoutParagraph& p) {
    static const char* const aligns[] = {"l", "c", "r"};
    QString codes = QStringLiteral("\\pard\\intbl\\q%1\\li%2\\ri%3")
                        .arg(QLatin1String(aligns[int(p.align)]))
                        .arg(tw(p.li))
                        .arg(tw(p.ri));
    codes += QStringLiteral("\\sb%1\\sa%2").arg(tw(p.sb)).arg(tw(p.sa));
    // A picture sets its own line height; text has an exact one.
    if (!p.picture)
        codes += QStringLiteral("\\sl-%1\\slmult0").arg(std::lround(p.line * 20));
    codes += QStringLiteral("\\plain\\f0\\fs%1").arg(halfPoints(p.pt));
    if (p.bold)
        codes += QStringLiteral("\\b");
    QString body;
    if (p.picture)
        body = QStringLiteral("@%1").arg(p.picture, 2, 10, QLatin1Char('0'));
    for (const LayoutRun& r : p.runs)
        body += run(r);
    return codes + QLatin1Char(' ') + body;
}

const QString EmptyCell = QStringLiteral("\\pard\\intbl\\plain\\f0\\fs2 \\cell");

QString cellContent(const LayoutCell& c) {
    if (c.merge == LayoutCell::Merge::Continued || c.paragraphs.empty())
        return EmptyCell;
    QStringList paras;
    for (const LayoutParagraph& p : c.paragraphs)
        paras << paragraph(p);
    return paras.join(QStringLiteral("\\par\n")) + QStringLiteral("\\cell");
}

QString cellDefinition(const LayoutCell& c, int right, const QString& edges, bool frame) {
    static const char* const valigns[] = {"t", "c", "b"};
    QString codes = QStringLiteral("\\clvertal%1").arg(QLatin1String(valigns[int(c.valign)]));
    if (c.merge == LayoutCell::Merge::First)
        codes += QStringLiteral("\\clvmgf");
    else if (c.merge == LayoutCell::Merge::Continued)
        codes += QStringLiteral("\\clvmrg");
    for (const QChar side : QStringLiteral("tlbr")) {
        const int width = frame && edges.contains(side) ? Frame : c.borders.contains(side) ? Line : 0;
        if (width)
            codes += QStringLiteral("\\clbrdr%1\\brdrs\\brdrw%2").arg(side).arg(width);
    }
    if (c.black)
        codes += QStringLiteral("\\clcbpat%1").arg(Black);
    return codes + QStringLiteral("\\cellx%1").arg(right);
}

QString rowStart(double heightMm) {
    return QStringLiteral("\\trowd\\trgaph0\\trleft0\\trrh-%1\n").arg(tw(heightMm));
}

// A row of one empty cell across the paper: room above, between and below the labels.
QString spacerRow(double heightMm, double paperWidthMm) {
    return rowStart(heightMm) + QStringLiteral("\\cellx%1\n").arg(tw(paperWidthMm)) + EmptyCell +
           QStringLiteral("\\row\n");
}

QString sheetRows(const LabelLayout& label, const LayoutSheet& sheet) {
    const QPointF first = label.origin(sheet, 0, 0);
    QString out;
    if (first.y() + label.margin > 0.01)
        out += spacerRow(first.y() + label.margin, sheet.paperWidth);
    for (int gridRow = 0; gridRow < sheet.rows; ++gridRow) {
        for (size_t index = 0; index < label.rows.size(); ++index) {
            const LayoutRow& row = label.rows[index];
            QStringList defs;
            QStringList contents;
            double x = 0;
            for (int column = 0; column < sheet.columns; ++column) {
                const double left = label.origin(sheet, column, gridRow).x() + label.margin;
                if (left - x > 0.01) {
                    defs << QStringLiteral("\\cellx%1").arg(tw(left));
                    contents << EmptyCell;
                }
                x = left;
                for (size_t ci = 0; ci < row.cells.size(); ++ci) {
                    x += row.cells[ci].width;
                    QString edges;
                    if (index == 0)
                        edges += QLatin1Char('t');
                    if (index == label.rows.size() - 1)
                        edges += QLatin1Char('b');
                    if (ci == 0)
                        edges += QLatin1Char('l');
                    if (ci == row.cells.size() - 1)
                        edges += QLatin1Char('r');
                    defs << cellDefinition(row.cells[ci], tw(x), edges, label.frame);
                    contents << cellContent(row.cells[ci]);
                }
            }
            // Every row reaches the paper's right edge; a shorter row would have
            // its last box stretched to the table's width.
            if (sheet.paperWidth - x > 0.01) {
                defs << QStringLiteral("\\cellx%1").arg(tw(sheet.paperWidth));
                contents << EmptyCell;
            }
            out += rowStart(row.height) + defs.join(QLatin1Char('\n')) + QLatin1Char('\n') +
                   contents.join(QLatin1Char('\n')) + QStringLiteral("\n\\row\n");
        }
        if (gridRow < sheet.rows - 1)
            out += spacerRow(label.height - label.contentHeight() + sheet.gapY, sheet.paperWidth);
    }
    return out;
}

} // namespace

QByteArray templateRtf(const LabelLayout& layout, const LayoutSheet& sheet) {
    const QString landscape = sheet.paperWidth > sheet.paperHeight ? QStringLiteral("\\landscape") : QString();
    const QString head = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1031\n"
                                        "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n"
                                        // A tiny default size keeps empty paragraphs (after the table, in
                                        // spacer cells) from pushing a full label sheet onto a second page.
                                        "{\\stylesheet{\\ql\\f0\\fs2 Normal;}}\n"
                                        "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green255\\blue255;}\n"
                                        "{\\info{\\title %1}{\\author Zeichwerk}}\n"
                                        "\\paperw%2\\paperh%3\\margl0\\margr0\\margt0\\margb0%4\n"
                                        "\\widowctrl0\\viewkind1\\sectd\\sbknone\n")
                             .arg(text(sheet.title))
                             .arg(tw(sheet.paperWidth))
                             .arg(tw(sheet.paperHeight))
                             .arg(landscape);
    // The closing paragraph is tiny: it takes the slack below the last label,
    // so a full sheet never spills onto a second page.
    const QString rtf = head + sheetRows(layout, sheet) + QStringLiteral("\\pard\\plain\\f0\\fs2\\par\n}\n");
    QByteArray out = rtf.toLatin1();
    out.replace("\n", "\r\n");
    return out;
}

} // namespace zw
