#include "forms/labels/FrmEinzelteil.h"
#include "forms/labels/FrmErsatzteil.h"
#include "forms/labels/FrmGebindeAuftragsteil.h"
#include "forms/labels/FrmGebindeLagerteil.h"
#include "forms/labels/FrmGebindeSonderteil.h"
#include "forms/labels/FrmTypenschild.h"
#include "forms/main/FrmMain.h"
#include "labeldoc/RTFGebindeObjekt.h"

#include "MainInstallation.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace zw {
namespace {

using test::MainInstallation;

// An offline installation with the main window started.
struct Hosted {
    MainInstallation inst;
    TfrmMain* w = nullptr;

    Hosted() {
        inst.writeSettings({QStringLiteral("ArtNrPfad=") + inst.articles(), QStringLiteral("Offline=true"),
                            QStringLiteral("SAPLieferantennummer=12345"), QStringLiteral("LieferantennummerKurz=42")});
        w = &inst.start();
    }

    std::vector<std::pair<const char*, TLabelForm*>> forms() const {
        return {{"Typenschild", w->frmTypenschild},
                {"Einzelteil", w->frmEinzelteil},
                {"Ersatzteil", w->frmErsatzteil},
                {"GebindeLagerteil", w->frmGebindeLagerteil},
                {"GebindeAuftragsteil", w->frmGebindeAuftragsteil},
                {"GebindeSonderteil", w->frmGebindeSonderteil}};
    }
};

TEST(Hosting, ShowingTheWindowEmbedsFiveFormsInTheScrollAreasOfTheirPages) {
    Hosted h;
    for (const auto& [name, form] : h.forms())
        ASSERT_NE(form, nullptr) << name;
    h.w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.w));
    const std::pair<TLabelForm*, QWidget*> pages[] = {{h.w->frmTypenschild, h.w->tsTypenschild},
                                                      {h.w->frmErsatzteil, h.w->tsErsatzteil},
                                                      {h.w->frmGebindeLagerteil, h.w->tsLagerteil},
                                                      {h.w->frmGebindeAuftragsteil, h.w->tsAuftragsteil},
                                                      {h.w->frmGebindeSonderteil, h.w->tsSonderteil}};
    for (const auto& [form, page] : pages) {
        // The page scrolls its form; the form stands at the top.
        EXPECT_EQ(TfrmMain::scrollArea(page)->widget(), form) << page->objectName().toStdString();
        EXPECT_TRUE(page->isAncestorOf(form));
        EXPECT_EQ(form->y(), 0);
        EXPECT_FALSE(form->isWindow());
    }
    EXPECT_EQ(h.w->frmEinzelteil->parentWidget(), nullptr);
    EXPECT_FALSE(h.w->frmEinzelteil->isVisible());
    EXPECT_EQ(h.w->PageControl1->currentWidget(), h.w->tsLagerteil);
    EXPECT_TRUE(h.w->frmGebindeLagerteil->isVisible());
}

// At its default size the window shows every tab title and the whole of every
// form, the heading clear of the tabs, on a 1366 x 768 screen with room for a
// title bar; made smaller, the page scrolls its form instead of cutting it off.
TEST(Hosting, DefaultSizeShowsEveryTabAndFormSmallerWindowsScroll) {
    Hosted h;
    const QSize size = h.w->defaultSize();
    EXPECT_LE(size.width(), 1366);
    EXPECT_LE(size.height(), 768 - 40);
    h.w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(h.w));
    h.w->resize(size);
    QApplication::processEvents();

    const QTabBar* tabs = h.w->PageControl1->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_LE(tabs->tabRect(i).right(), tabs->width()) << tabs->tabText(i).toStdString();
    EXPECT_GE(h.w->PageControl1->y() - (h.w->Label7->y() + h.w->Label7->height()), 8);
    for (QWidget* page :
         {h.w->tsLagerteil, h.w->tsAuftragsteil, h.w->tsSonderteil, h.w->tsTypenschild, h.w->tsErsatzteil}) {
        h.w->PageControl1->setCurrentWidget(page);
        QApplication::processEvents();
        const QScrollArea* scroll = TfrmMain::scrollArea(page);
        EXPECT_FALSE(scroll->horizontalScrollBar()->isVisible()) << page->objectName().toStdString();
        EXPECT_FALSE(scroll->verticalScrollBar()->isVisible()) << page->objectName().toStdString();
    }

    h.w->PageControl1->setCurrentWidget(h.w->tsLagerteil);
    h.w->resize(size - QSize(200, 200));
    QApplication::processEvents();
    const QScrollArea* scroll = TfrmMain::scrollArea(h.w->tsLagerteil);
    EXPECT_TRUE(scroll->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(h.w->frmGebindeLagerteil->size(), h.w->frmGebindeLagerteil->minimumSize()) << "the form keeps its size";
}

