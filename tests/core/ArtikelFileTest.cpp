#include "base/AppError.h"
#include "core/Artikel.h"
#include "core/DataModule.h"

#include "ArtikelTestSupport.h"
#include "FakePlatform.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

// The material numbers of the sections "TArtikel_1", "TArtikel_2", ... in file order.
QStringList sectionNumbers(const QByteArray& file) {
    QStringList out;
    const QString text = QString::fromUtf8(file);
    const QRegularExpression re(QStringLiteral("\\[TArtikel_(\\d+)\\]\\r\\nMatNr=([^\\r]*)\\r\\n"));
    int expected = 1;
    for (auto it = re.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        EXPECT_EQ(m.captured(1).toInt(), expected++) << "sections are numbered 1, 2, ... in file order";
        out.append(m.captured(2));
    }
    return out;
}

// One field of every article, in list order.
QStringList fieldOfAll(const TArtikelListe& list, int field) {
    QStringList out;
    for (int i = 0; i < list.Count(); ++i)
        out.append(list.Artikel(i).field(field));
    return out;
}

QByteArray utf16le(const char* text) {
    const QString s = QString::fromUtf8(text);
    return QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char*>(s.utf16()), s.size() * 2);
}

TEST(ArtikelFile, WritesTheExactLayout) {
    ArticleFolder f;
    writeFile(f.articleFile(), "");
    TArtikel a = article(QStringLiteral("1234567"), QStringLiteral("Schraube M4 ä"));
    a.EAN = QStringLiteral("4006381333931");
    a.ZeichnNr = QStringLiteral("00-00-000-000");
    a.IndexZNr = QStringLiteral("00");
    a.Sprache_6 = QStringLiteral("Винт");
    a.Einheit = QStringLiteral("m²");
    a.Pruefung100 = QStringLiteral("true");
    a.SSymbol = QStringLiteral("false");
    f.list().Add(a);
    f.dm->SchreibeArtikelINI();

    const QByteArray expected =
        "\xEF\xBB\xBF"
        "[Anzahl]\r\nAnzahl=1\r\n\r\n"
        "[TArtikel_1]\r\n"
        "MatNr=1234567\r\nBezeichnung=Schraube M4 \xC3\xA4\r\nEAN=4006381333931\r\n"
        "ZeichnNr=00-00-000-000\r\nIndexZNr=00\r\nMQSNr=\r\nIndexMQS=\r\nKSTNr=\r\nIndexKST=\r\n"
        "Sprache_1=\r\nSprache_2=\r\nSprache_3=\r\nSprache_4=\r\nSprache_5=\r\n"
        "Sprache_6=\xD0\x92\xD0\xB8\xD0\xBD\xD1\x82\r\n"
        "Lagerplatz=\r\nStueckzahl=\r\nEinheit=m\xC2\xB2\r\nLieferantenfeld=\r\n"
        "100%_Pruef=true\r\nSicherheit=false\r\n\r\n";
    EXPECT_EQ(readFile(f.articleFile()), expected);
    EXPECT_TRUE(f.dm->slSorted.isEmpty()) << "the sorted list is discarded after the write";
}

