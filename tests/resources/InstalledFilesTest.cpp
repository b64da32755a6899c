// The pictures and documents installed beside the program.

#include "ResourceTestSupport.h"

#include <gtest/gtest.h>

#include <QImageReader>
#include <QtEndian>

namespace zw::test {
namespace {

struct PictureSpec {
    const char* file;
    const char* format;
    int width;
    int height;
};

TEST(InstalledPictures, AreImagesOfTheSizeTheProgramShows) {
    // The safety symbol is printed at 15 twips per pixel, 10.6 mm wide; the
    // title picture fills the main window's header; menu icons are 16 x 16.
    const PictureSpec pictures[] = {{"KreisS.bmp", "bmp", 40, 40},
                                    {"Titelbild.png", "png", 313, 113},
                                    {"MenueNeu.png", "png", 16, 16},
                                    {"MenueArtikel.png", "png", 16, 16},
                                    {"MenueHilfe.png", "png", 16, 16}};
    for (const PictureSpec& p : pictures) {
        SCOPED_TRACE(p.file);
        QImageReader reader(resourcePath(p.file));
        EXPECT_EQ(reader.format().toStdString(), p.format);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.size(), QSize(p.width, p.height));
        int ink = 0, paper = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = image.pixel(x, y);
                if (qAlpha(c) < 128)
                    continue;
                if (qGray(c) < 100)
                    ++ink;
                else if (qGray(c) > 200)
                    ++paper;
            }
        }
        EXPECT_GT(ink, 0) << "nothing drawn";
        EXPECT_GT(paper, 0) << "nothing but ink";
    }
}

TEST(InstalledPictures, SafetySymbolIsAPlainWindowsBitmap) {
    // Any reader, the label builder's included, takes an uncompressed 24-bit
    // bitmap with the classic 40-byte header.
    const QByteArray bmp = readResource("KreisS.bmp");
    ASSERT_GE(bmp.size(), 54);
    EXPECT_TRUE(bmp.startsWith("BM"));
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(bmp.constData() + at); };
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(bmp.constData() + at); };
    EXPECT_EQ(u32(2), quint32(bmp.size()));
    EXPECT_EQ(u32(14), 40u);
    EXPECT_EQ(u16(28), 24);
    EXPECT_EQ(u32(30), 0u);
}

struct DocumentSpec {
    const char* file;
    int minPages;
    int maxPages;
    QStringList texts;
};

TEST(InstalledDocuments, ArePdfsInTheirLanguageCoveringEveryLabel) {
    for (const QString tool : {"pdfinfo", "pdftotext"})
        ASSERT_EQ(missingTool(tool).toStdString(), "");
    // The manual command opens the file of the user's language.
    const DocumentSpec documents[] = {
        {"Bedienungsanleitung_D.pdf",
         2,
         10,
         {"Bedienungsanleitung", "Programm starten", "Gebinde - Lagerteil", "Gebinde - Auftragsbezogen",
          "Gebinde - Sonderteil", "Typenschild", "Ersatzteil / Zubehör", "Artikelstamm pflegen", "Einstellungen"}},
        {"Bedienungsanleitung_GB.pdf",
         2,
         10,
         {"User manual", "Starting the program", "Container - stock part", "Container - order-related",
          "Container - special part", "Type plate", "Spare part / accessory", "article master data", "Settings"}},
        // The stock-part form's help picture opens it to show where the storage place stands.
        {"Musterbestellung.pdf", 1, 1, {"Bestellung", "Material-Nr.", "Lagerplatz", "H3-R12-F07"}},
    };
    for (const DocumentSpec& d : documents) {
        SCOPED_TRACE(d.file);
        const QString path = resourcePath(d.file);
        const int pages = pdfPages(path);
        EXPECT_GE(pages, d.minPages);
        EXPECT_LE(pages, d.maxPages);
        const QString text = pdfLines(path).join(' ');
        for (const QString& t : d.texts)
            EXPECT_TRUE(text.contains(t)) << t.toStdString();
    }
}

} // namespace
} // namespace zw::test