TEST(Hosting, SupplierNumbersComeFromTheProgramFoldersSettings) {
    Hosted h;
    // The home copy is what a form's own reset reads; the main window reads the program folder's.
    test::writeFile(DataModule1->homedir + QStringLiteral("Barcode.ini"),
                    "[Einstellungen]\r\nSAPLieferantennummer=99999\r\nLieferantennummerKurz=99\r\n");
    h.inst.writeSettings({QStringLiteral("SAPLieferantennummer=54321"), QStringLiteral("LieferantennummerKurz=17")});
    h.w->NachLiefNrWechselNeueEintragen();
    for (const auto& [name, form] : h.forms()) {
        SCOPED_TRACE(name);
        const bool einzelteil = form == h.w->frmEinzelteil;
        EXPECT_EQ(form->supplierNumberField()->text(), einzelteil ? QStringLiteral("     ") : QStringLiteral("54321"));
        if (form == h.w->frmGebindeSonderteil || einzelteil)
            EXPECT_EQ(form->shortSupplierNumberField(), nullptr);
        else
            EXPECT_EQ(form->shortSupplierNumberField()->text(), QStringLiteral("17"));
    }
    // The fields' handlers hand the numbers on to the stock-part form's builder.
    EXPECT_EQ(h.w->frmGebindeLagerteil->logic.builder().Lieferantennummer, QStringLiteral("54321"));
    EXPECT_EQ(h.w->frmGebindeLagerteil->logic.builder().LieferantennummerKurz, QStringLiteral("17"));
}

TEST(Hosting, RereadingArticlesResetsTheFormsAndRefillsTheirBoxes) {
    Hosted h;
    StockPartLabel& stock = h.w->frmGebindeLagerteil->logic;
    stock.cmbMatnr.userTyped(QStringLiteral("1234567"));
    ASSERT_EQ(stock.edBenennung.text(), QStringLiteral("Flansch DN50"));

    h.inst.writeArticles({{"1111111", "Neu A", ""}, {"2222222", "Neu B", ""}, {"3333333", "Neu C", ""}});
    h.w->Artikelaktualisieren1->trigger();
    const QStringList numbers{"1111111", "2222222", "3333333"};
    EXPECT_EQ(stock.cmbMatnr.items(), numbers);
    EXPECT_EQ(stock.cmbMatnr.text(), QString());
    EXPECT_EQ(stock.edBenennung.text(), QString());
    for (TLabelForm* f : {static_cast<TLabelForm*>(h.w->frmGebindeAuftragsteil),
                          static_cast<TLabelForm*>(h.w->frmTypenschild), static_cast<TLabelForm*>(h.w->frmErsatzteil)})
        EXPECT_EQ(f->materialNumberBox()->items(), numbers);
    // The single-part form resets to nothing; only the refill reaches its box.
    EXPECT_EQ(h.w->frmEinzelteil->materialNumberBox()->items(), QStringList());
    h.w->LadeMatNrNeu();
    EXPECT_EQ(h.w->frmEinzelteil->materialNumberBox()->items(), numbers);
    EXPECT_EQ(h.w->frmGebindeSonderteil->materialNumberBox(), nullptr);
}

TEST(Hosting, NewLabelAndLanguageChangeReachEveryForm) {
    Hosted h;
    StockPartLabel& stock = h.w->frmGebindeLagerteil->logic;
    stock.cmbMatnr.userTyped(QStringLiteral("7654321"));
    h.w->NeuesEttiket1->trigger();
    EXPECT_EQ(stock.cmbMatnr.text(), QString());

    const QString germanPrint = h.w->frmGebindeLagerteil->btnDruck->text();
    DataModule1->Sprache = QStringLiteral("GB");
    LadeSprache(DataModule1->Sprache);
    h.w->SpracheGeaendertMain();
    EXPECT_NE(h.w->frmGebindeLagerteil->btnDruck->text(), germanPrint);
    EXPECT_NE(h.w->Label28->text(), QStringLiteral("Zeichwerk für"));
    EXPECT_NE(h.w->PageControl1->tabText(0), QStringLiteral("Gebinde - Lagerteil"));
}

} // namespace
} // namespace zw
