#include "datafile/TextValues.h"

#include "base/AppError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace zw;

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kUs(QLocale::English, QLocale::UnitedStates);

TEST(TextValues, DoublesWriteTheShortestExactTextInGeneralForm) {
    struct Row {
        double value;
        const char* dot;
    };
    const Row rows[] = {
        {1.5, "1.5"},
        {0.1 + 0.2, "0.30000000000000004"},
        {100, "100"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {-2.5e20, "-2.5E20"},
        {0.00001, "0.00001"},
        {0.000015, "0.000015"},
        {1.5e-6, "1.5E-6"},
        {5e-324, "5E-324"},
        {0, "0"},
        {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
        {std::nan(""), "NAN"},
    };
    for (const Row& r : rows) {
        const QString dot = QString::fromLatin1(r.dot);
        EXPECT_EQ(floatToText(r.value, kUs), dot) << r.dot;
        EXPECT_EQ(floatToText(r.value, kGerman), QString(dot).replace(QLatin1Char('.'), QLatin1Char(','))) << r.dot;
        for (const QLocale& l : {kUs, kGerman}) {
            const double back = textToFloat(floatToText(r.value, l), l);
            EXPECT_TRUE(back == r.value || (std::isnan(back) && std::isnan(r.value))) << r.dot;
        }
    }
}

TEST(TextValues, DoublesReadUnderEitherSeparator) {
    struct Row {
        const char* text;
        double value; // NaN: a conversion error
    };
    const double error = std::nan("");
    const Row rows[] = {
        {"1,5", 1.5},     {"1.5", 1.5},   {" -2.5E3 ", -2500}, {"1e-3", 0.001},  {"+.5", 0.5},    {"1,000.5", error},
        {"1.5.5", error}, {"abc", error}, {"", error},         {"1E999", error}, {"0x10", error}, {"1 5", error},
    };
    for (const QLocale& l : {kUs, kGerman}) {
        for (const Row& r : rows) {
            const QString text = QString::fromLatin1(r.text);
            if (std::isnan(r.value)) {
                try {
                    textToFloat(text, l);
                    ADD_FAILURE() << r.text << " read under " << l.name().toStdString();
                } catch (const AppError& e) {
                    EXPECT_EQ(e.message(), QStringLiteral("'%1' is not a valid floating point value").arg(text));
                }
            } else {
                EXPECT_EQ(textToFloat(text, l), r.value) << r.text << " under " << l.name().toStdString();
            }
        }
    }
}

TEST(TextValues, DateTimesAsDayCountsAndLocaleText) {
    struct Row {
        QDate date;
        QTime time;
        double days;
        const char* german;
        const char* us;
    };
    const Row rows[] = {
        {QDate(2020, 2, 3), QTime(9, 5, 7), 43864 + (9 * 3600 + 5 * 60 + 7) / 86400.0, "03.02.2020 09:05:07",
         "2/3/2020 9:05:07 AM"},
        {QDate(2020, 2, 3), QTime(0, 0), 43864, "03.02.2020", "2/3/2020"},
        {QDate(1899, 12, 30), QTime(18, 0), 0.75, "30.12.1899 18:00:00", "12/30/1899 6:00:00 PM"},
        // Before day 0 the fraction still counts forwards.
        {QDate(1899, 12, 29), QTime(6, 0), -1.25, "29.12.1899 06:00:00", "12/29/1899 6:00:00 AM"},
        {QDate(1, 1, 1), QTime(0, 0), -693593, "01.01.0001", "1/1/0001"},
    };
    for (const Row& r : rows) {
        const TDateTime v = encodeDateTime(r.date, r.time);
        EXPECT_DOUBLE_EQ(v, r.days) << r.german;
        QDate d;
        QTime t;
        ASSERT_TRUE(decodeDateTime(v, d, t));
        EXPECT_EQ(d, r.date);
        EXPECT_EQ(t, r.time);
        EXPECT_EQ(dateTimeToText(v, kGerman), QString::fromUtf8(r.german));
        EXPECT_EQ(dateTimeToText(v, kUs), QString::fromUtf8(r.us));
        EXPECT_EQ(textToDateTime(QString::fromUtf8(r.german), kGerman), v) << r.german;
        EXPECT_EQ(textToDateTime(QString::fromUtf8(r.us), kUs), v) << r.us;
    }
    // Milliseconds do not reach the text.
    EXPECT_EQ(dateTimeToText(encodeDateTime(QDate(2020, 2, 3), QTime(9, 5, 7, 999)), kGerman),
              QStringLiteral("03.02.2020 09:05:07"));
    for (const double bad : {std::nan(""), 1e300, -693594.0, 2958466.0})
        EXPECT_THROW(dateTimeToText(bad, kGerman), AppError) << bad;
    for (const char* bad : {"31.02.2020", "03.02.2020 25:00:00", "heute", "", "03.02.-2020", "03.02.10000"})
        EXPECT_THROW(textToDateTime(QString::fromLatin1(bad), kGerman), AppError) << bad;
}

TEST(TextValues, StringsNeedingNoEscapeAreQuotedAsTheyAre) {
    struct Row {
        QString value;
        bool ersetzeEnter;
        QString token;
    };
    const Row rows[] = {
        {QStringLiteral("abc äx"), false, QStringLiteral("\"abc äx\"")},
        {QStringLiteral("a\"b\""), false, QStringLiteral("\"a\"b\"\"")},
        {QString(), false, QStringLiteral("\"\"")},
        {QStringLiteral("50%"), false, QStringLiteral("\"50%\"")},
        {QStringLiteral("a\r\nb"), true,
         QStringLiteral("\"a\x0f\x0e"
                        "b\"")},
        {QStringLiteral("\x0e"), false, QStringLiteral("\"\x0e\"")},
        // Everything else takes the escaped form.
        {QStringLiteral("a;b"), false, QStringLiteral("%\"a%003Bb\"")},
        {QStringLiteral("a\r\nb"), false, QStringLiteral("%\"a%000D%000Ab\"")},
        {QStringLiteral("{x%}"), true, QStringLiteral("%\"%007Bx%0025%007D\"")},
        {QStringLiteral("\x0e"), true, QStringLiteral("%\"%000E\"")},
        {QString(QChar(0xD800)), false, QStringLiteral("%\"%D800\"")},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(quoteText(r.value, r.ersetzeEnter), r.token) << r.token.toStdString();
        EXPECT_EQ(unquoteText(r.token, r.ersetzeEnter), r.value) << r.token.toStdString();
    }
    // Tokens as other writers leave them: the outer characters are dropped whatever they are.
    EXPECT_EQ(unquoteText(QStringLiteral("x"), false), QString());
    EXPECT_EQ(unquoteText(QStringLiteral("'ab'"), false), QStringLiteral("ab"));
    EXPECT_EQ(unquoteText(QStringLiteral("%\"%zz%00\""), false), QStringLiteral("%zz%00"));
}

} // namespace
