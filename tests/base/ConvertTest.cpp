#include "base/Convert.h"
#include "base/AppError.h"

#include <gtest/gtest.h>

#include <limits>

using namespace zw;

namespace {

TEST(Convert, IntegerText) {
    struct Row {
        const char* text;
        bool ok;
        int value;
    };
    const Row rows[] = {
        {"0", true, 0},
        {"00", true, 0},
        {"42", true, 42},
        {"-7", true, -7},
        {"+7", true, 7},
        {"  12", true, 12},
        {"$1F", true, 31},
        {"0x10", true, 16},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, int(-2147483648LL)},
        {"2147483648", false, 0},
        {"12 ", false, 0},
        {"1x", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"1.5", false, 0},
    };
    for (const Row& r : rows) {
        int v = -99;
        EXPECT_EQ(tryStrToInt(QString::fromUtf8(r.text), v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.text;
            EXPECT_EQ(strToInt(QString::fromUtf8(r.text)), r.value) << r.text;
        } else {
            EXPECT_THROW(strToInt(QString::fromUtf8(r.text)), AppError) << r.text;
            EXPECT_EQ(strToIntDef(QString::fromUtf8(r.text), -1), -1) << r.text;
        }
    }
}

TEST(Convert, Int64TextAndHexWrap) {
    struct Row {
        const char* text;
        bool ok;
        qint64 value;
    };
    const Row rows[] = {
        {"9223372036854775807", true, std::numeric_limits<qint64>::max()},
        {"-9223372036854775808", true, std::numeric_limits<qint64>::min()},
        {"9223372036854775808", false, 0},
        {"$FFFFFFFFFFFFFFFF", true, -1},
        {"$FFFFFFFF", true, 4294967295LL},
        {"$1FFFFFFFFFFFFFFFF", false, 0},
        {"-$10", true, -16},
    };
    for (const Row& r : rows) {
        qint64 v = -99;
        EXPECT_EQ(tryStrToInt64(QString::fromUtf8(r.text), v), r.ok) << r.text;
        if (r.ok) {
            EXPECT_EQ(v, r.value) << r.text;
        }
    }
    // The 32-bit conversion wraps hexadecimal into its own width.
    int i = 0;
    EXPECT_TRUE(tryStrToInt(QStringLiteral("$FFFFFFFF"), i));
    EXPECT_EQ(i, -1);
    EXPECT_FALSE(tryStrToInt(QStringLiteral("$100000000"), i));
}

TEST(Convert, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(trimControl(QStringLiteral("\t \x01 ab c \r\n")), QStringLiteral("ab c"));
    EXPECT_EQ(trimControl(QStringLiteral("\u00A0x\u00A0")), QStringLiteral("\u00A0x\u00A0"));
    EXPECT_EQ(trimControl(QStringLiteral("   ")), QString());
}

TEST(Convert, ConversionErrorCarriesTheText) {
    try {
        strToInt(QStringLiteral("1x"));
        FAIL();
    } catch (const AppError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'1x' is not a valid integer value"));
    }
}

TEST(Convert, CutNeverSplitsASurrogatePair) {
    const QString smile = QStringLiteral("\U0001F600"); // two UTF-16 units
    struct Row {
        QString text;
        qsizetype length;
        QString expected;
    } rows[] = {
        {QStringLiteral("abc"), 2, QStringLiteral("ab")},
        {QStringLiteral("abc"), 5, QStringLiteral("abc")},
        {QStringLiteral("a") + smile, 2, QStringLiteral("a")}, // the pair would be cut: before it
        {QStringLiteral("a") + smile, 3, QStringLiteral("a") + smile},
        {smile + QStringLiteral("b"), 2, smile},
        {QStringLiteral("abc"), 0, QString()},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cutToLength(r.text, r.length), r.expected) << r.text.toStdString() << " " << r.length;
}

} // namespace
