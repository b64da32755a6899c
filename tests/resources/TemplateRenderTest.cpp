// The templates in the real word processor: filled by the label builder with
// its own barcode pictures at the widest, converted by LibreOffice, read back through poppler
// and a scanner.

#include "ResourceTestSupport.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace zw::test {
namespace {

struct Rendered {
    QString error;
    QStringList pdfs; // in the order of labelTemplates()
};

// One LibreOffice run converts every filled template.
const Rendered& renderedTemplates() {
    static QTemporaryDir dir;
    static const Rendered rendered = [] {
        Rendered r;
        QStringList missing;
        for (const QString tool : {"soffice", "pdftotext", "pdfinfo", "pdftoppm", "zbarimg"})
            if (!missingTool(tool).isEmpty())
                missing << missingTool(tool);
        r.error = missing.join("; ");
        if (!r.error.isEmpty())
            return r;
        QStringList filled;
        for (const TemplateCase& t : labelTemplates())
            filled << fillTemplate(t, dir.path());
        r.pdfs = convertToPdf(filled, dir.path(), &r.error);
        return r;
    }();
    return rendered;
}

constexpr double PointsPerMm = 72 / 25.4;
// Glyph advances and the layout's millimetres meet to within this.
constexpr double Slack = 0.6;

QRectF inPoints(const QRectF& mm, const QPointF& origin) {
    return QRectF((mm.topLeft() + origin) * PointsPerMm, mm.size() * PointsPerMm);
}

QString withoutSpace(QString s) {
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return s.remove(space);
}

// What a paragraph prints when every value is at its widest.
QString printed(const LayoutParagraph& p) {
    QString out;
    for (const LayoutRun& r : p.runs)
        out += r.kind == LayoutRun::Kind::Text ? r.text : p.widestValue();
    return withoutSpace(out);
}

// Every field holds the widest value it allows (capital W as often as it may
// be typed, or the widest a masked field can hold), barcode pictures take all
// the room made for them. Each word of the text layer must stand in the
// paragraph the description gives it, within its cell: a value that wraps onto
// more lines than its paragraph has, or runs past its cell's edge, lands
// elsewhere or is clipped away.
TEST(LabelTemplates, PrintTheWidestValueOfEveryFieldWithinItsPlace) {
    const Rendered& rendered = renderedTemplates();
    ASSERT_EQ(rendered.error.toStdString(), "");
    for (size_t i = 0; i < labelTemplates().size(); ++i) {
        const TemplateCase& t = labelTemplates()[i];
        const QString& pdf = rendered.pdfs[i];
        SCOPED_TRACE(t.file.toStdString());
        EXPECT_EQ(pdfPages(pdf), 1) << "a label sheet must not spill onto a second page";
        const QSizeF page = pdfPageSize(pdf);
        EXPECT_NEAR(page.width(), t.paperWidthMm * PointsPerMm, 1.5);
        EXPECT_NEAR(page.height(), t.paperHeightMm * PointsPerMm, 1.5);

        const std::vector<PdfWord> words = pdfWords(pdf);
        std::vector<bool> placed(words.size(), false);
        for (int row = 0; row < t.rows; ++row) {
            for (int column = 0; column < t.columns; ++column) {
                const QPointF origin = t.layout().origin(t.sheet(), column, row);
                for (const LayoutSpot& spot : t.layout().spots()) {
                    const LayoutParagraph& p = *spot.paragraph;
                    if (p.runs.empty())
                        continue;
                    const QRectF area = inPoints(spot.rect, origin);
                    const QRectF cell = inPoints(spot.cell, origin);
                    QString found;
                    for (size_t w = 0; w < words.size(); ++w) {
                        if (placed[w] || !area.contains(words[w].box.center()))
                            continue;
                        placed[w] = true;
                        found += words[w].text;
                        EXPECT_GE(words[w].box.left(), cell.left() - Slack) << words[w].text.toStdString();
                        EXPECT_LE(words[w].box.right(), cell.right() - p.ri * PointsPerMm + Slack)
                            << words[w].text.toStdString() << " runs past its cell";
                    }
                    EXPECT_EQ(withoutSpace(found).toStdString(), printed(p).toStdString())
                        << "label " << column + 1 << "/" << row + 1 << ", paragraph of placeholder " << p.placeholder();
                }
            }
        }
        for (size_t w = 0; w < words.size(); ++w)
            EXPECT_TRUE(placed[w]) << words[w].text.toStdString() << " stands outside every paragraph at "
                                   << words[w].box.x() << ", " << words[w].box.y();
    }
}

// Rasterised finely enough that the scanner's verdict is about the template
// (quiet zones, nothing clipped or touching a line), not about pixel phase.
TEST(LabelTemplates, BarcodesScanOnEveryLabelOfTheSheet) {
    const Rendered& rendered = renderedTemplates();
    ASSERT_EQ(rendered.error.toStdString(), "");
    constexpr int dpi = 600;
    QTemporaryDir tiles;
    for (size_t i = 0; i < labelTemplates().size(); ++i) {
        const TemplateCase& t = labelTemplates()[i];
        QStringList expected;
        for (const LayoutSpot& spot : t.layout().spots()) {
            if (spot.paragraph->shows == LayoutParagraph::Picture::Row)
                expected << "CODE-128:" + kSampleRow;
            if (spot.paragraph->shows == LayoutParagraph::Picture::Ean)
                expected << "EAN-13:" + kSampleEan;
        }
        expected.sort();
        if (expected.isEmpty())
            continue;
        const QString pageFile = tiles.filePath(QStringLiteral("page-%1").arg(i));
        const ToolRun raster =
            runTool("pdftoppm", {"-r", QString::number(dpi), "-gray", "-singlefile", rendered.pdfs[i], pageFile});
        ASSERT_EQ(raster.exitCode, 0) << raster.err.toStdString();
        QImageReader::setAllocationLimit(512); // an A4 page at this resolution is past Qt's default
        const QImage page(pageFile + ".pgm");
        ASSERT_FALSE(page.isNull());
        // The labels sit in a centred grid with even gaps, so equal tiles hold one each.
        const int w = page.width() / t.columns;
        const int h = page.height() / t.rows;
        for (int row = 0; row < t.rows; ++row) {
            for (int col = 0; col < t.columns; ++col) {
                SCOPED_TRACE(QStringLiteral("%1, label in column %2, row %3")
                                 .arg(t.file)
                                 .arg(col + 1)
                                 .arg(row + 1)
                                 .toStdString());
                const QString tile = tiles.filePath(QStringLiteral("tile-%1-%2-%3.pgm").arg(i).arg(row).arg(col));
                ASSERT_TRUE(page.copy(col * w, row * h, w, h).save(tile, "PGM"));
                const ToolRun scan = runTool("zbarimg", {"-q", tile});
                QStringList found = QString::fromUtf8(scan.out).split('\n', Qt::SkipEmptyParts);
                found.sort();
                EXPECT_EQ(found.join(", ").toStdString(), expected.join(", ").toStdString());
            }
        }
    }
}

} // namespace
} // namespace zw::test
