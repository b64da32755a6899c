// The templates in the real word processor: filled by the label builder with
// its own barcode pictures, converted by LibreOffice, read back through poppler
// and a scanner.

#include "ResourceTestSupport.h"

#include <gtest/gtest.h>

#include <QImageReader>
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

TEST(LabelTemplates, PrintEveryValueOnOnePageOfTheirSize) {
    const Rendered& rendered = renderedTemplates();
    ASSERT_EQ(rendered.error.toStdString(), "");
    for (size_t i = 0; i < labelTemplates().size(); ++i) {
        const TemplateCase& t = labelTemplates()[i];
        const QString& pdf = rendered.pdfs[i];
        SCOPED_TRACE(t.file.toStdString());
        EXPECT_EQ(pdfPages(pdf), 1) << "a label sheet must not spill onto a second page";
        const QSizeF page = pdfPageSize(pdf);
        EXPECT_NEAR(page.width(), t.paperWidthMm / 25.4 * 72, 1.5);
        EXPECT_NEAR(page.height(), t.paperHeightMm / 25.4 * 72, 1.5);

        const QStringList lines = pdfLines(pdf);
        const QString text = lines.join(' ');
        for (const QString& label : t.kind->staticTexts)
            EXPECT_GE(text.count(label), t.copies()) << label.toStdString();
        // Rows have a fixed height, so a value that wraps loses its last line.
        for (const Placeholder& p : t.kind->placeholders) {
            if (p.picture == Picture::None) {
                EXPECT_EQ(countOnLines(lines, p.value), t.copies()) << "@" << p.number << " " << p.value.toStdString();
            }
        }
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
        for (const Placeholder& p : t.kind->placeholders) {
            if (p.picture == Picture::Row || p.picture == Picture::RowTurned)
                expected << "CODE-128:" + kSampleRow;
            if (p.picture == Picture::Ean || p.picture == Picture::EanTurned)
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
