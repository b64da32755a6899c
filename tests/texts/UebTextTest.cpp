#include "texts/UebText.h"
#include "base/AppError.h"

#include "FakePlatform.h"
#include "ScopedCatalogue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

#include <optional>

using namespace zw;
using zw::test::readFile;
using zw::test::ScopedFakePlatform;
using zw::test::writeFile;

namespace {

const QString kFallback = QStringLiteral("<fallback>");

// Each test gets a fake platform and a fresh global catalogue.
class Catalogue : public ::testing::Test {
protected:
    zw::test::ScopedCatalogue catalogue;

    void load(const QByteArray& bytes) {
        const QString path = fake.root() + QStringLiteral("lang.txt");
        writeFile(path, bytes);
        UebTextListe->Loadfromfile(path);
    }
    QStringList numberTexts() const {
        QStringList out;
        for (int i = 0; i < UebTextListe->Count(); ++i)
            out << UebTextListe->NumberText(i);
        return out;
    }

    ScopedFakePlatform fake;
};

TEST_F(Catalogue, LooksUpOnlyThePlainDecimalNumberTextOfTheFirstLine) {
    struct Row {
        const char* name;
        QByteArray file;
        int tag;
        QString expected; // kFallback: not found
    };
    const Row rows[] = {
        {"plain number", "320=Ordner w\xE4hlen\r\n", 320, QStringLiteral("Ordner wählen")},
        {"leading zero is another number", "0320=x\r\n", 320, kFallback},
        {"blank before the number", " 320=x\r\n", 320, kFallback},
        {"blank after the number", "320 =x\r\n", 320, kFallback},
        {"first of two lines counts", "400=first\r\n400=second\r\n", 400, QStringLiteral("first")},
        {"split at the first equals sign", "401=a=b\r\n", 401, QStringLiteral("a=b")},
        {"text is not trimmed", "5= text \t\r\n", 5, QStringLiteral(" text \t")},
        {"empty text is a text", "5=\r\n", 5, QString()},
        {"negative numbers are found as written", "-5=minus\r\n", -5, QStringLiteral("minus")},
        {"line without equals sign has no number", "207\r\n", 207, kFallback},
        {"LF line ends", "1=a\n2=b\n", 2, QStringLiteral("b")},
        {"CR line ends", "1=a\r2=b\r", 2, QStringLiteral("b")},
        {"no mark: Windows-1252", "1=\x80 m\xB2\r\n", 1, QStringLiteral("€ m²")},
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "1=\xE2\x82\xAC\r\n",
         1, QStringLiteral("€")},
        {"UTF-16 LE mark",
         QByteArray("\xFF\xFE"
                    "1\0=\0\xAC\x20\r\0\n\0",
                    12),
         1, QStringLiteral("€")},
        {"UTF-16 BE mark",
         QByteArray("\xFE\xFF\0"
                    "1\0=\x20\xAC",
                    8),
         1, QStringLiteral("€")},
        {"the mark is not part of the first number",
         "\xEF\xBB\xBF"
         "7=x",
         7, QStringLiteral("x")},
    };
    for (const Row& r : rows) {
        load(r.file);
        EXPECT_EQ(GibText(r.tag, kFallback), r.expected) << r.name;
        EXPECT_EQ(GibHintText(r.tag, kFallback), r.expected) << r.name;
    }
}

TEST_F(Catalogue, KeepsTheFirstLineWithoutEqualsSignUnderAnEmptyNumber) {
    load("first free line\r\n1=a\r\nsecond free line\r\n\r\n");
    ASSERT_EQ(numberTexts(), QStringList({QString(), QStringLiteral("1")}));
    EXPECT_EQ(UebTextListe->UebText(0).sText, QStringLiteral("first free line"));
}

TEST_F(Catalogue, SortsNumberTextsAsTextIgnoringLetterCase) {
    load("9=a\r\n100=b\r\nb=c\r\n10=d\r\nA=e\r\nB=f\r\na=g\r\n");
    EXPECT_EQ(numberTexts(), QStringList({QStringLiteral("10"), QStringLiteral("100"), QStringLiteral("9"),
                                          QStringLiteral("A"), QStringLiteral("b")}));
    // "B" and "a" collide with "b" and "A" and are dropped.
    EXPECT_EQ(UebTextListe->UebText(4).sText, QStringLiteral("c"));
    EXPECT_EQ(UebTextListe->UebText(3).sText, QStringLiteral("e"));
}

TEST_F(Catalogue, LoadingEmptiesTheCatalogueEvenWhenTheFileIsMissing) {
    load("1=a\r\n2=b\r\n");
    load("3=c\r\n");
    EXPECT_EQ(GibText(1, kFallback), kFallback);
    EXPECT_EQ(GibText(3, kFallback), QStringLiteral("c"));
    UebTextListe->Loadfromfile(fake.root() + QStringLiteral("missing.txt"));
    EXPECT_EQ(UebTextListe->Count(), 0);
}

TEST_F(Catalogue, HighestNumberIgnoresHintsAndFailsOnNonNumbers) {
    struct Row {
        const char* name;
        QByteArray file;
        std::optional<int> expected; // nullopt: conversion error
    };
    const Row rows[] = {
        {"hint numbers are skipped", "5=a\r\n310=b\r\n50201=c\r\n", 310},
        {"empty catalogue", "", -1},
        {"only hints", "50000=a\r\n50267=b\r\n", -1},
        {"just below the hint range", "49999=a\r\n50000=b\r\n", 49999},
        {"text order is not number order", "9=a\r\n10=b\r\n", 10},
        {"negative numbers never win", "-3=a\r\n", -1},
        {"line without equals sign", "5=a\r\nno number\r\n", std::nullopt},
        {"letters", "5=a\r\nx1=b\r\n", std::nullopt},
    };
    for (const Row& r : rows) {
        load(r.file);
        if (r.expected) {
            EXPECT_EQ(UebTextListe->HoechsteNummer(), *r.expected) << r.name;
        } else {
            EXPECT_THROW(UebTextListe->HoechsteNummer(), AppError) << r.name;
        }
    }
}

