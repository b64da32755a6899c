#include "editor/Optionen.h"
#include "base/AppError.h"
#include "core/DataModule.h"

#include "ArtikelTestSupport.h"
#include "FakePlatform.h"
#include "TestHttpServer.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::test;

namespace {

const QString kUpdateOk = QStringLiteral("Fehler beim Übersetzen von \"Update erfolgreich\" // Tag-Nr. prüfen (331)");
const QString kUpdateFailed =
    QStringLiteral("Fehler beim Übersetzen von \"Update fehlgeschlagen\" // Tag-Nr. prüfen (329)");
const QString kFileNotFound =
    QStringLiteral("Fehler beim Übersetzen von \"Datei nicht gefunden\" // Tag-Nr. prüfen (328)");

TEST(Optionen, LoadsTheSettingsHomeFolderFirst) {
    struct Row {
        const char* name;
        QByteArray program;   // Barcode.ini in the program folder ("" = none)
        QByteArray home;      // Barcode.ini in the home folder ("" = none)
        QStringList expected; // Lieferantennummer, LieferantennummerKurz, Sprache, ArtNrPfad
    };
    const QByteArray programIni = "[Einstellungen]\r\nSAPLieferantennummer=12345\r\nLieferantennummerKurz=77\r\n"
                                  "Sprache=Englisch\r\nArtNrPfad=/net/artikel/\r\nBarcodeTyp=3\r\n";
    const Row rows[] = {
        {"no settings file: defaults", "", "", {"00000", "00", "Deutsch", ""}},
        {"program folder", programIni, "", {"12345", "77", "Englisch", "/net/artikel/"}},
        // The home folder's file is the one read: its missing keys take the defaults, not the program folder's values.
        {"home folder wins",
         programIni,
         "[einstellungen]\r\nsaplieferantennummer = 999\r\n",
         {"999", "00", "Deutsch", ""}},
    };
    for (const Row& r : rows) {
        ArticleFolder f;
        if (!r.program.isEmpty())
            writeFile(f.platform->program + QStringLiteral("Barcode.ini"), r.program);
        if (!r.home.isEmpty())
            writeFile(f.dm->homedir + QStringLiteral("Barcode.ini"), r.home);
        f.dm->slGeraetetyp = QStringList({QStringLiteral("Waschmaschine"), QStringLiteral("Trockner")});
        f.dm->slLagerplatz = QStringList(QStringLiteral("Halle 3"));

        TOptionen o;
        o.Lade_aus_INI();
        EXPECT_EQ(QStringList({o.Lieferantennummer, o.LieferantennummerKurz, o.Sprache, o.ArtNrPfad}), r.expected)
            << r.name;
        EXPECT_EQ(o.BCTyp, QStringLiteral("bcCode128C")) << r.name;
        f.dm->slGeraetetyp.clear(); // the options keep their own copies
        EXPECT_EQ(o.getGeraettyptext(), QStringLiteral("Waschmaschine\r\nTrockner\r\n")) << r.name;
        EXPECT_EQ(o.getLagerplatztext(), QStringLiteral("Halle 3\r\n")) << r.name;
    }
    TOptionen empty;
    EXPECT_EQ(empty.getGeraettyptext(), QString());
}

TEST(Optionen, DownloadsTheEanListAndReportsTheOutcome) {
    enum class Case { Success, NotFound, FolderMissing };
    const QByteArray body = "000000000001234567@Schraube@4006381333931\r\n";
    for (const Case c : {Case::Success, Case::NotFound, Case::FolderMissing}) {
        ArticleFolder f;
        TestHttpServer server;
        server.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"),
                           c == Case::NotFound ? HttpResponse::error(404, "Not Found") : HttpResponse::ok(body));
        f.dm->EAN_Download_Pfad = server.url(QStringLiteral("/_download/artikel_ean_liste.txt"));
        if (c == Case::FolderMissing)
            f.dm->ArtikelnummerPflegePfad = f.platform.root() + QStringLiteral("no/such/folder/");
        const QString destination = f.dm->ArtikelnummerPflegePfad + QStringLiteral("artikel_ean_liste.txt");
        if (c == Case::NotFound)
            writeFile(destination, "last good list\r\n");

        TOptionen o;
        o.Lade_EAN_Liste_Aus_Internet();

        const QStringList log = f.logTexts();
        ASSERT_FALSE(log.isEmpty());
        EXPECT_EQ(log.first(), QStringLiteral("~~~~ EAN-LIST SAVE PATH: ") + destination);
        ASSERT_EQ(f.platform->messages.size(), 1);
        const FakePlatform::Message& m = f.platform->messages.first();
        switch (c) {
        case Case::Success:
            EXPECT_EQ(readFile(destination), body);
            EXPECT_EQ(log.last(), QStringLiteral("~~~~ DOWNLOADFILEFROMURL SUCCESS"));
            EXPECT_EQ(m.icon, MessageIcon::Information);
            EXPECT_EQ(m.caption, QStringLiteral("Informationen"));
            EXPECT_EQ(m.text, kUpdateOk);
            break;
        case Case::NotFound: // the download routine has told the user; nothing is added
            EXPECT_EQ(m.caption, QStringLiteral("Fehler"));
            EXPECT_FALSE(log.contains(QStringLiteral("~~~~ DOWNLOADFILEFROMURL SUCCESS")));
            EXPECT_FALSE(log.contains(QStringLiteral("~~~~ DOWNLOADFILEFROMURL FAILED")));
            EXPECT_EQ(readFile(destination), QByteArray("last good list\r\n"));
            break;
        case Case::FolderMissing:
            EXPECT_EQ(log.last(), QStringLiteral("~~~~ DOWNLOADFILEFROMURL FAILED"));
            EXPECT_EQ(m.icon, MessageIcon::Warning);
            EXPECT_EQ(m.caption, QStringLiteral("Warnung"));
            EXPECT_EQ(m.text, kUpdateFailed);
            EXPECT_TRUE(server.requests().isEmpty());
            break;
        }
    }
}

