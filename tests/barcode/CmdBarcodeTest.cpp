#include "BarcodeTestSupport.h"

#include "CliRun.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::letters;

namespace {

zw::test::CliResult barcodeCommand(const QStringList& args) {
    return zw::test::runCliCommand(QStringList{"barcode"} + args);
}

// The pattern and the Text the component gives for the same settings.
QString expectedOutput(TBarcodeType type, const QString& text, bool checksum) {
    TBarcode bc;
    bc.setTyp(type);
    bc.setText(text);
    bc.setChecksum(checksum);
    const QString pattern = bc.BuildBarPattern();
    return pattern + "\n" + bc.Text() + "\n";
}

TEST(CmdBarcode, PrintsPatternAndText) {
    struct Row {
        QStringList args;
        TBarcodeType type;
        QString text;
        bool checksum;
    } rows[] = {
        {{"--type", "bcCodeEAN13", "--text", "4006381333931"}, bcCodeEAN13, "4006381333931", false},
        {{"--type", "14", "--text", "400638133393", "--checksum"}, bcCodeEAN13, "400638133393", true},
        {{"--type", "bcCode128C", "--text", "12345"}, bcCode128C, "12345", false},
        {{"--type", "0", "--text", "123456"}, bcCode_2_5_interleaved, "123456", false},
        {{"--type", "22", "--text", "123", "--checksum"}, bcCodeEAN128C, "123", true},
        {{"--type", "bcCode39Extended", "--text", "a b"}, bcCode39Extended, "a b", false},
    };
    for (const Row& r : rows) {
        const auto run = barcodeCommand(r.args + QStringList{"--pattern"});
        EXPECT_EQ(run.status, cli::ExitOk) << run.err.toStdString();
        EXPECT_EQ(run.out, expectedOutput(r.type, r.text, r.checksum)) << r.args.join(' ').toStdString();
    }
    // The pattern line itself, written from the EAN-13 tables.
    EXPECT_TRUE(barcodeCommand({"--type", "bcCodeEAN13", "--text", "4006381333931", "--pattern"})
                    .out.startsWith(letters("505 2605 0517 0508 0805 2515 0616 05050")));
}

TEST(CmdBarcode, RejectsBadInputWithStatus2) {
    struct Row {
        QStringList args;
        const char* err;
    } rows[] = {
        {{"--type", "bcCodeFoo", "--text", "1", "--pattern"}, "unknown barcode type 'bcCodeFoo'"},
        {{"--type", "23", "--text", "1", "--pattern"}, "unknown barcode type '23'"},
        {{"--type", "-1", "--text", "1", "--pattern"}, "unknown barcode type '-1'"},
        {{"--type", "bcCode93", "--text", "abc", "--pattern"}, "TBarcode:Code93 bad Data <abc>"},
        {{"--type", "bcCodeEAN13", "--text", "12345678901234", "--pattern"}, "Invalid Text len (EAN13)"},
        {{"--type", "bcCodeEAN13", "--text", "1"}, "either --pattern or --png"},
        {{"--type", "bcCodeEAN13", "--pattern"}, "--type and --text are required"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--modul", "x", "--pattern"}, "--modul: 'x' is not a number"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--show-text", "all", "--pattern"}, "--show-text takes"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--colour", "red", "--pattern"}, "Unknown option 'colour'"},
        {{"--type", "bcCodeMSI", "--text", "1", "--ratio", "nan", "--pattern"}, "--ratio: 'nan' is not a number"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--angle", "inf", "--pattern"}, "--angle: 'inf' is not a number"},
        {{"--type", "bcCodeMSI", "--text", "1", "--ratio", "1e12", "--pattern"}, "element width out of range"},
    };
    for (const Row& r : rows) {
        const auto run = barcodeCommand(r.args);
        EXPECT_EQ(run.status, cli::ExitBadInput) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.err))) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
}

TEST(CmdBarcode, WritesThePictureDrawBarcodeGives) {
    struct Row {
        QStringList options;
        double angle;
        int height;
        int modul;
    } rows[] = {
        {{}, 0, 25, 1},
        {{"--height", "40"}, 0, 40, 1},
        {{"--height", "25", "--angle", "-90"}, -90, 25, 1},
        {{"--height", "30", "--angle", "180", "--modul", "3"}, 180, 30, 3},
    };
    QTemporaryDir dir;
    for (const Row& r : rows) {
        const QString file = dir.filePath("code.png");
        const auto run =
            barcodeCommand(QStringList{"--type", "bcCode128C", "--text", "123456", "--png", file} + r.options);
        ASSERT_EQ(run.status, cli::ExitOk) << run.err.toStdString();
        QImage written(file);
        ASSERT_FALSE(written.isNull());

        TBarcode bc;
        bc.setTyp(bcCode128C);
        bc.setText("123456");
        bc.setHeight(r.height);
        bc.setAngle(r.angle);
        if (r.modul != 1)
            bc.setModul(r.modul);
        QImage expected(bc.CanvasWidth(), bc.CanvasHeight(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        ImageCanvas canvas(expected);
        bc.DrawBarcode(canvas);
        EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), expected) << r.options.join(' ').toStdString();
    }
}

TEST(CmdBarcode, WritesNothingWhenThePictureCannotBeDrawn) {
    struct Row {
        QStringList args;
        const char* err;
    } rows[] = {
        {{"--type", "bcCode93", "--text", "abc"}, "TBarcode:Code93 bad Data <abc>"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--height", "2147483647"}, "TBarcode: geometry out of range"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--height", "100000000"}, "a picture of 96 x 100000000 pixels"},
        {{"--type", "bcCodeEAN13", "--text", "1", "--height", "0"}, "no area to draw"},
    };
    for (const Row& r : rows) {
        QTemporaryDir dir;
        const QString file = dir.filePath("bad.png");
        const auto run = barcodeCommand(r.args + QStringList{"--png", file});
        EXPECT_EQ(run.status, cli::ExitBadInput) << r.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(r.err))) << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(file));
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    }
}

} // namespace