TEST_F(Catalogue, EnsuringATextReusesItsNumberOrAddsItAfterTheHighest) {
    struct Row {
        const char* name;
        QString text;
        int number;
        int count; // entries afterwards
    };
    const Row rows[] = {
        {"new text", QStringLiteral("neu"), 311, 4},
        {"stored text", QStringLiteral("alpha"), 5, 3},
        {"letter case counts", QStringLiteral("Alpha"), 311, 4},
        {"text stored under a hint number", QStringLiteral("gamma"), 50201, 3},
    };
    for (const Row& r : rows) {
        load("5=alpha\r\n310=beta\r\n50201=gamma\r\n");
        EXPECT_EQ(UebTextListe->SorgeDafuerDasTextDrinIst(r.text), r.number) << r.name;
        EXPECT_EQ(UebTextListe->Count(), r.count) << r.name;
        EXPECT_EQ(GibText(r.number, kFallback), r.text) << r.name;
    }
    load("no number=x\r\n");
    EXPECT_THROW(UebTextListe->SorgeDafuerDasTextDrinIst(QStringLiteral("y")), AppError);
}

TEST_F(Catalogue, SavesEntriesInCatalogueOrderInTheCodePageWhenTheyFit) {
    load("\xEF\xBB\xBF"
         "9=K\xC3\xBChl \xE2\x82\xAC\r\n10=a=b\r\nfree\r\n");
    const QString path = fake.root() + QStringLiteral("saved.txt");
    UebTextListe->Savetofile(path);
    EXPECT_EQ(readFile(path), QByteArray("=free\r\n10=a=b\r\n9=K\xFChl \x80\r\n"));
}

TEST_F(Catalogue, SavesTextsBeyondTheCodePageAsUtf8WithoutLosingThem) {
    UebTextListe->Add(QStringLiteral("1"), QStringLiteral("≤ 0,23"));
    UebTextListe->Add(QStringLiteral("2"), QStringLiteral("Этикетка"));
    const QString path = fake.root() + QStringLiteral("saved.txt");
    UebTextListe->Savetofile(path);
    EXPECT_TRUE(readFile(path).startsWith("\xEF\xBB\xBF"));
    UebTextListe->Loadfromfile(path);
    EXPECT_EQ(GibText(1, kFallback), QStringLiteral("≤ 0,23"));
    EXPECT_EQ(GibText(2, kFallback), QStringLiteral("Этикетка"));
}

TEST_F(Catalogue, RejectsIndexesOutsideTheList) {
    load("1=a\r\n2=b\r\n");
    EXPECT_THROW(UebTextListe->UebText(2), AppError);
    EXPECT_THROW(UebTextListe->NumberText(-1), AppError);
    EXPECT_THROW(UebTextListe->Delete(2), AppError);
    UebTextListe->Delete(0);
    EXPECT_EQ(numberTexts(), QStringList(QStringLiteral("2")));
}

TEST_F(Catalogue, LanguageComesFromTheProgramFolderAndNeverRaises) {
    writeFile(fake->program + QStringLiteral("SpracheGB.txt"), "207=Print\r\n");
    writeFile(fake->current + QStringLiteral("SpracheGB.txt"), "207=Wrong folder\r\n");
    LadeSprache(QStringLiteral("GB"));
    EXPECT_EQ(GibText(207, kFallback), QStringLiteral("Print"));

    LadeSprache(QStringLiteral("XX"));
    EXPECT_EQ(UebTextListe->Count(), 0);
    EXPECT_EQ(GibText(207, kFallback), kFallback);

    FreeTextCatalogue();
    EXPECT_EQ(GibText(207, kFallback), kFallback);
    LadeSprache(QStringLiteral("GB"));
    EXPECT_EQ(GibText(207, kFallback), QStringLiteral("Print"));
}

// Qt's own texts (message box buttons, file dialogs) switch with the language.
TEST_F(Catalogue, LoadingALanguageSwitchesQtsOwnTexts) {
    const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
    LadeSprache(QStringLiteral("D"));
    EXPECT_EQ(yes(), QStringLiteral("&Ja")) << "Qt's German translations are installed (qt6-translations-l10n)";
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
    LadeSprache(QStringLiteral("GB"));
    EXPECT_EQ(yes(), QStringLiteral("&Yes"));
    LadeSprache(QStringLiteral("D"));
    EXPECT_EQ(yes(), QStringLiteral("&Ja"));
    LadeSprache(QStringLiteral("GB"));
}

TEST_F(Catalogue, ProgramStartReadsGermanFromTheCurrentFolder) {
    FreeTextCatalogue();
    writeFile(fake->current + QStringLiteral("SpracheD.txt"), "207=Drucken\r\n");
    writeFile(fake->program + QStringLiteral("SpracheD.txt"), "207=Programmordner\r\n");
    CreateTextCatalogue();
    ASSERT_NE(UebTextListe, nullptr);
    EXPECT_EQ(GibText(207, kFallback), QStringLiteral("Drucken"));
}

} // namespace
