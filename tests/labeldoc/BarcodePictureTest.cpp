#include "labeldoc/RTFGebindeObjekt.h"

#include "BuilderEnvironment.h"

#include <zint.h>

#include <gtest/gtest.h>

#include <memory>

using namespace zw;
using zw::test::BuilderEnvironment;

namespace {

// The modules libzint encodes for the data, as "1" bar and "0" space.
QString zintModules(int symbology, const QByteArray& data) {
    std::unique_ptr<zint_symbol, void (*)(zint_symbol*)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = symbology;
    EXPECT_LT(ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(data.constData()), int(data.size())),
              ZINT_ERROR)
        << symbol->errtxt;
    QString modules;
    for (int col = 0; col < symbol->width; ++col)
        modules += (symbol->encoded_data[0][col >> 3] >> (col & 7)) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    return modules;
}

// One line of pixels across the bars, from the picture's leading edge; trailing white dropped.
QString scanLine(const QImage& picture, bool rotated) {
    QString modules;
    const int length = rotated ? picture.height() : picture.width();
    for (int i = 0; i < length; ++i) {
        // The rotated bars reach from column 25 leftwards; column 24 crosses every one of them.
        const QRgb p = rotated ? picture.pixel(24, i) : picture.pixel(i, 0);
        modules += qGray(p) < 128 ? QLatin1Char('1') : QLatin1Char('0');
    }
    while (modules.endsWith(QLatin1Char('0')))
        modules.chop(1);
    return modules;
}

TEST(BarcodePicture, DrawsTheSymbolLibzintEncodesAtTheLeadingEdge) {
    BuilderEnvironment env;
    struct Row {
        TBarcodeType type;
        QString text;
        int zintSymbology;
        QByteArray zintData;
    };
    const Row rows[] = {
        {bcCode128C, "123456710830212345", BARCODE_CODE128, "123456710830212345"},
        {bcCode128C, "123456710830200012312345", BARCODE_CODE128, "123456710830200012312345"},
        {bcCode128C, "0000000000000", BARCODE_CODE128, "00000000000000"}, // odd: a zero goes in front
        {bcCodeEAN13, "4006381333931", BARCODE_EANX, "400638133393"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.text.toStdString());
        TRTFGebindeObjekt b;
        b.ErstelleBarcode_EAN_Bitmap(r.text, r.type, 0);
        b.ErstelleBarcode_EAN_Bitmap(r.text, r.type, -90);
        ASSERT_EQ(b.Barcode_EAN_Image.size(), QSize(175, 25));
        ASSERT_EQ(b.Barcode_EAN_Image_Minus_90_Grad.size(), QSize(25, 175));
        const QString expected = zintModules(r.zintSymbology, r.zintData);
        ASSERT_GE(expected.size(), 95);
        EXPECT_EQ(scanLine(b.Barcode_EAN_Image, false), expected);
        EXPECT_EQ(scanLine(b.Barcode_EAN_Image_Minus_90_Grad, true), expected);
    }
}

TEST(BarcodePicture, EachAngleKeepsItsOwnLastPicture) {
    BuilderEnvironment env;
    TRTFGebindeObjekt b;
    b.ErstelleBarcode_EAN_Bitmap(QStringLiteral("123456710830212345"), bcCode128C, 0);
    const QImage row = b.Barcode_EAN_Image;
    b.ErstelleBarcode_EAN_Bitmap(QStringLiteral("123456710830212345"), bcCode128C, -90);
    EXPECT_EQ(b.Barcode_EAN_Image, row) << "the rotated picture has its own image";
    const QImage rotated = b.Barcode_EAN_Image_Minus_90_Grad;

    b.ErstelleBarcode_EAN_Bitmap(QStringLiteral("4006381333931"), bcCodeEAN13, 0);
    const QImage ean = b.Barcode_EAN_Image;
    EXPECT_NE(ean, row) << "the EAN drawn last replaces the digit row";

    b.ErstelleBarcode_EAN_Bitmap(QStringLiteral("999"), bcCode128C, 90);
    b.ErstelleBarcode_EAN_Bitmap(QStringLiteral("999"), bcCode128C, -89.5);
    EXPECT_EQ(b.Barcode_EAN_Image, ean) << "other angles draw nothing";
    EXPECT_EQ(b.Barcode_EAN_Image_Minus_90_Grad, rotated);
}

} // namespace
