#include "BarcodeTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace zw;

namespace {

struct Counted {
    TBarcode bc;
    int notifications = 0;
    TBarcode* lastSender = nullptr;
    Counted() {
        bc.setOnChange([this](TBarcode* sender) {
            ++notifications;
            lastSender = sender;
        });
    }
};

// Each setter applied twice with the same value: how many notifications it sends.
TEST(BarcodeProperties, SettersNotifyOnlyOnChange) {
    struct Row {
        const char* name;
        std::function<void(TBarcode&)> set;
        int notificationsForTwoCalls;
    } rows[] = {
        {"Height", [](TBarcode& b) { b.setHeight(25); }, 1},
        {"Text", [](TBarcode& b) { b.setText("12"); }, 1},
        {"Top", [](TBarcode& b) { b.setTop(3); }, 1},
        {"Left", [](TBarcode& b) { b.setLeft(4); }, 1},
        {"Ratio", [](TBarcode& b) { b.setRatio(2.5); }, 1},
        {"Typ", [](TBarcode& b) { b.setTyp(bcCode128C); }, 1},
        {"Checksum", [](TBarcode& b) { b.setChecksum(true); }, 1},
        {"ShowText", [](TBarcode& b) { b.setShowText(bcoBoth); }, 1},
        {"ShowTextPosition", [](TBarcode& b) { b.setShowTextPosition(stpBottomCenter); }, 1},
        {"Angle", [](TBarcode& b) { b.setAngle(-90); }, 1},
        {"Modul", [](TBarcode& b) { b.setModul(3); }, 2},
        {"ShowTextFont", [](TBarcode& b) { b.setShowTextFont(b.ShowTextFont()); }, 2},
        {"Color", [](TBarcode& b) { b.setColor(Qt::red); }, 0},
        {"ColorBar", [](TBarcode& b) { b.setColorBar(Qt::blue); }, 0},
        {"CheckSumMethod", [](TBarcode& b) { b.setCheckSumMethod(csmNone); }, 0},
        {"same Text", [](TBarcode& b) { b.setText(""); }, 0},
        {"same Typ", [](TBarcode& b) { b.setTyp(bcCodeEAN13); }, 0},
    };
    for (const Row& r : rows) {
        Counted c;
        r.set(c.bc);
        r.set(c.bc);
        EXPECT_EQ(c.notifications, r.notificationsForTwoCalls) << r.name;
        if (c.notifications > 0) {
            EXPECT_EQ(c.lastSender, &c.bc) << r.name;
        }
    }
}

TEST(BarcodeProperties, ModulStoresTwoForOneAndIgnoresOutOfRange) {
    struct Row {
        int value;
        int stored;
        int notifications;
    } rows[] = {
        {1, 2, 1}, {2, 2, 1}, {49, 49, 1}, {50, 1, 0}, {0, 1, 0}, {-3, 1, 0},
    };
    for (const Row& r : rows) {
        Counted c;
        c.bc.setModul(r.value);
        EXPECT_EQ(c.bc.Modul(), r.stored) << r.value;
        EXPECT_EQ(c.notifications, r.notifications) << r.value;
    }
}

TEST(BarcodeProperties, WritingWidthScalesModul) {
    struct Row {
        int modulBefore;
        int width;
        int modulAfter;
    } rows[] = {
        {1, 190, 2},                                              // 1 * 190 / 95
        {1, 100, 2},                                              // computes 1, which the setter stores as 2
        {1, 50, 1},                                               // computes 0: unchanged
        {3, 400, 4},                                              // 3 * 400 / 285, the symbol measured at module 3
        {1, 95 * 60, 1}, {2, std::numeric_limits<int>::max(), 2}, // far out of range, without overflowing
    };
    for (const Row& r : rows) {
        TBarcode bc;
        bc.setText("4006381333931");
        if (r.modulBefore != 1)
            bc.setModul(r.modulBefore);
        bc.setWidth(r.width);
        EXPECT_EQ(bc.Modul(), r.modulAfter) << r.width;
    }
}

TEST(BarcodeProperties, BuildClampingRatioNotifies) {
    Counted c;
    c.bc.setTyp(bcCodeCodabar);
    c.bc.setRatio(4.0);
    c.notifications = 0;
    c.bc.BuildBarPattern();
    EXPECT_EQ(c.bc.Ratio(), 3.0);
    EXPECT_EQ(c.notifications, 1);
    c.bc.BuildBarPattern();
    EXPECT_EQ(c.notifications, 1);
}

TEST(BarcodeProperties, BuildRewritesTextWithoutNotifying) {
    Counted c;
    c.bc.setTyp(bcCode128C);
    c.bc.setText("123");
    c.notifications = 0;
    c.bc.BuildBarPattern();
    EXPECT_EQ(c.bc.Text(), "0123");
    EXPECT_EQ(c.notifications, 0);
}

TEST(BarcodeProperties, AssignCopiesSettingsButNotTheFont) {
    TBarcode source;
    int sourceNotifications = 0;
    source.setHeight(25);
    source.setText("123");
    source.setTop(1);
    source.setLeft(2);
    source.setModul(3);
    source.setRatio(2.5);
    source.setTyp(bcCode39);
    source.setChecksum(true);
    source.setShowText(bcoTyp);
    source.setShowTextPosition(stpBottomRight);
    source.setAngle(90);
    source.setColor(Qt::yellow);
    source.setColorBar(Qt::blue);
    source.setCheckSumMethod(csmNone);
    TFont font;
    font.Height = -20;
    source.setShowTextFont(font);
    source.setOnChange([&](TBarcode*) { ++sourceNotifications; });

    Counted target;
    const TFont targetFont = target.bc.ShowTextFont();
    target.bc.Assign(source);
    EXPECT_EQ(target.notifications, 0);
    EXPECT_EQ(sourceNotifications, 0);
    TBarcode& t = target.bc;
    EXPECT_EQ(t.Height(), 25);
    EXPECT_EQ(t.Text(), "123");
    EXPECT_EQ(t.Top(), 1);
    EXPECT_EQ(t.Left(), 2);
    EXPECT_EQ(t.Modul(), 3);
    EXPECT_EQ(t.Ratio(), 2.5);
    EXPECT_EQ(t.Typ(), bcCode39);
    EXPECT_TRUE(t.Checksum());
    EXPECT_EQ(t.ShowText(), bcoTyp);
    EXPECT_EQ(t.ShowTextPosition(), stpBottomRight);
    EXPECT_EQ(t.Angle(), 90.0);
    EXPECT_EQ(t.Color(), QColor(Qt::yellow));
    EXPECT_EQ(t.ColorBar(), QColor(Qt::blue));
    EXPECT_EQ(t.CheckSumMethod(), csmNone);
    EXPECT_EQ(t.ShowTextFont(), targetFont);
    // The handler came along: a change on the target now reaches the source's handler.
    t.setHeight(26);
    EXPECT_EQ(sourceNotifications, 1);
}

TEST(BarcodeProperties, AssignedTextKeepsItsCheckDigitOnce) {
    TBarcode source;
    source.setTyp(bcCodeEAN128C);
    source.setChecksum(true);
    source.setText("12");
    source.BuildBarPattern();
    TBarcode copy;
    copy.Assign(source);
    EXPECT_EQ(copy.BuildBarPattern(), source.BuildBarPattern());
    EXPECT_EQ(copy.Text(), source.Text());
}

} // namespace
