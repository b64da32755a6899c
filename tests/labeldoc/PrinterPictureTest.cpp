#include "labeldoc/PrinterPicture.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include "BuilderEnvironment.h"
#include "MetafileReading.h"

#include <QRegularExpression>
#include <QTransform>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

struct GroupSize {
    int wGoal = -1, hGoal = -1;
};

GroupSize goalSize(const QString& group) {
    static const QRegularExpression sizes(QStringLiteral("^\\{\\\\pict\\\\wmetafile8\\\\picw\\d+\\\\pich\\d+"
                                                         "\\\\picwgoal(\\d+)\\\\pichgoal(\\d+) "));
    const QRegularExpressionMatch m = sizes.match(group);
    EXPECT_TRUE(m.hasMatch()) << group.left(80).toStdString();
    return {m.captured(1).toInt(), m.captured(2).toInt()};
}

// The pixels along one line, "1" dark and "0" light.
QString line(const QImage& picture, bool across, int at) {
    QString out;
    const int length = across ? picture.width() : picture.height();
    for (int i = 0; i < length; ++i)
        out += qGray(across ? picture.pixel(i, at) : picture.pixel(at, i)) < 128 ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

QString repeatEach(const QString& s, int times) {
    QString out;
    for (const QChar c : s)
        out += QString(times, c);
    return out;
}

// Every barcode picture at a printer resolution: the module in whole dots, the
// screen picture's bars and spaces each that many dots wide, the length across
// the bars padded with white to whole twips and shown at exactly its dots,
// along the bars today's length in whole dots.
TEST(PrinterPicture, DrawsWholeDotsShownAtThePrinterResolution) {
    BuilderEnvironment env;
    struct Row {
        int dpi;
        int module;
        int across; // dots, padded
        int along;  // dots
    } rows[] = {
        {203, 2, 406, 53},     // 370 dots to cover today's width, a multiple of 203: 2880 twips
        {300, 3, 550, 78},     // 546.9 -> 547, a multiple of 5
        {600, 6, 1095, 156},   // 1093.75 -> 1094 -> 1095
        {100, 2, 350, 26},     // never less than 2 dots: wider than today's picture
        {211, 2, 422, 55},     // a prime resolution: two of its inches
        {1200, 12, 2190, 312}, // 12.5 dots per pixel, the half to the even 12
    };
    const struct {
        QString text;
        TBarcodeType type;
    } symbols[] = {{QStringLiteral("123456710830212345"), bcCode128C}, {QStringLiteral("4006381333931"), bcCodeEAN13}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.dpi);
        EXPECT_EQ(printerModule(r.dpi), r.module);
        for (const auto& symbol : symbols) {
            for (const int angle : {0, -90}) {
                SCOPED_TRACE(symbol.text.toStdString() + " at " + std::to_string(angle));
                const bool upright = angle == 0;
                TRTFGebindeObjekt b;
                b.ErstelleBarcode_EAN_Bitmap(symbol.text, symbol.type, angle);
                const QImage screen = upright ? b.Barcode_EAN_Image : b.Barcode_EAN_Image_Minus_90_Grad;
                b.DruckerAufloesung = r.dpi;
                ASSERT_TRUE(b.SchreibeBildInRtf(screen));
                const QImage dots = groupBitmap(b.RTFBild);
                const GroupSize goal = goalSize(b.RTFBild);
                ASSERT_EQ(dots.size(), upright ? QSize(r.across, r.along) : QSize(r.along, r.across));

                const int acrossGoal = upright ? goal.wGoal : goal.hGoal;
                const int alongGoal = upright ? goal.hGoal : goal.wGoal;
                EXPECT_EQ(qint64(acrossGoal) * r.dpi, qint64(r.across) * 1440) << "one picture pixel, one dot";
                EXPECT_LE(std::abs(alongGoal * r.dpi - r.along * 1440), r.dpi / 2) << "the nearest twip";

                // Across the bars at the leading edge, where every bar of both symbols reaches.
                const int screenAt = upright ? 0 : screen.width() - 1;
                const int dotsAt = upright ? 0 : dots.width() - 1;
                const QString expected = repeatEach(line(screen, upright, screenAt), r.module);
                const QString drawn = line(dots, upright, dotsAt);
                EXPECT_EQ(drawn.left(expected.size()), expected);
                EXPECT_EQ(drawn.mid(expected.size()), QString(r.across - expected.size(), QLatin1Char('0')));
                // Along the first bar: the full length of the picture, as on screen.
                EXPECT_EQ(line(dots, !upright, 0), QString(r.along, QLatin1Char('1')));
            }
        }
    }
}

// Only the barcode pictures the builder draws change; a symbol picture, a
// barcode turned since, and every picture while no printer resolution is set,
// keep the screen's group.
TEST(PrinterPicture, LeavesOtherPicturesAndTheStandardResolutionAlone) {
    BuilderEnvironment env;
    TRTFGebindeObjekt b;
    b.ErstelleBarcode_EAN_Bitmap(QStringLiteral("123456710830212345"), bcCode128C, 0);
    const QImage barcode = b.Barcode_EAN_Image.copy();
    const QString standard =
        TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(barcode, barcode.width(), barcode.height(), {}, nullptr);
    QImage symbol(20, 20, QImage::Format_RGB32);
    symbol.fill(Qt::black);
    const QString symbolGroup = TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(symbol, 20, 20, {}, nullptr);
    // Turned by other means than the builder's: its mark no longer says which way the bars run.
    QImage turnedSince = barcode.transformed(QTransform().rotate(-90));
    turnedSince.setText(QLatin1String(TRTFGebindeObjekt::BarcodeAngleKey), QStringLiteral("0"));
    const QString turnedGroup = TRTFGebindeObjekt::ErmittleAusBildRtfBeschreibung(turnedSince, 25, 175, {}, nullptr);

    for (const int dpi : {0, -5, 99, 1201, 203}) {
        SCOPED_TRACE(dpi);
        b.DruckerAufloesung = dpi;
        b.SchreibeBildInRtf(symbol);
        EXPECT_EQ(b.RTFBild, symbolGroup);
        b.SchreibeBildInRtf(turnedSince);
        EXPECT_EQ(b.RTFBild, turnedGroup);
        b.SchreibeBildInRtf(barcode);
        EXPECT_EQ(b.RTFBild == standard, dpi != 203);
    }
}

TEST(PrinterPicture, ResolutionTextIsZeroOrAPrinterResolution) {
    const struct {
        const char* text;
        std::optional<int> dpi;
    } rows[] = {{"", 0},
                {" 0 ", 0},
                {"203", 203},
                {"100", 100},
                {"1200", 1200},
                {"99", std::nullopt},
                {"1201", std::nullopt},
                {"-300", std::nullopt},
                {"300dpi", std::nullopt},
                {"abc", std::nullopt}};
    for (const auto& r : rows)
        EXPECT_EQ(printerResolutionFromText(QString::fromLatin1(r.text)), r.dpi) << r.text;
}

} // namespace
