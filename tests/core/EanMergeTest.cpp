#include "base/AppError.h"
#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/EanList.h"

#include "ArtikelTestSupport.h"
#include "EanMergeReference.h"
#include "FakePlatform.h"

#include <QDir>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <optional>

using namespace zw;
using namespace zw::test;

namespace {

const QString kNone = QStringLiteral("00-00-000-000");

// An article as the label forms know it before the merge; the fields the list
// never sets carry values so a test sees them survive.
TArtikel existing(const QString& materialNr) {
    TArtikel a = article(materialNr, QStringLiteral("alt"));
    a.EAN = QStringLiteral("1111111111111");
    a.Kelblagerplatz = QStringLiteral("L-01");
    a.Stueckzahl = QStringLiteral("25");
    a.Einheit = QStringLiteral("Stk");
    a.Lieferantenfeld = QStringLiteral("frei");
    a.Pruefung100 = QStringLiteral("true");
    a.SSymbol = QStringLiteral("false");
    return a;
}

// Writes the articles into Artikel.ini and the lines into the EAN list, runs the merge.
void merge(ArticleFolder& f, const QList<TArtikel>& articles, const QByteArray& list) {
    writeFile(f.articleFile(), "");
    for (const TArtikel& a : articles)
        f.list().Add(a);
    f.dm->SchreibeArtikelINI();
    f.dm->LeseArtikelINI();
    writeFile(f.eanList(), list);
    f.dm->sLogger.clear();
    f.dm->AktualisiereDatensaetze();
}

TEST(EanMerge, TakesTheFieldsOfTheLastMatchingLine) {
    // The article after the merge: `fields` are Benennung, EAN, the three numbers
    // with their indexes and the six languages, in the table's order.
    auto taken = [](const QStringList& fields, const QString& nr = QStringLiteral("1234567")) {
        TArtikel a = existing(nr);
        for (int f = 0; f < 14; ++f)
            a.field(f + 1) = fields.at(f);
        return a;
    };
    const QString full = QStringLiteral("@Schraube@4006381333931@11-22-333-444@01@22-33-444-555@02@33-44-555-666@03"
                                        "@de@en@fr@es@ru@xx");
    const QStringList fullFields = {"Schraube",
                                    "4006381333931",
                                    "11-22-333-444",
                                    "01",
                                    "22-33-444-555",
                                    "02",
                                    "33-44-555-666",
                                    "03",
                                    "de",
                                    "en",
                                    "fr",
                                    "es",
                                    "ru",
                                    "xx"};
    auto defaultsWith = [&](const QString& benennung, const QString& sprache6) {
        return taken({benennung, "", kNone, "00", kNone, "00", kNone, "00", "", "", "", "", "", sprache6});
    };
    const QString fifty = QStringLiteral("0123456789").repeated(5);
    const QString eighty = QStringLiteral("abcdefghij").repeated(8);

    struct Row {
        const char* name;
        QString materialNr;
        QString lines;
        TArtikel expected;
    };
    const Row rows[] = {
        {"last 7 characters of the key", "1234567", "000000000001234567" + full, taken(fullFields)},
        {"key equal to the number", "1234567", "1234567" + full, taken(fullFields)},
        {"shorter key compared whole", "1234567", "234567" + full, existing("1234567")},
        {"10-character number", "1234567890", "XY-1234567890" + full, taken(fullFields, "1234567890")},
        {"10-character number, key ends otherwise", "1234567890", "1234567890-1" + full, existing("1234567890")},
        {"8 characters are never changed", "12345678", "12345678" + full, existing("12345678")},
        {"6 characters are never changed", "123456", "123456" + full, existing("123456")},
        {"line without @ never matches", "1234567", "1234567", existing("1234567")},
        {"blank numbers and indexes get defaults", "1234567", "1234567@Teil@@@  @ @@\t@@@", defaultsWith("Teil", "")},
        {"three fields: the third goes to language 6", "1234567", "1234567@ Teil @Rest", defaultsWith("Teil", "Rest")},
        {"designation trimmed, then cut to 40", "1234567", "1234567@  " + fifty + "  @4006381333931",
         defaultsWith(fifty.left(40), "4006381333931")},
        {"languages trimmed, then cut to 72", "1234567",
         "1234567@T@E@Z@I@M@J@K@L@ " + eighty + "@" + eighty + "@3@4@5@ " + eighty + " @ignored",
         taken({"T", "E", "Z", "I", "M", "J", "K", "L", eighty.left(72), eighty.left(72), "3", "4", "5",
                eighty.left(72)})},
        {"a cut never splits a surrogate pair", "1234567",
         QStringLiteral("\uFEFF1234567@") + QString(39, QLatin1Char('a')) + QStringLiteral("\U0001F600@4006381333931"),
         defaultsWith(QString(39, QLatin1Char('a')), "4006381333931")},
        {"later matching line wins", "1234567", "1234567" + full + "\r\nA1234567@Zweite@\r\n0000000@Andere@",
         defaultsWith("Zweite", "")},
        {"a later line of another article does not count", "1234567", "1234567@Erste@\r\n7654321@Zweite@",
         defaultsWith("Erste", "")},
    };
    for (const Row& r : rows) {
        ArticleFolder f;
        merge(f, {existing(r.materialNr)}, r.lines.toUtf8());
        ASSERT_EQ(f.list().Count(), 1) << r.name;
        EXPECT_EQ(f.list().Artikel(0), r.expected) << r.name;
        EXPECT_EQ(f.logTexts().first(), QStringLiteral("~~~~~~~ UPDATE ARTICLE: ") + r.materialNr) << r.name;
    }
}

// Articles and a list full of near misses: numbers of every length, keys that
// end in a number or in part of one, duplicate lines, lines with few fields,
// blank and overlong fields, empty lines and lines without "@".
struct GeneratedData {
    QList<TArtikel> articles;
    QStringList lines;

