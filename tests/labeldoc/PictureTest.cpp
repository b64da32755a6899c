#include "base/AppError.h"
#include "labeldoc/MetafileWriter.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include "BuilderEnvironment.h"
#include "MetafileReading.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::BuilderEnvironment;
using namespace zw::test;

namespace {

QImage barsImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int x = 0; x < width; x += 3)
        for (int y = 0; y < height; ++y)
            image.setPixel(x, y, qRgb(0, 0, 0));
    return image;
}

QImage colourImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 40 % 256, y * 70 % 256, (x + y) * 13 % 256));
    return image;
}

TEST(Metafile, DrawsTheBitmapStretchedOverTheFrameInAnisotropicMode) {
    struct Row {
        QImage bitmap;
        QSize frame;
        int bitsPerPixel;
        const char* why;
    };
    const Row rows[] = {
        {barsImage(175, 25), QSize(175, 25), 1, "barcode: black and white"},
        {barsImage(25, 175), QSize(25, 175), 1, "rotated barcode"},
        {barsImage(1, 1), QSize(1, 1), 1, "single pixel"},
        {colourImage(33, 7), QSize(33, 7), 24, "colour, odd width needs row padding"},
        {barsImage(10, 4), QSize(1920, 1080), 1, "a given reference device's surface"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        const QList<Record> rec = readMetafile(writeStretchedBitmapMetafile(r.bitmap, r.frame));
        ASSERT_EQ(rec.size(), 5);
        EXPECT_EQ(rec[0].function, 0x0103);
        EXPECT_EQ(u16(rec[0].params, 0), 8) << "MM_ANISOTROPIC";
        EXPECT_EQ(rec[1].function, 0x020B);
        EXPECT_EQ(u32(rec[1].params, 0), 0u) << "window origin 0,0";
        EXPECT_EQ(rec[2].function, 0x020C);
        EXPECT_EQ(u16(rec[2].params, 0), r.frame.height());
        EXPECT_EQ(u16(rec[2].params, 2), r.frame.width());
        const Record& s = rec[3];
        EXPECT_EQ(s.function, 0x0F43);
        EXPECT_EQ(u32(s.params, 0), 0x00CC0020u) << "SRCCOPY";
        EXPECT_EQ(u16(s.params, 4), 0) << "RGB colours";
        EXPECT_EQ(u16(s.params, 6), r.bitmap.height()) << "source height";
        EXPECT_EQ(u16(s.params, 8), r.bitmap.width());
        EXPECT_EQ(u32(s.params, 10), 0u) << "source origin";
        EXPECT_EQ(u16(s.params, 14), r.frame.height()) << "destination: the whole frame";
        EXPECT_EQ(u16(s.params, 16), r.frame.width());
        EXPECT_EQ(u32(s.params, 18), 0u);
        const QByteArray dib = s.params.mid(22);
        EXPECT_EQ(u32(dib, 0), 40u);
        EXPECT_EQ(u16(dib, 12), 1) << "planes";
        EXPECT_EQ(u16(dib, 14), r.bitsPerPixel);
        EXPECT_EQ(u32(dib, 16), 0u) << "uncompressed";
        EXPECT_EQ(decodeDib(dib), r.bitmap);
        EXPECT_EQ(rec[4].function, 0);
    }
}

TEST(Metafile, PrintsTransparencyAsWhitePaper) {
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 0));
    image.setPixel(1, 0, qRgba(0, 0, 0, 255));
    image.setPixel(2, 0, qRgba(0, 0, 0, 0));
    image.setPixel(3, 0, qRgba(0, 0, 0, 255));
    const QImage drawn = decodeDib(readMetafile(writeStretchedBitmapMetafile(image, image.size()))[3].params.mid(22));
    EXPECT_EQ(drawn.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(drawn.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(Metafile, RejectsPicturesItCannotDescribe) {
    for (const QSize& size : {QSize(0, 0), QSize(40000, 1)})
        EXPECT_THROW(writeStretchedBitmapMetafile(barsImage(2, 2), size), AppError);
    EXPECT_THROW(writeStretchedBitmapMetafile(QImage(), QSize(2, 2)), AppError);
}

TEST(PictureGroup, HeaderNumbersFollowThePixelSize) {
    BuilderEnvironment env;
    struct Row {
        QSize size;
        bool debug;
        const char* sizes;
    };
    const Row rows[] = {
        {QSize(175, 25), false, "\\picw4637\\pich662\\picwgoal2625\\pichgoal375 "},
        {QSize(25, 175), false, "\\picw662\\pich4637\\picwgoal375\\pichgoal2625 "},
        {QSize(1, 1), false, "\\picw26\\pich26\\picwgoal15\\pichgoal15 "},
        {QSize(175, 25), true, "\\picw11607\\pich1643\\picwgoal6570\\pichgoal930 "}, // 438 x 62
        {QSize(3, 5), true, "\\picw212\\pich318\\picwgoal120\\pichgoal180 "},        // 7.5 -> 8, 12.5 -> 12
    };
    TRTFGebindeObjekt b;
    for (const Row& r : rows) {
        const QImage bitmap = barsImage(r.size.width(), r.size.height());
        ASSERT_TRUE(b.SchreibeBildInRtf(bitmap, nullptr, r.debug));
        const QString prefix = QStringLiteral("{\\pict\\wmetafile8") + QLatin1String(r.sizes);
        EXPECT_TRUE(b.RTFBild.startsWith(prefix)) << b.RTFBild.left(80).toStdString();
        EXPECT_TRUE(TRTFGebindeObjekt::IstTextBestandteilVomBildtag(b.RTFBild));
        // The data is the metafile, two upper-case digits per byte, drawn over the unenlarged bitmap.
        const QString digits = b.RTFBild.mid(prefix.size(), b.RTFBild.size() - prefix.size() - 1);
        EXPECT_TRUE(QRegularExpression(QStringLiteral("^([0-9A-F]{2})+$")).match(digits).hasMatch());
        EXPECT_EQ(QByteArray::fromHex(digits.toLatin1()), writeStretchedBitmapMetafile(bitmap, bitmap.size()));
        EXPECT_TRUE(b.RTFBild.endsWith(QLatin1Char('}')));
    }
}

TEST(PictureGroup, TypeAndReferenceDeviceCanBeGiven) {
    const QImage bitmap = barsImage(4, 2);
    const ReferenceDevice screen{800, 600};
    const QString group =
        TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(bitmap, 4, 2, QStringLiteral("\\emfblip"), &screen);
    const QString prefix = QStringLiteral("{\\pict\\emfblip\\picw106\\pich53\\picwgoal60\\pichgoal30 ");
    ASSERT_TRUE(group.startsWith(prefix));
    EXPECT_TRUE(TRTFGebindeObjekt::IstTextBestandteilVomBildtag(group)) << "inserted unchanged, not as text";
    const QByteArray wmf = QByteArray::fromHex(group.mid(prefix.size()).chopped(1).toLatin1());
    EXPECT_EQ(wmf, writeStretchedBitmapMetafile(bitmap, QSize(800, 600)));
}

TEST(PictureGroup, ErrorsNameTheStageAndKeepThePreviousGroup) {
    BuilderEnvironment env;
    TRTFGebindeObjekt b;
    b.SchreibeBildInRtf(barsImage(2, 2));
    const QString before = b.RTFBild;
    try {
        b.SchreibeBildInRtf(QImage());
        ADD_FAILURE() << "an empty picture was accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("3 SchreibeBildInRtf Picture: "))) << e.what();
    }
    EXPECT_EQ(b.RTFBild, before);
    try {
        TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(barsImage(2, 2), -1, 2, QString(), nullptr);
        ADD_FAILURE() << "a negative size was accepted";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("6 SchreibeBildInRtf Picture: "))) << e.what();
    }
    EXPECT_EQ(TRTFGebindeObjekt::SetzeSymbol(QStringLiteral("S"), QStringLiteral(".bmp")), QString());
}

} // namespace