TEST(ArtikelFile, SortsMergesAndReadsBackInFileOrder) {
    struct Row {
        const char* name;
        QStringList numbers; // list order; the designation of each is "#" + its position
        QStringList sections;
        QStringList designations; // read back, in section order
    };
    const Row rows[] = {
        {"text order, not numeric", {"999", "1000001", "20"}, {"1000001", "20", "999"}, {"#1", "#2", "#0"}},
        {"later duplicate wins", {"5", "3", "5"}, {"3", "5"}, {"#1", "#2"}},
        {"three of a kind", {"7", "7", "7"}, {"7"}, {"#2"}},
        {"letter case ignored in the order", {"b2", "A1", "a3"}, {"A1", "a3", "b2"}, {"#1", "#2", "#0"}},
        // Numbers that differ only in case sort as equals (first added first) and keep a section each.
        {"case-different numbers both survive", {"ab", "AB"}, {"ab", "AB"}, {"#0", "#1"}},
        {"empty number sorts first", {"1", ""}, {"", "1"}, {"#1", "#0"}},
        {"no articles", {}, {}, {}},
    };
    for (const Row& r : rows) {
        ArticleFolder f;
        writeFile(f.articleFile(), "old");
        for (int i = 0; i < r.numbers.size(); ++i)
            f.list().Add(article(r.numbers[i], QStringLiteral("#%1").arg(i)));
        f.dm->SchreibeArtikelINI();

        const QByteArray file = readFile(f.articleFile());
        EXPECT_TRUE(file.contains("[Anzahl]\r\nAnzahl=" + QByteArray::number(r.sections.size()) + "\r\n\r\n"))
            << r.name;
        EXPECT_EQ(sectionNumbers(file), r.sections) << r.name;

        f.dm->LeseArtikelINI();
        EXPECT_EQ(fieldOfAll(f.list(), 0), r.sections) << r.name;
        EXPECT_EQ(fieldOfAll(f.list(), 1), r.designations) << r.name;
    }
}

TEST(ArtikelFile, ReadsByTheInMemoryIniRules) {
    struct Row {
        const char* name;
        QByteArray file;
        QString countLogged;
        QStringList numbers;      // MatNr of every article read
        QStringList designations; // Bezeichnung of every article read
        const char* error;        // expected AppError text, or nullptr
    };
    const QByteArray one = "[TArtikel_1]\r\nMatNr=11\r\nBezeichnung=eins\r\n";
    const QByteArray two = "[TArtikel_2]\r\nMatNr=22\r\nBezeichnung=zwei\r\n";
    const Row rows[] = {
        {"count 0", "[Anzahl]\r\nAnzahl=0\r\n" + one, "0", {}, {}, nullptr},
        {"count empty", "[Anzahl]\r\nAnzahl=\r\n" + one, "", {}, {}, nullptr},
        {"no count at all", one, "", {}, {}, nullptr},
        {"negative count", "[Anzahl]\r\nAnzahl=-1\r\n" + one, "-1", {}, {}, nullptr},
        {"00 passes the text test but is 0", "[Anzahl]\r\nAnzahl=00\r\n" + one, "00", {}, {}, nullptr},
        {"not an integer", "[Anzahl]\r\nAnzahl=1x\r\n" + one, "1x", {}, {}, "'1x' is not a valid integer value"},
        {"count larger than the sections",
         "[Anzahl]\r\nAnzahl=3\r\n" + one,
         "3",
         {"11", "", ""},
         {"eins", "", ""},
         nullptr},
        {"sections beyond the count ignored", "[Anzahl]\r\nAnzahl=1\r\n" + one + two, "1", {"11"}, {"eins"}, nullptr},
        {"sections in any order", "[Anzahl]\r\nAnzahl=2\r\n" + two + one, "2", {"11", "22"}, {"eins", "zwei"}, nullptr},
        {"blanks, comments and letter case",
         "  ; a comment\r\n\r\n  [ anzahl ]  \r\n ANZAHL = 1 \r\n[tartikel_1]\r\n\t; MatNr=99\r\n  matnr  =  11  \r\n"
         "BEZEICHNUNG=  a = b  \r\n",
         "1",
         {"11"},
         {"a = b"},
         nullptr},
        {"first key and first section win",
         "[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=11\r\nMatNr=12\r\n[TArtikel_1]\r\nMatNr=13\r\nBezeichnung="
         "x\r\n",
         "1",
         {"11"},
         {""},
         nullptr},
        {"lines outside sections and without = ignored",
         "MatNr=0\r\n[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nBezeichnung\r\nMatNr=11\r\n[broken\r\nBezeichnung=y\r\n",
         "1",
         {"11"},
         {"y"},
         nullptr},
        {"section numbers are plain decimals",
         "[Anzahl]\r\nAnzahl=2\r\n[TArtikel_01]\r\nMatNr=1\r\n[TARTIKEL_2]\r\nMatNr=2\r\n",
         "2",
         {"", "2"},
         {"", ""},
         nullptr},
        {"LF and CR line ends",
         "[Anzahl]\nAnzahl=1\r[TArtikel_1]\nMatNr=11\rBezeichnung=eins",
         "1",
         {"11"},
         {"eins"},
         nullptr},
        {"UTF-8 without mark",
         "[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=1\r\nBezeichnung=\xC3\xA4\r\n",
         "1",
         {"1"},
         {QStringLiteral("ä")},
         nullptr},
        {"code page without mark, as older tools wrote it",
         "[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=1\r\nBezeichnung=Fl\xE4nsch m\xB2\r\n",
         "1",
         {"1"},
         {QStringLiteral("Flänsch m²")},
         nullptr},
        {"code page behind a UTF-8 mark",
         "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=1\r\nBezeichnung=Fl\xE4nsch\r\n",
         "1",
         {"1"},
         {QStringLiteral("Flänsch")},
         nullptr},
        {"UTF-16 with mark",
         utf16le("[Anzahl]\nAnzahl=1\n[Tartikel_1]\nMatNr=7\nBezeichnung=\u00e4"),
         "1",
         {"7"},
         {QStringLiteral("\u00e4")},
         nullptr},
        {"a count no file can hold",
         "[Anzahl]\r\nAnzahl=2000000000\r\n" + one,
         "2000000000",
         {},
         {},
         "'2000000000' is not a valid article count"},
    };
    for (const Row& r : rows) {
        ArticleFolder f;
        f.list().Add(article(QStringLiteral("stale")));
        writeFile(f.articleFile(), r.file);
        QString error;
        try {
            f.dm->LeseArtikelINI();
        } catch (const AppError& e) {
            error = e.message();
        }
        EXPECT_EQ(error, QString::fromUtf8(r.error ? r.error : "")) << r.name;
        EXPECT_EQ(fieldOfAll(f.list(), 0), r.numbers) << r.name;
        EXPECT_EQ(fieldOfAll(f.list(), 1), r.designations) << r.name;
        const QStringList log = f.logTexts();
        ASSERT_FALSE(log.isEmpty()) << r.name;
        EXPECT_EQ(log.first(), QStringLiteral("~~~~ COUNT: ") + r.countLogged) << r.name;
        QStringList reading;
        for (const QString& n : r.numbers)
            reading.append(QStringLiteral("~~~~ READING ARTICLE: ") + n);
        EXPECT_EQ(log.mid(1), reading) << r.name;
    }
}