    explicit GeneratedData(quint32 seed, int articleCount, int lineCount) {
        QRandomGenerator rng(seed);
        auto digits = [&](int n) {
            QString s;
            for (int i = 0; i < n; ++i)
                s += QChar(u'0' + rng.bounded(10));
            return s;
        };
        auto text = [&](int maxLength) {
            static const QString alphabet = QStringLiteral("abcXYZ äöü€Ωß-/ 0123456789\t");
            QString s;
            const int n = rng.bounded(maxLength + 1);
            for (int i = 0; i < n; ++i)
                s += alphabet.at(rng.bounded(int(alphabet.size())));
            return s;
        };
        QStringList numbers;
        const int lengths[] = {7, 7, 7, 10, 10, 6, 8, 9, 11, 0};
        for (int i = 0; i < articleCount; ++i) {
            // Every fifth number repeats an earlier one.
            const QString nr = (i % 5 == 4 && !numbers.isEmpty()) ? numbers.at(rng.bounded(int(numbers.size())))
                                                                  : digits(lengths[rng.bounded(10)]);
            numbers.append(nr);
            TArtikel a = existing(nr);
            a.Benennung = text(12);
            articles.append(a);
        }
        for (int i = 0; i < lineCount; ++i) {
            const QString& nr = numbers.at(rng.bounded(int(numbers.size())));
            QString key;
            switch (rng.bounded(6)) {
            case 0:
                key = digits(rng.bounded(12)) + nr;
                break; // ends in the number
            case 1:
                key = nr;
                break; // the number itself
            case 2:
                key = nr.right(rng.bounded(int(nr.size()) + 1));
                break; // part of it: too short
            case 3:
                key = digits(rng.bounded(14));
                break; // anything
            case 4:
                key = nr + digits(1 + rng.bounded(2));
                break; // number with a tail
            default:
                key = QStringLiteral("ABC-") + digits(3) + nr.right(7);
                break; // the 7-digit end of a longer one
            }
            switch (rng.bounded(12)) {
            case 0:
                lines.append(QString());
                continue;
            case 1:
                lines.append(key + text(20));
                continue; // no "@"
            default:
                break;
            }
            QString line = key;
            const int fields = rng.bounded(18);
            for (int f = 0; f < fields; ++f)
                line += QLatin1Char('@') + (rng.bounded(4) == 0 ? QString(rng.bounded(3), QLatin1Char(' '))
                                                                : text(f == 0  ? 60
                                                                       : f > 8 ? 90
                                                                               : 15));
            lines.append(line);
        }
    }
};

TEST(EanMerge, GivesTheSameArticlesAsTheRuleOnGeneratedData) {
    struct Row {
        quint32 seed;
        TextEncoding encoding;
        bool mark;
        const char* lineEnd;
    };
    const Row rows[] = {
        {1, TextEncoding::Utf8, true, "\r\n"},       {2, TextEncoding::Windows1252, false, "\r\n"},
        {3, TextEncoding::Utf16LE, true, "\n"},      {4, TextEncoding::Utf16BE, true, "\r"},
        {5, TextEncoding::Windows1252, false, "\n"}, {6, TextEncoding::Utf8, true, "\r"},
    };
    for (const Row& r : rows) {
        const GeneratedData data(r.seed, 250, 2500);
        QString text = data.lines.join(QLatin1String(r.lineEnd));
        if (r.seed % 2)
            text += QLatin1String(r.lineEnd); // with and without a final line end
        QByteArray bytes = encodeText(text, r.encoding);
        if (r.mark)
            bytes.prepend(encodeLines({}, r.encoding, true));

        ArticleFolder fast;
        merge(fast, data.articles, bytes);

        // The rule on the same lines as the text-file reader gives them, then through the same file.
        ArticleFolder reference;
        writeFile(reference.articleFile(), "");
        for (const TArtikel& a : data.articles)
            reference.list().Add(a);
        reference.dm->SchreibeArtikelINI();
        reference.dm->LeseArtikelINI();
        referenceMerge(reference.list(), decodeTextFile(bytes).lines);
        reference.dm->SchreibeArtikelINI();
        reference.dm->LeseArtikelINI();

        ASSERT_GT(fast.list().Count(), 150) << r.seed;
        EXPECT_EQ(articlesOf(fast.list()), articlesOf(reference.list())) << "seed " << r.seed;
        EXPECT_EQ(readFile(fast.articleFile()), readFile(reference.articleFile())) << "seed " << r.seed;

        int changed = 0;
        for (int i = 0; i < fast.list().Count(); ++i)
            changed += fast.list().Artikel(i).EAN != existing(QString()).EAN ? 1 : 0;
        EXPECT_GT(changed, 40) << "the data must exercise matches, seed " << r.seed;
    }
}

TEST(EanMerge, LogsEveryArticleInListOrder) {
    ArticleFolder f;
    merge(f, {existing("2"), existing("1234567"), existing("1")}, "1234567@x\r\n");
    EXPECT_EQ(f.logTexts().mid(0, 3), QStringList({"~~~~~~~ UPDATE ARTICLE: 1", "~~~~~~~ UPDATE ARTICLE: 1234567",
                                                   "~~~~~~~ UPDATE ARTICLE: 2"}));
    EXPECT_EQ(f.logTexts().at(3), QStringLiteral("~~~~ COUNT: 3")) << "then the article file is read back";
}

TEST(EanMerge, ReadsTheListInPiecesLikeTheWholeFile) {
    const qsizetype piece = 1 << 20; // the reader's piece size
    auto at = [](qsizetype offset, const QByteArray& middle, char fill = 'a') {
        QByteArray b(offset, fill);
        b += middle;
        b += QByteArray(50, 'z');
        return b;
    };
    struct Row {
        const char* name;
        QByteArray bytes;
    };
    const Row rows[] = {
        {"empty file", ""},
        {"only a mark", "\xEF\xBB\xBF"},
        {"short file without line end", "a@b"},
        {"CR LF across the piece boundary", at(piece - 1, "\r\nnext")},
        {"CR at the end of a piece, no LF", at(piece - 1, "\rnext")},
        {"LF at the start of a piece", at(piece, "\nnext")},
        {"empty lines across the boundary", at(piece - 2, "\r\n\r\n\r\r\n\n")},
        {"UTF-8 character split by the boundary", "\xEF\xBB\xBF" + at(piece - 4, "\xE2\x82\xAC\r\nx")},
        {"UTF-16 surrogate pair and CR LF split by the boundary",
         encodeLines({QString(int(piece / 2) - 2, QChar(u'\x20AC')) + QStringLiteral("😀"),
                      QString(int(piece / 2) - 1, QChar(u'x')), QStringLiteral("dritte")},
                     TextEncoding::Utf16LE, true)},
        {"a line longer than three pieces", at(3 * piece + 7, "\nshort\n", '@')},
        {"Windows-1252 bytes", at(piece - 1, "\x80\r\n\xE4")},
        {"UTF-8 cut inside the last character", "\xEF\xBB\xBF"
                                                "a\r\nb\xE2\x82"},
        {"UTF-8 invalid bytes across the boundary", "\xEF\xBB\xBF" + at(piece - 4, "\xE2\x82\xFF\x80\xC3")},
        {"UTF-16 with a lone byte after the last line end", QByteArray("\xFF\xFE"
                                                                       "a\0\n\0c",
                                                                       7)},
        {"UTF-16 mark and a lone byte", QByteArray("\xFF\xFE"
                                                   "c",
                                                   3)},
        {"UTF-16 with an odd byte at the end", QByteArray("\xFF\xFE"
                                                          "a\0\n\0b\0c",
                                                          9)},
    };
    // Random bytes rich in line ends and broken characters, over several pieces, behind each mark.
    auto noise = [](quint32 seed, const QByteArray& mark) {
        static const char alphabet[] = {'a',        '@',        '\r',       '\n',       '\0',
                                        char(0xE2), char(0x82), char(0xAC), char(0xC3), char(0xFF),
                                        char(0xF0), char(0x9F), char(0xD8), char(0xDC)};
        QRandomGenerator rng(seed);
        QByteArray b = mark;
        const qsizetype n = 2 * (1 << 20) + qsizetype(rng.bounded(4096));
        for (qsizetype i = 0; i < n; ++i)
            b.append(alphabet[rng.bounded(int(sizeof alphabet))]);
        return b;
    };
    const Row generated[] = {
        {"noise without mark", noise(1, "")},
        {"noise behind a UTF-8 mark", noise(2, "\xEF\xBB\xBF")},
        {"noise behind a UTF-16 LE mark", noise(3, "\xFF\xFE")},
        {"noise behind a UTF-16 BE mark", noise(4, "\xFE\xFF")},
    };
    std::vector<Row> all(std::begin(rows), std::end(rows));
    all.insert(all.end(), std::begin(generated), std::end(generated));
    for (const Row& r : all) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("list.txt"));
        writeFile(path, r.bytes);
        QStringList lines;
        forEachTextLine(path, [&](QStringView l) { lines.append(l.toString()); });
        EXPECT_EQ(lines, decodeTextFile(r.bytes).lines) << r.name;
    }
}

