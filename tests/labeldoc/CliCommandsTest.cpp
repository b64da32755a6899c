#include "labeldoc/RTFGebindeObjekt.h"

#include "CliRun.h"
#include "FakePlatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::CliResult;
using zw::test::readFile;
using zw::test::runCliCommand;
using zw::test::writeFile;

namespace {

TEST(CliRow, PrintsTheRowOrTheReasonItCannot) {
    struct Row {
        QStringList args;
        int status;
        QString out;
        QString errContains;
    };
    const QStringList common = {"--matnr", "1234567", "--week", "08.13", "--index", "02"};
    const Row rows[] = {
        {QStringList{"--format", "7", "--supplier", "12345"} + common, 0, "123456710830212345\n", ""},
        {QStringList{"--format", "kurz", "--supplier", "42"} + common, 0, "12345671083242\n", ""},
        {{"--format", "10", "--supplier", "42", "--matnr", "1234567890", "--week", "08.13", "--index", "02"},
         0,
         "123456789010830242\n",
         ""},
        {QStringList{"--format", "nwep", "--supplier", "12345", "--prodnr", "123"} + common, 0,
         "123456710830200012312345\n", ""},
        {{"--format", "7", "--supplier", "1", "--matnr", "1", "--week", "  .  ", "--index", ""},
         0,
         "0000001    0000001\n",
         ""},
        {QStringList{"--format", "kurz", "--supplier", "123"} + common, 2, "",
         "Lieferantennummer darf nur 2 stellig sein"},
        {{"--format", "7", "--supplier", "1", "--matnr", "1", "--week", "8.13", "--index", "1"},
         2,
         "",
         "Herstelldaten muss 5 stellig sein"},
        {QStringList{"--format", "7"} + common, 2, "", "--supplier is required"},
        {QStringList{"--format", "8", "--supplier", "1"} + common, 2, "", "--format takes 7, kurz, 10 or nwep"},
        {QStringList{"--format", "7", "--supplier", "1", "--prodnr", "1"} + common, 2, "", "nwep"},
    };
    for (const Row& r : rows) {
        const CliResult res = runCliCommand(QStringList("row") + r.args);
        EXPECT_EQ(res.status, r.status) << r.args.join(' ').toStdString() << res.err.toStdString();
        EXPECT_EQ(res.out, r.out);
        EXPECT_TRUE(res.err.contains(r.errContains)) << res.err.toStdString();
    }
}

TEST(CliPicture, PrintsTheGroupOfTheLabelsBarcodePicture) {
    test::ScopedFakePlatform p;
    TRTFGebindeObjekt builder;
    builder.ErstelleBarcode_EAN_Bitmap("4006381333931", bcCodeEAN13, 0);
    builder.SchreibeBildInRtf(builder.Barcode_EAN_Image);
    const QString ean = builder.RTFBild + "\n";
    builder.ErstelleBarcode_EAN_Bitmap("123456710830212345", bcCode128C, -90);
    builder.SchreibeBildInRtf(builder.Barcode_EAN_Image_Minus_90_Grad);
    const QString rotatedRow = builder.RTFBild + "\n";
    builder.ErstelleBarcode_EAN_Bitmap("123", bcCodeCodabar, 0);
    builder.SchreibeBildInRtf(builder.Barcode_EAN_Image);
    const QString codabar = builder.RTFBild + "\n";
    builder.DruckerAufloesung = 300;
    builder.SchreibeBildInRtf(builder.Barcode_EAN_Image_Minus_90_Grad);
    const QString rotatedRow300 = builder.RTFBild + "\n";
    struct Row {
        QStringList args;
        int status;
        QString out;
    };
    const Row rows[] = {
        {{"--type", "bcCodeEAN13", "--text", "4006381333931"}, 0, ean},
        {{"--type", "EAN13", "--text", "4006381333931", "--angle", "0"}, 0, ean},
        {{"--type", "14", "--text", "4006381333931"}, 0, ean},
        {{"--type", "bcCode128C", "--text", "123456710830212345", "--angle", "-90"}, 0, rotatedRow},
        {{"--type", "code128c", "--text", "123456710830212345", "--angle", "-90"}, 0, rotatedRow},
        {{"--type", "bcCodeCodabar", "--text", "123"}, 0, codabar}, // display name "Codebar"
        {{"--type", "bcCode128C", "--text", "123456710830212345", "--angle", "-90", "--printer-dpi", "300"},
         0,
         rotatedRow300},
        {{"--type", "bcCodeEAN13", "--text", "4006381333931", "--printer-dpi", "0"}, 0, ean},
        {{"--type", "bcCodeEAN13", "--text", "4006381333931", "--printer-dpi", "50"}, 2, ""},
        {{"--type", "bcCodeEAN99", "--text", "1"}, 2, ""},
        {{"--type", "23", "--text", "1"}, 2, ""},
        {{"--type", "bcCode128C", "--text", "1", "--angle", "90"}, 2, ""},
        {{"--type", "bcCode128C"}, 2, ""},
    };
    for (const Row& r : rows) {
        const CliResult res = runCliCommand(QStringList("picture") + r.args);
        EXPECT_EQ(res.status, r.status) << r.args.join(' ').toStdString();
        EXPECT_EQ(res.out, r.out) << r.args.join(' ').toStdString();
    }
    EXPECT_TRUE(ean.startsWith("{\\pict\\wmetafile8\\picw4637\\pich662\\picwgoal2625\\pichgoal375 "));
    EXPECT_TRUE(rotatedRow.startsWith("{\\pict\\wmetafile8\\picw662\\pich4637\\picwgoal375\\pichgoal2625 "));
    EXPECT_TRUE(rotatedRow300.contains("\\picwgoal374\\pichgoal2640 ")) << rotatedRow300.left(80).toStdString();
}

TEST(CliFill, WritesTheDocumentAndPrintsItsPath) {
    QTemporaryDir dir;
    const QString templ = dir.filePath("Vorlage Test.rtf");
    const QString home = dir.filePath("home");
    QDir().mkpath(home);
    writeFile(templ, "{\\rtf1 @01|@02|@03|@01|@04}");
    const QString picture = runCliCommand({"picture", "--type", "bcCode128C", "--text", "12"}).out.trimmed();
    QImage symbol(3, 2, QImage::Format_RGB32);
    symbol.fill(qRgb(200, 0, 0));
    ASSERT_TRUE(symbol.save(dir.filePath("S.png")));
    const QString symbolGroup = TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(symbol, 3, 2, "", nullptr);

    const CliResult res = runCliCommand({"fill", "--template", templ, "--out-name", "Lagerteil_1fach", "--home", home,
                                         "--barcode", "02=bcCode128C:12", "--value", "01=Maß=1", "--value",
                                         "03=", "--value", "01=zweiter", "--picture", "04=" + dir.filePath("S.png")});
    ASSERT_EQ(res.status, 0) << res.err.toStdString();
    const QString output = home + "/Lagerteil_1fach.rtf";
    EXPECT_EQ(res.out, output + "\n");
    EXPECT_EQ(readFile(output), "{\\rtf1 \\u77?\\u97?\\u223?\\u61?\\u49?|" + picture.toLatin1() +
                                    "||\\u77?\\u97?\\u223?\\u61?\\u49?|" + symbolGroup.toLatin1() + "}\r\n");

    const CliResult again = runCliCommand(
        {"fill", "--template", templ, "--out-name", "Lagerteil_1fach", "--home", home, "--value", "01=x"});
    EXPECT_EQ(again.out, output + "\n") << "an unheld document is replaced";
    writeFile(home + "/.~lock.Lagerteil_1fach.rtf#", "");
    const CliResult held = runCliCommand(
        {"fill", "--template", templ, "--out-name", "Lagerteil_1fach", "--home", home, "--value", "01=y"});
    EXPECT_EQ(held.out, home + "/Lagerteil_1fach1.rtf\n") << "one open in the word processor is kept";
}

// Codabar and Code 128 B texts hold ":"; only a last field 0 or -90 is an angle.
// Of two entries for one placeholder the one given first fills it.
TEST(CliFill, BarcodeTextsMayHoldColonsAndEntriesKeepTheOrderGiven) {
    QTemporaryDir dir;
    const QString templ = dir.filePath("T.rtf");
    writeFile(templ, "@01|@02|@03|@0a");
    const auto picture = [](const QString& type, const QString& text, const QString& angle) {
        QStringList args{"picture", "--type", type, "--text", text};
        if (!angle.isEmpty())
            args << "--angle" << angle;
        return runCliCommand(args).out.trimmed().toLatin1();
    };
    const CliResult res =
        runCliCommand({"fill", "--template", templ, "--home", dir.path(), "--out-name", "x", "--barcode",
                       "01=bcCodeCodabar:12:34", "--barcode", "02=bcCode128B:A:B:-90", "--barcode",
                       "03=bcCode128B:12:0:0", "--value", "0a=first", "--value", "0A=second"});
    ASSERT_EQ(res.status, 0) << res.err.toStdString();
    EXPECT_EQ(readFile(res.out.trimmed()),
              picture("bcCodeCodabar", "12:34", "") + "|" + picture("bcCode128B", "A:B", "-90") + "|" +
                  picture("bcCode128B", "12:0", "0") + "|\\u102?\\u105?\\u114?\\u115?\\u116?\r\n");
}

TEST(CliFill, RejectsIncompleteOrUnsafeArguments) {
    QTemporaryDir dir;
    const QString templ = dir.filePath("T.rtf");
    writeFile(templ, "@01");
    const QString home = dir.path();
    const QStringList base = {"fill", "--template", templ, "--home", home};
    struct Row {
        QStringList args;
        QString errContains;
    };
    const Row rows[] = {
        {base + QStringList{"--out-name", "../outside"}, "without folder"},
        {base + QStringList{"--out-name", "x", "--value", "01"}, "is not NN=TEXT"},
        {base + QStringList{"--out-name", "x", "--value", "1=a"}, "Nr muss 2 Stellig sein"},
        {base + QStringList{"--out-name", "x", "--barcode", "01=bcCode128C"}, "NN=TYPE:TEXT"},
        {base + QStringList{"--out-name", "x", "--barcode", "01=nonsense:1"}, "unknown barcode type"},
        {{"fill", "--template", templ, "--home", dir.filePath("missing"), "--out-name", "x"}, "home folder not found"},
        {{"fill", "--template", dir.filePath("missing.rtf"), "--home", home, "--out-name", "x"}, "missing.rtf"},
        {{"fill", "--template", templ}, "Usage"},
        {base + QStringList{"--out-name", "x", "--picture", "01=" + dir.filePath("none.bmp")},
         "cannot read the picture"},
    };
    for (const Row& r : rows) {
        const CliResult res = runCliCommand(r.args);
        EXPECT_EQ(res.status, 2) << r.args.join(' ').toStdString();
        EXPECT_TRUE(res.err.contains(r.errContains)) << res.err.toStdString();
        EXPECT_TRUE(res.out.isEmpty());
    }
    EXPECT_EQ(QDir(home).entryList({"x*"}), QStringList());
}

} // namespace