TEST(Optionen, OlderListSearches) {
    // key (18 characters) ; designation ; EAN (13 characters)
    const QByteArray list = "ABC001234567000000;Schraube;4006381333931\r\n"
                            "ABC001234567000001;Mutter;4006381333932\r\n" // also holds 1234567: the later line wins
                            "ABC00765432100000;Kurz;4006381333933\r\n"    // key of 17 characters
                            "ABC007654321000000;Lang;40063813339340\r\n"  // EAN of 14 characters
                            "ABC007654321000000;Scheibe;4006381333935\r\n"
                            "no separators at all 7777777\r\n"
                            "ABC009999999000000;Teil;mit;4006381333936\r\n"; // the rest after the second ";" is the EAN
    struct Row {
        const char* input;
        const char* expected;
    };
    const Row rows[] = {
        {"1234567", "Schraube;4006381333931"}, // the first fitting line
        {"7654321", "Scheibe;4006381333935"},
        {"ABC0", "Schraube;4006381333931"},
        {"7777777", ""},
        {"9999999", ""},
        {"", ""}, // an empty input is in no key
    };
    ArticleFolder f;
    writeFile(f.dm->homedir + QStringLiteral("artikel_ean_liste.txt"), list);
    TOptionen o;
    for (const Row& r : rows)
        EXPECT_EQ(o.EAN_Benennung_automatisch_suchen(QString::fromUtf8(r.input)), QString::fromUtf8(r.expected))
            << r.input;

    writeFile(f.articleFile(), "");
    f.list().Add(article(QStringLiteral("1234567"), QStringLiteral("alt")));
    f.list().Add(article(QStringLiteral("7654321"), QStringLiteral("alt")));
    f.list().Add(article(QString(), QStringLiteral("leer")));
    o.auto_EAN_Suche();
    ASSERT_EQ(f.list().Count(), 3);
    EXPECT_EQ(f.list().Artikel(0).Benennung, QStringLiteral("leer"));
    EXPECT_EQ(f.list().Artikel(1).Benennung + ";" + f.list().Artikel(1).EAN, QStringLiteral("Mutter;4006381333932"));
    EXPECT_EQ(f.list().Artikel(2).Benennung + ";" + f.list().Artikel(2).EAN, QStringLiteral("Scheibe;4006381333935"));
    EXPECT_TRUE(f.platform->messages.isEmpty());
}

TEST(Optionen, OlderListSearchesReportAMissingList) {
    ArticleFolder f;
    writeFile(f.articleFile(), "[Anzahl]\r\nAnzahl=0\r\n");
    TOptionen o;
    EXPECT_EQ(o.EAN_Benennung_automatisch_suchen(QStringLiteral("1234567")), QString());
    o.auto_EAN_Suche();
    ASSERT_EQ(f.platform->messages.size(), 2);
    for (const FakePlatform::Message& m : f.platform->messages) {
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_EQ(m.text, kFileNotFound);
    }
    EXPECT_EQ(readFile(f.articleFile()), QByteArray("[Anzahl]\r\nAnzahl=0\r\n")) << "nothing written";
}

} // namespace
