// The template files as the label builder reads them: plain RTF on the
// label's paper, every placeholder of the kind once per label and unbroken.

#include "ResourceTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace zw::test {
namespace {

// Empty when every group closes and the document is one group; else what is wrong.
QString groupProblem(const QByteArray& rtf) {
    int depth = 0;
    const qsizetype last = rtf.trimmed().size() - 1;
    for (qsizetype i = 0; i <= last; ++i) {
        const char c = rtf.at(i);
        if (c == '\\') {
            ++i; // an escaped brace or backslash is text
        } else if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth < 0)
                return QStringLiteral("'}' without '{' at offset %1").arg(i);
            if (depth == 0 && i != last)
                return QStringLiteral("text after the document's group at offset %1").arg(i);
        }
    }
    return depth == 0 ? QString() : QStringLiteral("%1 group(s) never closed").arg(depth);
}

int twips(double mm) {
    return int(std::lround(mm * 1440 / 25.4));
}

TEST(LabelTemplates, AreWellFormedRtfOnTheirPaper) {
    for (const TemplateCase& t : labelTemplates()) {
        SCOPED_TRACE(t.file.toStdString());
        const QByteArray rtf = readResource(t.file);
        ASSERT_FALSE(rtf.isEmpty()) << "missing or empty";
        EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        EXPECT_EQ(groupProblem(rtf).toStdString(), "");
        EXPECT_TRUE(std::all_of(rtf.begin(), rtf.end(), [](char c) { return c > 0; }))
            << "characters past ASCII must be written as escapes";
        EXPECT_TRUE(rtf.contains("Arial;"));

        const auto paper = QRegularExpression("\\\\paperw(\\d+)\\\\paperh(\\d+)").match(QString::fromLatin1(rtf));
        ASSERT_TRUE(paper.hasMatch()) << "no paper size: the word processor would use US Letter";
        EXPECT_NEAR(paper.captured(1).toInt(), twips(t.paperWidthMm), 2);
        EXPECT_NEAR(paper.captured(2).toInt(), twips(t.paperHeightMm), 2);
        EXPECT_EQ(rtf.contains("\\landscape"), t.paperWidthMm > t.paperHeightMm);
    }
}

TEST(LabelTemplates, HoldEachPlaceholderOfTheirKindUnbrokenOncePerLabel) {
    for (const TemplateCase& t : labelTemplates()) {
        SCOPED_TRACE(t.file.toStdString());
        const QByteArray rtf = readResource(t.file);
        ASSERT_FALSE(rtf.isEmpty()) << "missing or empty";
        for (const int number : t.placeholders) {
            const QByteArray key = QStringLiteral("@%1").arg(number, 2, 10, QLatin1Char('0')).toLatin1();
            EXPECT_EQ(rtf.count(key), t.copies()) << key.constData();
        }
        // Any other "@" is a placeholder split by formatting or one the label
        // never fills: either would stand on the printed label as it is.
        EXPECT_EQ(rtf.count('@'), qsizetype(t.copies() * t.placeholders.size()));
    }
}

// The templates are written from the layout descriptions; one edited by hand,
// or a description changed without writing them again, would let the printed
// label and the form's picture of it drift apart.
TEST(LabelTemplates, AreWhatTheGeneratorMakesOfTheLayoutDescriptions) {
    QStringList described;
    for (const LabelLayout& layout : labelLayouts()) {
        for (const LayoutSheet& sheet : layout.sheets) {
            described << sheet.file;
            EXPECT_TRUE(readResource(sheet.file) == templateRtf(layout, sheet))
                << sheet.file.toStdString()
                << " differs from its description: cmake --build build --target templates writes it again";
        }
    }
    QStringList installed = QDir(resourcePath(QString())).entryList({QStringLiteral("Vorlage*.rtf")}, QDir::Files);
    described.sort();
    installed.sort();
    EXPECT_EQ(installed, described) << "every template comes from a description";
    QStringList expected;
    for (const TemplateCase& t : labelTemplates())
        expected << t.file;
    expected.sort();
    EXPECT_EQ(described, expected);
}

} // namespace
} // namespace zw::test
