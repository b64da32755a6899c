#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/main/FrmMain.h"
#include "texts/Messages.h"

#include "MainInstallation.h"
#include "TestHttpServer.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QMenu>

namespace zw {
namespace {

using test::HttpResponse;
using test::inOrder;
using test::MainInstallation;
using test::TestHttpServer;

const QString Separator(57, QLatin1Char('#'));
const QByteArray EanList = "000000000001234567@Flansch DN50 PN16@4012345678901@@@@@@@@@@@@\r\n";

QStringList baseSettings(const MainInstallation& inst, const TestHttpServer& server) {
    return {QStringLiteral("ArtNrPfad=") + inst.articles(), QStringLiteral("Logger=True"),
            QStringLiteral("SAPLieferantennummer=12345"), QStringLiteral("LieferantennummerKurz=42"),
            QStringLiteral("DownloadServer=") + server.hostAndPort()};
}

// Each row is one installation: offline or not, connection, server answer,
// an EAN list in the article folder; the start-up must log, download, merge
// and warn as it says.
TEST(Startup, EanUpdateFollowsOfflineModeConnectionAndList) {
    enum class Server { None, Ok, NotFound };
    struct Row {
        const char* what;
        bool offline;
        bool connected;
        Server server;
        QByteArray localList;
        QString expectedEan; // of article 1234567 after the start-up
        QStringList logged;  // in this order
        QStringList notLogged;
        int requests;
        int messages;
    } rows[] = {
        {"offline without list",
         true,
         true,
         Server::Ok,
         {},
         QStringLiteral("4000000000001"),
         {QStringLiteral("~~~~ SUCCESS")},
         {QStringLiteral("~ CONNECTION")},
         0,
         0},
        {"offline with list",
         true,
         true,
         Server::Ok,
         EanList,
         QStringLiteral("4012345678901"),
         {QStringLiteral("~~~~ SUCCESS")},
         {QStringLiteral("~ CONNECTION")},
         0,
         0},
        {"online, download succeeds",
         false,
         true,
         Server::Ok,
         {},
         QStringLiteral("4012345678901"),
         {QStringLiteral("~ CONNECTION"), QStringLiteral("~~~~ INTERNET: True"),
          QStringLiteral("~~~~ EAN-LIST DOWNLOAD"), QStringLiteral("~~~~ EAN-LIST DOWNLOAD FINISHED"),
          QStringLiteral("~~~~ UPDATE ARTICLE"), QStringLiteral("~~~~ UPDATE ARTICLE FINISHED")},
         {QStringLiteral("~~~~ EAN-LIST DOWNLOAD FAILED")},
         1,
         0},
        {"online, download fails beside an older list",
         false,
         true,
         Server::NotFound,
         "000000000001234567@Alt@4099999999999@@@@@@@@@@@@\r\n",
         QStringLiteral("4000000000001"),
         {QStringLiteral("~~~~ INTERNET: True"), QStringLiteral("~~~~ EAN-LIST DOWNLOAD"),
          QStringLiteral("~~~~ EAN-LIST DOWNLOAD FAILED")},
         {QStringLiteral("~~~~ UPDATE ARTICLE")},
         1,
         1},
        {"no connection, local list",
         false,
         false,
         Server::Ok,
         EanList,
         QStringLiteral("4012345678901"),
         {QStringLiteral("~~~~ INTERNET: False"), QStringLiteral("~~~~ LOCAL EAN EXISTS: %1artikel_ean_liste.txt"),
          QStringLiteral("~~~~ UPDATE ARTICLE"), QStringLiteral("~~~~ UPDATE ARTICLE FINISHED")},
         {QStringLiteral("~~~~ EAN-LIST DOWNLOAD")},
         0,
         0},
        {"no connection, no list",
         false,
         false,
         Server::Ok,
         {},
         QStringLiteral("4000000000001"),
         {QStringLiteral("~~~~ INTERNET: False"),
          QStringLiteral("~~~~ NO INTERNET CONNECTION POSSIBLE AND NO LOCAL EAN FILE")},
         {QStringLiteral("~~~~ UPDATE ARTICLE")},
         0,
         1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TestHttpServer server;
        if (r.server == Server::Ok)
            server.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"), HttpResponse::ok(EanList));
        else if (r.server == Server::NotFound)
            server.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"),
                               HttpResponse::error(404, "Not Found"));
        MainInstallation inst;
        QStringList settings = baseSettings(inst, server);
        if (r.offline)
            settings << QStringLiteral("Offline=true");
        inst.writeSettings(settings);
        inst.fake().connected = r.connected;
        if (!r.localList.isEmpty())
            inst.writeEanList(r.localList);

        TfrmMain& w = inst.start();
        TDataModule1& dm = *DataModule1;
        EXPECT_EQ(w.windowTitle(), r.offline ? QStringLiteral("Kelb Zeichwerk v2.17.4 - offline")
                                             : QStringLiteral("Kelb Zeichwerk v2.17.4"));
        ASSERT_EQ(dm.myDaten.ArtikelListe.Count(), 2);
        EXPECT_EQ(dm.myDaten.ArtikelListe.Artikel(0).EAN, r.expectedEan);
        EXPECT_EQ(server.requests().size(), r.requests);
        EXPECT_EQ(inst.fake().messages.size(), r.messages) << inst.fake().messageTexts().join('|').toStdString();
        const QStringList log = inst.logTexts();
        QStringList logged;
        for (const QString& l : r.logged)
            logged << (l.contains(QLatin1String("%1")) ? l.arg(inst.articles()) : l);
        EXPECT_TRUE(inOrder(log, logged)) << log.join('\n').toStdString();
        for (const QString& l : r.notLogged)
            EXPECT_FALSE(log.contains(l)) << l.toStdString();
        // The forms' boxes show the article list as it stands after the merge.
        EXPECT_EQ(w.frmGebindeLagerteil->logic.cmbMatnr.items(), (QStringList{"1234567", "7654321"}));
    }
}

TEST(Startup, NoConnectionAndNoListWarnsWithBothTexts) {
    TestHttpServer server;
    MainInstallation inst;
    inst.writeSettings(baseSettings(inst, server));
    inst.fake().connected = false;
    inst.start();
    ASSERT_EQ(inst.fake().messages.size(), 1);
    const test::FakePlatform::Message& m = inst.fake().messages.first();
    EXPECT_EQ(m.caption, QStringLiteral("Warnung"));
    EXPECT_EQ(m.icon, MessageIcon::Warning);
    EXPECT_EQ(m.text, msgText(msg::KeineInternetverbindung) + " " + msgText(msg::DatenNichtAktuell));
    EXPECT_NE(msgText(msg::KeineInternetverbindung), fallbackText(msg::KeineInternetverbindung))
        << "the German language file is loaded";
}

TEST(Startup, LogFileHoldsEveryLineFromTheStartOnlyWhenLoggerIsOn) {
    for (const bool logger : {true, false}) {
        SCOPED_TRACE(logger ? "Logger on" : "Logger off");
        TestHttpServer server;
        MainInstallation inst;
        QStringList settings = baseSettings(inst, server);
        settings.replace(1, logger ? QStringLiteral("Logger=True") : QStringLiteral("Logger=0"));
        settings << QStringLiteral("Offline=1");
        inst.writeSettings(settings);
        inst.start();
        EXPECT_EQ(DataModule1->homedir, inst.home());
        EXPECT_TRUE(QDir(inst.home()).exists());
        if (!logger) {
            EXPECT_TRUE(QDir(inst.home()).entryList(QDir::Files).isEmpty());
            continue;
        }
        const QString home = inst.home();
        const QStringList expected = {Separator,
                                      QStringLiteral("Kelb Zeichwerk v2.17.4"),
                                      QStringLiteral("2020.02.03 - 09:05:07"),
                                      Separator,
                                      QStringLiteral("~ HOMEDIR:"),
                                      QStringLiteral("~~~~ FORCE PATH"),
                                      QStringLiteral("~~~~ ") + home.chopped(1),
                                      QStringLiteral("~~~~ FORCE PATH SUCCESS"),
                                      QStringLiteral("~~~~ HOMEDIR (FINAL): ") + home,
                                      Separator,
                                      QStringLiteral("~ ART.NR PATH: ") + inst.articles(),
                                      Separator,
                                      QStringLiteral("~ READ DATASETS:"),
                                      QStringLiteral("~~~~ COUNT: 2"),
                                      QStringLiteral("~~~~ READING ARTICLE: 1234567"),
                                      QStringLiteral("~~~~ READING ARTICLE: 7654321"),
                                      QStringLiteral("~~~~ SUCCESS"),
                                      Separator};
        // Offline without a list nothing is saved after the articles are read.
        EXPECT_EQ(inst.logTexts(), expected);
    }
}

TEST(Startup, WithoutDocumentsFolderTheUserChoosesTheHomeFolder) {
    TestHttpServer server;
    MainInstallation inst;
    inst.writeSettings(baseSettings(inst, server) << QStringLiteral("Offline=true"));
    inst.fake().documents = inst.platform.root() + QStringLiteral("missing/");
    const QString chosen = inst.platform.root() + QStringLiteral("chosen");
    QDir().mkpath(chosen);
    inst.fake().folderChoice = chosen + QStringLiteral("/");
    inst.start();
    // The language is loaded later: the catalogue is still empty.
    EXPECT_EQ(inst.fake().folderRequests, QStringList{fallbackText(msg::AblageverzeichnisWaehlen)});
    EXPECT_EQ(DataModule1->homedir, chosen + QStringLiteral("/"));
    EXPECT_TRUE(DataModule1->sLogger.join('\n').contains(QStringLiteral("~~~~ PATH SELECTED")));
}

TEST(Startup, UnreadableSettingEndsTheSequenceInTheErrorDialogAndTheWindowOpens) {
    TestHttpServer server;
    MainInstallation inst;
    inst.writeSettings(baseSettings(inst, server) << QStringLiteral("Offline=vielleicht"));
    TfrmMain& w = inst.start();
    ASSERT_EQ(inst.fake().messages.size(), 1);
    EXPECT_EQ(inst.fake().messages.first().icon, MessageIcon::Error);
    EXPECT_TRUE(inst.fake().messages.first().text.contains(QStringLiteral("vielleicht")));
    EXPECT_EQ(DataModule1->myDaten.ArtikelListe.Count(), 0) << "the articles come after the settings";
    EXPECT_EQ(w.frmGebindeLagerteil, nullptr);
    w.show();
    w.doNeuMain();
    w.NachLiefNrWechselNeueEintragen();
    EXPECT_EQ(inst.fake().messages.size(), 1);
}

TEST(Startup, LanguageSettingChoosesTextsAndUserManual) {
    for (const bool english : {false, true}) {
        SCOPED_TRACE(english ? "Englisch" : "Deutsch");
        TestHttpServer server;
        MainInstallation inst;
        inst.writeSettings(baseSettings(inst, server)
                           << QStringLiteral("Offline=true")
                           << (english ? QStringLiteral("Sprache=Englisch") : QStringLiteral("Sprache=englisch")));
        TfrmMain& w = inst.start();
        EXPECT_EQ(DataModule1->Sprache, english ? QStringLiteral("GB") : QStringLiteral("D"));
        EXPECT_EQ(w.Datei1->title() == QStringLiteral("&Datei"), !english);
        w.Bedienungsanleitung1->trigger();
        const QString manual = inst.program() + (english ? QStringLiteral("Bedienungsanleitung_GB.pdf")
                                                         : QStringLiteral("Bedienungsanleitung_D.pdf"));
        EXPECT_EQ(inst.fake().openedDocuments, QStringList{manual});
        EXPECT_TRUE(inst.fake().choices.isEmpty());
        // Without a PDF viewer the user is told where the manual lies, in the interface language.
        inst.fake().openDocumentResult = false;
        w.Bedienungsanleitung1->trigger();
        ASSERT_EQ(inst.fake().choices.size(), 1);
        EXPECT_TRUE(inst.fake().choices.first().text.contains(QFileInfo(manual).fileName()));
        EXPECT_EQ(inst.fake().choices.first().caption,
                  english ? QStringLiteral("Document not opened") : QStringLiteral("Dokument nicht geöffnet"));
    }
}

} // namespace
} // namespace zw