TEST(EanMerge, BadListsNeverHarmTheArticleFile) {
    QByteArray garbage;
    QRandomGenerator rng(7);
    for (int i = 0; i < 200000; ++i)
        garbage.append(char(rng.bounded(256)));
    garbage.append("\r\n1234567@nach dem M\xFCll@");

    struct Row {
        const char* name;
        QByteArray list;
        QString designation; // of article 1234567 afterwards
    };
    const Row rows[] = {
        {"random bytes", garbage, QStringLiteral("nach dem Müll")},
        {"only empty lines", "\r\n\r\n\n\r", QStringLiteral("alt")},
        {"lines without @", "1234567\r\n1234567 Teil\r\n", QStringLiteral("alt")},
        {"cut off inside the last line", "1234567@Ganz@4006381333931@\r\n1234567@Halb@40063", QStringLiteral("Halb")},
        {"UTF-16 without a mark", QByteArray("1\0002\0003\0004\0005\0006\0007\0@\0X\0", 18), QStringLiteral("alt")},
        {"NUL inside a value", QByteArray("1234567@A\0B@x", 13), QString::fromUtf8("A\0B", 3)},
    };
    for (const Row& r : rows) {
        ArticleFolder f;
        merge(f, {existing("1234567"), existing("7654321")}, r.list);
        ASSERT_EQ(f.list().Count(), 2) << r.name;
        EXPECT_EQ(f.list().Artikel(0).Benennung, r.designation) << r.name;
        EXPECT_EQ(f.list().Artikel(1), existing("7654321")) << r.name;
        // The file reads back to the same articles on its own.
        ArticleFolder again;
        writeFile(again.articleFile(), readFile(f.articleFile()));
        again.dm->LeseArtikelINI();
        EXPECT_EQ(articlesOf(again.list()), articlesOf(f.list())) << r.name;
    }
}

