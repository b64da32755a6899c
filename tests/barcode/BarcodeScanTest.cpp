// Reads the drawn symbols back with a real scanner, zbarimg.

#include "BarcodeTestSupport.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::BarcodeSetup;
using zw::test::configure;

namespace {

struct ScanRow {
    BarcodeSetup setup;
    double angle;
    QString decoded;
    const char* note;
};

// What zbar reads for each symbology it supports. It reports UPC-A and UPC-E
// as EAN-13 (a leading 0; UPC-E expanded) and keeps Codabar's start and stop.
const ScanRow scanRows[] = {
    {{bcCodeEAN13, "4006381333931"}, 0, "4006381333931", ""},
    {{bcCodeEAN13, "590123412345", true}, 0, "5901234123457", "check digit added"},
    {{bcCodeEAN8, "9638507", true}, 0, "96385074", ""},
    {{bcCodeUPC_A, "03600029145", true}, 0, "0036000291452", ""},
    {{bcCodeUPC_E0, "0123457"}, 0, "0001234000057", "012345 expands to 00123400005(7)"},
    {{bcCodeUPC_E0, "4252614"}, 0, "0042100005264", "d6 1: 42 1 0000 526"},
    {{bcCode128C, "123456710830212345"}, 0, "123456710830212345", "a label's digit row"},
    {{bcCode128C, "123456710830212345"}, -90, "123456710830212345", "turned as on the spare-part label"},
    {{bcCode128C, "12345"}, 90, "012345", ""},
    {{bcCode128B, "Hello world!"}, 0, "Hello world!", ""},
    {{bcCode128A, "ZEICHWERK 2024"}, 180, "ZEICHWERK 2024", ""},
    {{bcCode39, "CODE-39 $/+%"}, 0, "CODE-39 $/+%", ""},
    {{bcCode39, "ZEICHWERK", false, 3.0}, 0, "ZEICHWERK", "wide 3:1"},
    {{bcCode93, "TEST93"}, 0, "TEST93", ""},
    {{bcCode93Extended, "Zeichwerk"}, 0, "Zeichwerk", ""},
    {{bcCode_2_5_interleaved, "12345678"}, 0, "12345678", ""},
    {{bcCode_2_5_interleaved, "0123456789", false, 3.0}, 0, "0123456789", ""},
    {{bcCodeCodabar, "40156"}, 0, "A40156B", ""},
    {{bcCodeCodabar, "31117013206375"}, 0, "A31117013206375B", ""},
};

QString zbarimg() {
    return QStandardPaths::findExecutable(QStringLiteral("zbarimg"));
}

// Draws the barcode with a quiet zone around it and scales it up, as a printer would.
QImage render(TBarcode& bc) {
    const int quiet = 20;
    QImage img(bc.CanvasWidth() + 2 * quiet, bc.CanvasHeight() + 2 * quiet, QImage::Format_RGB32);
    img.fill(Qt::white);
    bc.setLeft(quiet);
    bc.setTop(quiet);
    ImageCanvas canvas(img);
    bc.DrawBarcode(canvas);
    return img.scaled(img.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

TEST(BarcodeScan, ZbarimgReadsTheDrawnSymbols) {
    const QString scanner = zbarimg();
    ASSERT_FALSE(scanner.isEmpty()) << "zbarimg not found: install zbar-tools (scripts/install-deps.sh)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    int n = 0;
    for (const ScanRow& row : scanRows) {
        SCOPED_TRACE(QString("%1 '%2' angle %3 %4")
                         .arg(int(row.setup.type))
                         .arg(row.setup.text)
                         .arg(row.angle)
                         .arg(row.note)
                         .toStdString());
        TBarcode bc;
        configure(bc, row.setup);
        bc.setHeight(50);
        bc.setAngle(row.angle);
        const QString file = dir.filePath(QString("symbol%1.png").arg(n++));
        ASSERT_TRUE(render(bc).save(file));
        QProcess p;
        p.start(scanner, {"--raw", "-q", file});
        ASSERT_TRUE(p.waitForFinished(30000));
        const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        EXPECT_EQ(out, row.decoded) << QString::fromUtf8(p.readAllStandardError()).toStdString();
    }
}

// The label builder's pictures: module 1, height 25, cut to 25 rows.
TEST(BarcodeScan, ZbarimgReadsLabelSizedSymbols) {
    const QString scanner = zbarimg();
    ASSERT_FALSE(scanner.isEmpty()) << "zbarimg not found: install zbar-tools (scripts/install-deps.sh)";
    QTemporaryDir dir;
    const std::pair<TBarcodeType, QString> rows[] = {
        {bcCodeEAN13, "4006381333931"},
        {bcCode128C, "123456710830212345"},
    };
    for (const auto& [type, text] : rows) {
        TBarcode bc;
        bc.setTyp(type);
        bc.setHeight(25);
        bc.setText(text);
        QImage picture(175, 105, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ImageCanvas canvas(picture);
        bc.DrawBarcode(canvas);
        picture = picture.copy(0, 0, 175, 25);
        // A quiet zone around it, then scaled up as the printer does.
        QImage page(175 + 40, 25 + 40, QImage::Format_RGB32);
        page.fill(Qt::white);
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 175; ++x)
                page.setPixel(20 + x, 20 + y, picture.pixel(x, y));
        const QString file = dir.filePath(text + ".png");
        ASSERT_TRUE(page.scaled(page.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation).save(file));
        QProcess p;
        p.start(scanner, {"--raw", "-q", file});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), text);
    }
}

} // namespace