// A write rewrites only what the read took: a file with sections the read
// left out is first kept beside itself, under a name that is never reused.
TEST(ArtikelFile, WriteKeepsAFileWithSectionsNotRead) {
    const QByteArray one = "[TArtikel_1]\r\nMatNr=11\r\n";
    const QByteArray two = "[TArtikel_2]\r\nMatNr=22\r\n";
    struct Row {
        const char* name;
        QByteArray file;
        bool kept;
    } rows[] = {
        {"section added by hand beyond the count", "[Anzahl]\r\nAnzahl=1\r\n" + one + two, true},
        {"count forgotten", one + two, true},
        {"count 0", "[Anzahl]\r\nAnzahl=0\r\n" + one, true},
        {"every section read", "[Anzahl]\r\nAnzahl=2\r\n" + two + one, false},
        {"no file", {}, false},
    };
    const QString backup = QStringLiteral("Artikel.ini.20200203-090507.bak");
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        ArticleFolder f;
        writeFile(f.articleFile(), r.file);
        writeFile(f.folder + backup, "an older backup"); // never overwritten
        f.dm->LeseArtikelINI();
        f.dm->SchreibeArtikelINI();
        const QString second = f.folder + QStringLiteral("Artikel.ini.20200203-090507-2.bak");
        EXPECT_EQ(readFile(f.folder + backup), QByteArray("an older backup"));
        EXPECT_EQ(QFile::exists(second), r.kept);
        if (r.kept) {
            EXPECT_EQ(readFile(second), r.file);
            EXPECT_TRUE(f.logTexts().contains(QStringLiteral("~~~~ SECTIONS NOT READ, PREVIOUS FILE KEPT: ") + second));
        }
        // The file now holds what was read: the next write keeps nothing more.
        f.dm->SchreibeArtikelINI();
        EXPECT_EQ(QDir(f.folder).entryList({QStringLiteral("*.bak")}).size(), r.kept ? 2 : 1);
    }
}

