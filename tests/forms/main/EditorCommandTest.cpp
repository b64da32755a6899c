// The main window's article editor command and its watch for the article file:
// the working-copy moves around the modal editor, message 400 and the watch
// with message 401, the language broadcast and the refilled boxes.

#include "forms/editor/FrmOptionen.h"
#include "forms/labels/FrmEinzelteil.h"
#include "forms/labels/FrmErsatzteil.h"
#include "forms/labels/FrmGebindeAuftragsteil.h"
#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/labels/FrmGebindeSonderteil.h"
#include "forms/labels/FrmTypenschild.h"
#include "forms/main/FrmMain.h"
#include "labels/StockPartLabel.h"
#include "texts/Messages.h"

#include "MainInstallation.h"
#include "TestHttpServer.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace zw {
namespace {

using test::MainInstallation;

// An offline installation whose article folder is shared (not the home folder).
struct Workstation {
    MainInstallation inst;
    TfrmMain* w = nullptr;

    explicit Workstation(bool sharedFolder = true) {
        inst.writeSettings({QStringLiteral("ArtNrPfad=") + (sharedFolder ? inst.articles() : QString()),
                            QStringLiteral("Offline=true"), QStringLiteral("SAPLieferantennummer=12345")});
        if (!sharedFolder) {
            QDir().mkpath(inst.home());
            QFile::rename(articleFile(), inst.home() + QStringLiteral("Artikel.ini"));
        }
        w = &inst.start();
    }
    QString folder() const { return DataModule1->ArtikelnummerPflegePfad; }
    QString articleFile() const { return inst.articles() + QStringLiteral("Artikel.ini"); }
    QString workingCopy() const { return inst.articles() + QStringLiteral("open_Artikel.ini"); }

    // Opens the editor through the menu, runs `inside` on it while it is open
    // and closes it with Abbrechen unless `inside` closed it.
    void withEditor(const std::function<void(TfrmOptionen&)>& inside) {
        bool opened = false;
        QTimer::singleShot(0, w, [&] {
            auto* editor = qobject_cast<TfrmOptionen*>(QApplication::activeModalWidget());
            if (!editor)
                return;
            opened = true;
            inside(*editor);
            if (editor->isVisible())
                editor->bttnAbbrechen->click();
        });
        w->Artikeleinstellungen1->trigger();
        EXPECT_TRUE(opened) << "the editor did not open";
    }
    QStringList messageTexts() const { return inst.platform.fake.messageTexts(); }
};

TEST(EditorCommand, HoldsTheSharedArticleFileWhileTheEditorIsOpen) {
    Workstation ws;
    ws.withEditor([&](TfrmOptionen& editor) {
        EXPECT_FALSE(QFile::exists(ws.articleFile()));
        EXPECT_TRUE(QFile::exists(ws.workingCopy()));
        EXPECT_EQ(DataModule1->sAktArtikelliste, QStringLiteral("open_Artikel.ini"));
        EXPECT_EQ(editor.edMaterialnr->text(), QStringLiteral("1234567")) << "the held file was read";
        editor.bttnOk->click();
    });
    EXPECT_TRUE(QFile::exists(ws.articleFile()));
    EXPECT_FALSE(QFile::exists(ws.workingCopy()));
    EXPECT_EQ(DataModule1->sAktArtikelliste, QStringLiteral("Artikel.ini"));
    EXPECT_FALSE(ws.w->TUpdate->isActive());
}

TEST(EditorCommand, MovesNothingWhenTheArticleFolderIsTheHomeFolder) {
    Workstation ws(false);
    ws.withEditor([&](TfrmOptionen&) {
        EXPECT_TRUE(QFile::exists(ws.folder() + QStringLiteral("Artikel.ini")));
        EXPECT_EQ(DataModule1->sAktArtikelliste, QStringLiteral("Artikel.ini"));
    });
}

TEST(EditorCommand, CreatesAnEmptyArticleFileWhenThereIsNone) {
    Workstation ws;
    QFile::remove(ws.articleFile());
    ws.withEditor([&](TfrmOptionen& editor) {
        EXPECT_EQ(test::readFile(ws.workingCopy()), QByteArray());
        EXPECT_EQ(editor.edMaterialnr->text(), QString());
        EXPECT_EQ(DataModule1->myDaten.ArtikelListe.Count(), 0);
    });
    EXPECT_TRUE(QFile::exists(ws.articleFile()));
}

TEST(EditorCommand, GivesTheFileBackWhenTheEditorCannotOpen) {
    Workstation ws;
    test::writeFile(ws.articleFile(), "[Anzahl]\r\nAnzahl=1x\r\n"); // a conversion error on reading
    ws.w->Artikeleinstellungen1->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QFile::exists(ws.articleFile()));
    EXPECT_FALSE(QFile::exists(ws.workingCopy()));
    EXPECT_EQ(DataModule1->sAktArtikelliste, QStringLiteral("Artikel.ini"));
}