TEST(EanMerge, UnreadableListOrFailedWriteLeavesEverythingAsItWas) {
    enum class Fault { MissingList, ListIsAFolder, DiskFull };
    for (const Fault fault : {Fault::MissingList, Fault::ListIsAFolder, Fault::DiskFull}) {
        ArticleFolder f;
        writeFile(f.articleFile(), "");
        for (int i = 0; i < 500; ++i)
            f.list().Add(existing(QString::number(1000000 + i)));
        f.dm->SchreibeArtikelINI();
        f.dm->LeseArtikelINI();
        const QByteArray before = readFile(f.articleFile());
        const auto articlesBefore = articlesOf(f.list());

        if (fault == Fault::ListIsAFolder)
            QDir().mkpath(f.eanList());
        else if (fault == Fault::DiskFull)
            writeFile(f.eanList(), "1000001@" + QByteArray(200, 'x') + "\r\n");
        {
            std::optional<FileSizeLimit> limit;
            if (fault == Fault::DiskFull)
                limit.emplace(before.size() / 2);
            EXPECT_THROW(f.dm->AktualisiereDatensaetze(), AppError) << int(fault);
        }
        EXPECT_EQ(readFile(f.articleFile()), before) << int(fault);
        if (fault != Fault::DiskFull) {
            EXPECT_EQ(articlesOf(f.list()), articlesBefore) << "nothing merged: " << int(fault);
        }
        QStringList files = QDir(f.folder).entryList(QDir::Files);
        files.removeAll(QStringLiteral("artikel_ean_liste.txt"));
        EXPECT_EQ(files, QStringList(QStringLiteral("Artikel.ini"))) << "no temporary file left: " << int(fault);
    }
}