TEST(ArtikelFile, ValuesRoundTripExceptSurroundingBlanks) {
    ArticleFolder f;
    writeFile(f.articleFile(), "");
    TArtikel a;
    for (int i = 0; i < TArtikel::FieldCount; ++i)
        a.field(i) = QStringLiteral("v%1 ä€😀 = ;[x]").arg(i);
    a.MaterialNr = QStringLiteral("1000001");
    a.Benennung = QStringLiteral("   blanks before and after \t ");
    a.Lieferantenfeld = QStringLiteral("; not a comment");
    f.list().Add(a);
    f.dm->SchreibeArtikelINI();
    f.dm->LeseArtikelINI();

    ASSERT_EQ(f.list().Count(), 1);
    TArtikel expected = a;
    expected.Benennung = QStringLiteral("blanks before and after");
    EXPECT_EQ(f.list().Artikel(0), expected);
}

TEST(ArtikelFile, LineBreakInAValueCannotAddKeysOrSections) {
    ArticleFolder f;
    writeFile(f.articleFile(), "");
    TArtikel a = article(QStringLiteral("1111111"), QStringLiteral("Teil\r\nEAN=666\r[TArtikel_2]\nMatNr=evil"));
    a.EAN = QStringLiteral("4006381333931");
    f.list().Add(a);
    f.list().Add(article(QStringLiteral("2222222"), QStringLiteral("zwei")));
    f.dm->SchreibeArtikelINI();
    f.dm->LeseArtikelINI();

    ASSERT_EQ(f.list().Count(), 2);
    EXPECT_EQ(f.list().Artikel(0).Benennung, QStringLiteral("Teil EAN=666 [TArtikel_2] MatNr=evil"));
    EXPECT_EQ(f.list().Artikel(0).EAN, QStringLiteral("4006381333931"));
    EXPECT_EQ(f.list().Artikel(1).MaterialNr, QStringLiteral("2222222"));
    EXPECT_EQ(f.list().Artikel(1).Benennung, QStringLiteral("zwei"));
}

TEST(ArtikelFile, WorkingCopyIsReadButNeverWritten) {
    struct Row {
        const char* name;
        QByteArray workingCopy;
        QString designation;
    };
    const Row rows[] = {
        {"no mark: Windows-1252",
         "[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=5\r\nBezeichnung=Gr\xF6\xDF"
         "e \x80\r\n",
         QStringLiteral("Größe €")},
        {"UTF-8 mark",
         "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=5\r\nBezeichnung=Gr\xC3\xB6\xC3\x9F"
         "e\r\n",
         QStringLiteral("Größe")},
    };
    for (const Row& r : rows) {
        ArticleFolder f;
        const QString workingCopy = f.folder + QStringLiteral("open_Artikel.ini");
        writeFile(workingCopy, r.workingCopy);
        f.dm->LeseArtikelINI();
        ASSERT_EQ(f.list().Count(), 1) << r.name;
        EXPECT_EQ(f.list().Artikel(0).Benennung, r.designation) << r.name;

        f.list().Artikel(0).Benennung = QStringLiteral("changed");
        f.dm->SchreibeArtikelINI();
        EXPECT_FALSE(QFile::exists(f.articleFile())) << r.name;
        EXPECT_EQ(readFile(workingCopy), r.workingCopy) << r.name;
    }
}