TEST(EditorCommand, ReportsAFileInUseAndWatchesForItsReturn) {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        Workstation ws;
        QFile::rename(ws.articleFile(), ws.workingCopy()); // another workstation's editor is open
        ws.w->Artikeleinstellungen1->trigger();
        ASSERT_EQ(ws.inst.fake().messages.size(), 1);
        const test::FakePlatform::Message shown = ws.inst.fake().messages.takeFirst();
        EXPECT_EQ(shown.icon, MessageIcon::Error);
        EXPECT_EQ(shown.caption, QStringLiteral("Fehler"));
        EXPECT_EQ(shown.text, QStringLiteral("Artikel.ini gerade in Verwendung"));
        EXPECT_TRUE(ws.w->TUpdate->isActive());
        EXPECT_EQ(ws.w->TUpdate->interval(), 1000);
        EXPECT_FALSE(QFile::exists(ws.articleFile())) << "nothing is created beside the working copy";

        ws.w->TUpdateTimer(); // still missing: nothing
        EXPECT_TRUE(ws.inst.fake().messages.isEmpty());
        // The other workstation stored an article and closed its editor.
        ws.inst.writeArticles({{"1234567", "Flansch DN50", ""}, {"5555555", "Neu", ""}});
        QFile::remove(ws.workingCopy());
        ws.inst.fake().answers = {answer};
        ws.w->TUpdateTimer();
        EXPECT_FALSE(ws.w->TUpdate->isActive());
        ASSERT_EQ(ws.messageTexts(), QStringList{QStringLiteral("Artikel.ini wieder Verfügbar")});
        EXPECT_EQ(ws.inst.fake().messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(ws.inst.fake().messages[0].buttons, MessageButtons::YesNo);
        const QStringList expected =
            answer == MessageAnswer::Yes ? QStringList{"1234567", "5555555"} : QStringList{"1234567", "7654321"};
        EXPECT_EQ(ws.w->frmGebindeLagerteil->logic.cmbMatnr.items(), expected);
    }
}

TEST(EditorCommand, AFileTakenByAnotherWorkstationAtTheSameMomentIsNotClaimed) {
    Workstation ws;
    ws.inst.fake().beforeMove = [&](const QString& from, const QString& to) {
        if (from == ws.articleFile()) // the other workstation is quicker
            QFile::rename(from, to);
    };
    ws.w->Artikeleinstellungen1->trigger();
    EXPECT_EQ(ws.messageTexts(), QStringList{QStringLiteral("Artikel.ini gerade in Verwendung")});
    EXPECT_TRUE(ws.w->TUpdate->isActive());
    EXPECT_EQ(DataModule1->sAktArtikelliste, QStringLiteral("Artikel.ini"));
    EXPECT_TRUE(QFile::exists(ws.workingCopy())) << "theirs";
}

TEST(EditorCommand, TheWatchWaitsForAnOpenEditorAndARunningDownload) {
    Workstation ws(false); // the file stays where it is while the editor is open
    ws.w->TUpdate->setInterval(10);
    ws.w->TUpdate->start();
    ws.withEditor([&](TfrmOptionen&) {
        QTest::qWait(60);
        EXPECT_TRUE(ws.inst.fake().messages.isEmpty()) << "no re-read under the open editor";
    });

    test::TestHttpServer server;
    test::HttpResponse slow = test::HttpResponse::ok(QByteArray(8, 'x'));
    slow.pieceSize = 1;
    slow.pieceDelayMs = 15;
    server.setResponse(QStringLiteral("/list"), slow);
    ASSERT_TRUE(DataModule1->downloadFileFromUrl(server.url(QStringLiteral("/list")), ws.inst.home() + "list"));
    EXPECT_TRUE(ws.inst.fake().messages.isEmpty()) << "no re-read while the download waited in its event loop";
    EXPECT_TRUE(ws.w->TUpdate->isActive());
    QTest::qWait(60);
    EXPECT_EQ(ws.messageTexts(), QStringList{QStringLiteral("Artikel.ini wieder Verfügbar")});
}

TEST(EditorCommand, OkRefillsTheBoxesAndALanguageChangeReachesEveryForm) {
    Workstation ws;
    // Entry 0 becomes the caption of every form translated with the English file.
    QFile english(ws.inst.program() + QStringLiteral("SpracheGB.txt"));
    ASSERT_TRUE(english.open(QIODevice::Append));
    english.write("0=English loaded\r\n");
    english.close();
    struct Caption {
        const char* where;
        std::function<QString()> text;
    };
    const std::vector<Caption> captions = {
        {"main window", [&] { return ws.w->Label28->text(); }},
        {"stock-part form", [&] { return ws.w->frmGebindeLagerteil->btnDruck->text(); }},
        {"page", [&] { return ws.w->PageControl1->tabText(0); }}};
    QStringList before;
    for (const Caption& c : captions)
        before << c.text();
    ws.withEditor([&](TfrmOptionen& editor) {
        editor.bttnneu->click();
        editor.edMaterialnr->setText(QStringLiteral("5555555"));
        editor.cboxSprache->setCurrentIndex(1);
        ws.inst.fake().answers = {MessageAnswer::Yes}; // store the new article
        editor.bttnOk->click();
    });
    EXPECT_EQ(ws.w->frmGebindeLagerteil->logic.cmbMatnr.items(), QStringList({"1234567", "5555555", "7654321"}));
    EXPECT_EQ(DataModule1->Sprache, QStringLiteral("GB"));
    for (std::size_t i = 0; i < captions.size(); ++i)
        EXPECT_NE(captions[i].text(), before[int(i)]) << captions[i].where;
    for (TLabelForm* form :
         {static_cast<TLabelForm*>(ws.w->frmGebindeLagerteil), static_cast<TLabelForm*>(ws.w->frmGebindeAuftragsteil),
          static_cast<TLabelForm*>(ws.w->frmGebindeSonderteil), static_cast<TLabelForm*>(ws.w->frmTypenschild),
          static_cast<TLabelForm*>(ws.w->frmErsatzteil)})
        EXPECT_EQ(form->windowTitle(), QStringLiteral("English loaded")) << form->metaObject()->className();
    // The single-part form is reached too, but its language change does nothing.
    EXPECT_EQ(ws.w->frmEinzelteil->windowTitle(), QString());
    ws.w->Bedienungsanleitung1->trigger();
    EXPECT_EQ(ws.inst.fake().openedDocuments.value(0),
              ws.inst.program() + QStringLiteral("Bedienungsanleitung_GB.pdf"));
}

} // namespace
} // namespace zw