TEST(EanMerge, WhileTheWorkingCopyIsOutNothingIsWritten) {
    ArticleFolder f;
    const QByteArray workingCopy = "[Anzahl]\r\nAnzahl=1\r\n[TArtikel_1]\r\nMatNr=1234567\r\nBezeichnung=alt\r\n";
    writeFile(f.folder + QStringLiteral("open_Artikel.ini"), workingCopy);
    f.dm->LeseArtikelINI();
    writeFile(f.eanList(), "1234567@neu\r\n");
    f.dm->AktualisiereDatensaetze();
    EXPECT_FALSE(QFile::exists(f.articleFile()));
    EXPECT_EQ(readFile(f.folder + QStringLiteral("open_Artikel.ini")), workingCopy);
    ASSERT_EQ(f.list().Count(), 1);
    EXPECT_EQ(f.list().Artikel(0).Benennung, QStringLiteral("alt")) << "the re-read replaces the merged values";
}

TEST(EanMerge, LargeListWithOverlongLine) {
    // Tens of megabytes here; the benchmark merges a list of several hundred.
    ArticleFolder f;
    QByteArray list;
    list.reserve(40 << 20);
    const QByteArray filler = "000000000009999999@Fuellzeile@4006381333931@11-22-333-444@01@@@@@de@en@fr@es@ru@xx\r\n";
    while (list.size() < (32 << 20))
        list += filler;
    list += "1234567@" + QByteArray(8 << 20, 'L') + "\r\n"; // one line of 8 MB
    list += "0001234567@Letzte Zeile@\r\n";
    merge(f, {existing("1234567"), existing("9999999")}, list);
    ASSERT_EQ(f.list().Count(), 2);
    EXPECT_EQ(f.list().Artikel(0).Benennung, QStringLiteral("Letzte Zeile"));
    EXPECT_EQ(f.list().Artikel(1).Benennung, QStringLiteral("Fuellzeile"));
    EXPECT_EQ(f.list().Artikel(1).Sprache_6, QStringLiteral("xx"));
}

} // namespace