TEST(ArtikelFile, FileTakenAsWorkingCopyDuringTheWriteIsNotRecreated) {
    ArticleFolder f;
    const QByteArray before = "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=0\r\n\r\n";
    writeFile(f.articleFile(), before);
    const QString workingCopy = f.folder + QStringLiteral("open_Artikel.ini");
    // Another workstation opens its editor after the write has begun: the
    // second look at the article file finds it moved to the working copy.
    int looks = 0;
    f.platform->beforeFileExists = [&](const QString& path) {
        if (path == f.articleFile() && ++looks == 2)
            QFile::rename(path, workingCopy);
    };
    f.list().Add(article(QStringLiteral("1234567"), QStringLiteral("neu")));
    f.dm->SchreibeArtikelINI();

    EXPECT_EQ(QDir(f.folder).entryList(QDir::Files), QStringList(QStringLiteral("open_Artikel.ini")))
        << "no new Artikel.ini beside the working copy, no temporary file";
    EXPECT_EQ(readFile(workingCopy), before);
}

TEST(ArtikelFile, EditorsWorkingCopyIsReadAndWrittenAsTheCurrentFile) {
    ArticleFolder f;
    f.dm->sAktArtikelliste = QStringLiteral("open_Artikel.ini");
    const QString workingCopy = f.folder + QStringLiteral("open_Artikel.ini");
    writeFile(workingCopy, "");
    f.list().Add(article(QStringLiteral("5"), QStringLiteral("Größe")));
    f.dm->SchreibeArtikelINI();
    EXPECT_TRUE(readFile(workingCopy).startsWith("\xEF\xBB\xBF[Anzahl]\r\nAnzahl=1\r\n"));
    EXPECT_FALSE(QFile::exists(f.articleFile()));
    f.dm->LeseArtikelINI();
    ASSERT_EQ(f.list().Count(), 1);
    EXPECT_EQ(f.list().Artikel(0).Benennung, QStringLiteral("Größe"));
}

TEST(ArtikelFile, MissingFilesGiveAnEmptyListAndNoWrite) {
    ArticleFolder f;
    f.list().Add(article(QStringLiteral("1")));
    f.dm->LeseArtikelINI();
    EXPECT_EQ(f.list().Count(), 0);
    f.list().Add(article(QStringLiteral("1")));
    f.dm->SchreibeArtikelINI();
    EXPECT_EQ(QDir(f.folder).entryList(QDir::Files), QStringList());
}

TEST(ArtikelFile, FailedWriteKeepsThePreviousFile) {
    ArticleFolder f;
    const QByteArray previous = "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=0\r\n\r\n";
    writeFile(f.articleFile(), previous);
    for (int i = 0; i < 2000; ++i)
        f.list().Add(article(QString::number(1000000 + i), QStringLiteral("a designation that takes room")));
    {
        FileSizeLimit limit(16 * 1024);
        EXPECT_THROW(f.dm->SchreibeArtikelINI(), AppError);
    }
    EXPECT_EQ(readFile(f.articleFile()), previous);
    EXPECT_EQ(QDir(f.folder).entryList(QDir::Files), QStringList(QStringLiteral("Artikel.ini")))
        << "no temporary file is left behind";
}

TEST(ArtikelListe, IndexesAndMaterialNumberBox) {
    struct Box : MaterialNumberList {
        QStringList items{QStringLiteral("old")};
        int clears = 0;
        void clearAll() override {
            items.clear();
            ++clears;
        }
        void addItem(const QString& text) override { items.append(text); }
    };
    TArtikelListe list;
    Box box;
    list.Fuelle_Materialnummer(box);
    EXPECT_EQ(box.clears, 1);
    EXPECT_TRUE(box.items.isEmpty());

    list.Add(article(QStringLiteral("3")));
    list.Add(article(QStringLiteral("1")));
    list.Add(article(QStringLiteral("2")));
    list.Delete(1);
    list.Fuelle_Materialnummer(box);
    EXPECT_EQ(box.items, QStringList({QStringLiteral("3"), QStringLiteral("2")}));
    EXPECT_THROW(list.Artikel(2), AppError);
    EXPECT_THROW(list.Artikel(-1), AppError);
    EXPECT_THROW(list.Delete(2), AppError);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
