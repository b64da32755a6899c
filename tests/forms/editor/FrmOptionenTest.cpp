// The article editor's dialog: that its controls are built as the design says
// and reach the rules (ArticleEditor, tested without widgets) as a user works them.

#include "forms/editor/FrmOptionen.h"

#include "core/DataModule.h"
#include "texts/KelbUebersetzen.h"
#include "texts/Messages.h"
#include "texts/UebText.h"

#include "ArtikelTestSupport.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace zw {
namespace {

using test::ArticleFolder;

TArtikel articleOf(const char* nr, const char* benennung, const char* zeichnNr = "11-05-044-010") {
    TArtikel a;
    a.MaterialNr = QString::fromLatin1(nr);
    a.Benennung = QString::fromUtf8(benennung);
    a.ZeichnNr = QString::fromLatin1(zeichnNr);
    a.Einheit = QStringLiteral("Stk");
    return a;
}

// The dialog, shown and active, on a shared article folder with three articles
// and the German catalogue.
struct Dialog {
    ArticleFolder f;
    QStringList mainWindowCalls;
    std::unique_ptr<TfrmOptionen> d;

    Dialog() {
        f.globals.catalogue().Loadfromfile(QStringLiteral(ZW_RESOURCES_DIR "/SpracheD.txt"));
        test::writeFile(f.articleFile(), "");
        for (const char* nr : {"1000001", "2000002", "3000003"})
            f.list().Add(articleOf(nr, "Teil"));
        f.dm->SchreibeArtikelINI();
        f.dm->LeseArtikelINI();
        test::writeFile(f.platform->program + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\n");
        d = std::make_unique<TfrmOptionen>(
            nullptr, LabelFormCalls{{}, [this] { mainWindowCalls << QStringLiteral("LadeMatNrNeu"); }, {}});
        d->show();
        QApplication::setActiveWindow(d.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(d.get()));
    }
    TfrmOptionen* operator->() { return d.get(); }
    QStringList messages() const { return f.platform.fake.messageTexts(); }
    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
};

TEST(FrmOptionen, BuildsEveryControlWithItsCaptionTagAndHint) {
    Dialog d;
    struct Row {
        const char* name;
        int tag;
        const char* caption; // as translated from SpracheD.txt
    };
    const Row rows[] = {
        {"tsAllgemein", 260, "Allgemein"},
        {"tsGeraetetyplagerplatz", 280, "Gerätetyp Lagerplatz"},
        {"GroupBox1", 261, "Allgemeine Angaben:"},
        {"Label5", 262, "SAP-Lieferantennummer:"},
        {"Label20", 390, "Lieferantennr."},
        {"Label18", 391, "(2-stellig):"},
        {"Label19", 388, "Nur mit Rücksprache Einkauf KELB"},
        {"lblSprache", 263, "Sprache"},
        {"lblBarcodeTyp", 264, "BarcodeTyp"},
        {"lblDruckerAufloesung", 450, "Druckerauflösung:"},
        {"btnSpeicherort", 393, "Speicherort"},
        {"btnEANreload", 334, "Herunterladen der neusten Artikel-EAN-Liste"},
        {"GroupBox2", 267, "Material:"},
        {"Label3", 268, "Materialnummer:"},
        {"Label4", 270, "Benennung:"},
        {"lblEAN", 269, "EAN"},
        {"Label1", 351, "Zeichnungs- Nr.:"},
        {"Label9", 352, "MQS- Nr.:"},
        {"Label11", 353, "KST- Nr.:"},
        {"Label13", 350, "Sprache:"},
        {"Label22", 350, "Sprache:"},
        {"Label7", 273, "Kelb - Lagerplatz:"},
        {"Label6", 272, "Stückzahl:"},
        {"Label21", 278, "Mengeneinheit:"},
        {"Label2", 274, "Lieferanten Feld:"},
        {"cbPruefung100", 221, "100 % Prüfung"},
        {"cbSSymbol", 222, "Sicherheitsrelevantes Bauteil"},
        {"bttnAbbrechen", 277, "&Abbrechen"},
        {"bttnOk", 276, "&Ok"},
        {"lblGeraetetyp", 281, "Gerätetyp"},
        {"lblLagerplatz", 282, "Lagerplatz"},
        {"Label8", 0, "Index: "},
        {"btnDelete", 0, "X"},
        {"cbLog", 0, "activate Log"},
    };
    for (const Row& r : rows) {
        auto* w = d->findChild<QObject*>(QLatin1String(r.name));
        ASSERT_NE(w, nullptr) << r.name;
        EXPECT_EQ(tagOf(w), r.tag) << r.name;
        QString caption;
        if (auto* l = qobject_cast<QLabel*>(w))
            caption = l->text();
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            caption = b->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            caption = g->title();
        else
            caption = d->PageControl1->tabText(d->PageControl1->indexOf(qobject_cast<QWidget*>(w)));
        EXPECT_EQ(caption, QString::fromUtf8(r.caption)) << r.name;
    }
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Kelb Zeichwerk v2.17.4 - Optionen"));
    EXPECT_EQ(d->GroupBox2->toolTip(), QStringLiteral("Stammdaten des gewählten Artikels"));
    EXPECT_EQ(d->bttnfirst->toolTip(), QStringLiteral("erster Datensatz"));
    EXPECT_EQ(d->bttnSuchen->toolTip(), QStringLiteral("Datensatz suchen"));
    EXPECT_EQ(d->PageControl1->currentWidget(), d->tsAllgemein);
    EXPECT_EQ(d->size(), QSize(665, 562));
    // Drop-down lists have no edit part; the unit and the resolution have one.
    EXPECT_FALSE(d->cboxSprache->isEditable());
    EXPECT_FALSE(d->cbBarcodeTyp->isEditable());
    EXPECT_TRUE(d->cmbEinheit->isEditable());
    EXPECT_TRUE(d->edAktSpeicherpfad->isReadOnly());
    EXPECT_FALSE(d->edZeichnNr->inputMask().isEmpty());
    EXPECT_FALSE(d->edSAPLieferantennr->inputMask().isEmpty());
}

TEST(FrmOptionen, TypingKeepsToTheLimits) {
    Dialog d;
    struct Row {
        QLineEdit* edit;
        const char* typed;
        const char* kept;
    };
    const Row rows[] = {
        {d->edMaterialnr, "12a-34 5678901", "1234567890"},  {d->edLiefNrKurz, "4x27", "42"},
        {d->edStueckzahl, "123456789", "1234567"},          {d->edEAN, "40063813339312", "4006381333931"},
        {d->edIndexZNr, "12345678901234", "1234567890123"},
    };
    for (const Row& r : rows) {
        d.type(r.edit, QString::fromLatin1(r.typed));
        EXPECT_EQ(r.edit->text(), QString::fromLatin1(r.kept)) << r.edit->objectName().toStdString();
    }
    d.type(d->edBenennung, QString(45, QLatin1Char('b')));
    EXPECT_EQ(d->edBenennung->text().size(), 40);
    d.type(d->edSprache6, QString(80, QLatin1Char('s')));
    EXPECT_EQ(d->edSprache6->text().size(), 72);
    d.type(d->edKelblagerplatz, QString(30, QLatin1Char('k')));
    EXPECT_EQ(d->edKelblagerplatz->text().size(), 21);
    d.type(d->edLieferantenfeld, QString(40, QLatin1Char('l')));
    EXPECT_EQ(d->edLieferantenfeld->text().size(), 38);
}

TEST(FrmOptionen, MaterialNumberFiltersPastedTextAndFillsOnLeaving) {
    Dialog d;
    test::writeFile(d.f.eanList(), "000000000001234567@Flansch DN50@4006381333931@11-05-044-010@04\r\n");
    d->edMaterialnr->setFocus();
    d->edMaterialnr->selectAll();
    d->edMaterialnr->insert(QStringLiteral("Mat.-Nr. 1234567")); // what a paste inserts
    EXPECT_EQ(d->edMaterialnr->text(), QStringLiteral("1234567"));
    d->edMaterialnr->setCursorPosition(2);
    QTest::keyClicks(d->edMaterialnr, QStringLiteral("x"));
    EXPECT_EQ(d->edMaterialnr->cursorPosition(), 7) << "the caret goes behind the last digit";
    QTest::keyClick(d->edMaterialnr, Qt::Key_Tab);
    EXPECT_FALSE(d->edMaterialnr->hasFocus());
    EXPECT_EQ(d->edBenennung->text(), QStringLiteral("Flansch DN50"));
    EXPECT_EQ(d->edZeichnNr->text(), QStringLiteral("11-05-044-010"));
}

TEST(FrmOptionen, AnEditedMaskedFieldIsLeftOnlyFilledOrTakenBack) {
    Dialog d;
    QLineEdit* number = d->edZeichnNr;
    number->setFocus();
    number->setCursorPosition(13);
    QTest::keyClick(number, Qt::Key_Backspace);
    EXPECT_EQ(d->logic.edZeichnNr.text(), QStringLiteral("11-05-044-01 "));

    QTest::keyClick(number, Qt::Key_Tab);
    EXPECT_TRUE(number->hasFocus());
    EXPECT_EQ(d.messages(), QStringList{QStringLiteral("Ungültiger Eingabewert. Mit Esc verwerfen Sie die Änderung.")});
    // A click on Ok goes no further than the field either.
    QTest::mouseClick(d->bttnOk, Qt::LeftButton);
    EXPECT_TRUE(d->isVisible());
    EXPECT_EQ(d.messages().size(), 2);

    // The message box's end need not make the dialog the active window again; the edit keeps its keys.
    QApplication::setActiveWindow(nullptr);
    QTest::keyClick(number, Qt::Key_Escape);
    EXPECT_EQ(number->text(), QStringLiteral("11-05-044-010"));
    QApplication::setActiveWindow(d.d.get());
    EXPECT_TRUE(d->isVisible()) << "Escape took the edit back; it did not close the dialog";
    QTest::keyClick(number, Qt::Key_Tab);
    EXPECT_FALSE(number->hasFocus());
    EXPECT_EQ(d.messages().size(), 2);
}

TEST(FrmOptionen, RecordButtonsBrowseSearchStoreAndDelete) {
    Dialog d;
    QTest::mouseClick(d->bttnlast, Qt::LeftButton);
    EXPECT_EQ(d->edMaterialnr->text(), QStringLiteral("3000003"));
    QTest::mouseClick(d->bttnprev, Qt::LeftButton);
    EXPECT_EQ(d->edMaterialnr->text(), QStringLiteral("2000002"));
    d.f.platform->inputAnswers = {QStringLiteral("1000001")};
    QTest::mouseClick(d->bttnSuchen, Qt::LeftButton);
    EXPECT_EQ(d->edMaterialnr->text(), QStringLiteral("1000001"));

    QTest::mouseClick(d->bttnneu, Qt::LeftButton);
    EXPECT_TRUE(d->edMaterialnr->hasFocus());
    QTest::keyClicks(d->edMaterialnr, QStringLiteral("4000004"));
    d.type(d->edEAN, QStringLiteral("4006381333932")); // wrong check digit
    EXPECT_EQ(fieldColour(d->edEAN), QColor(255, 255, 0));
    d->cmbEinheit->setFocus();
    QTest::keyClicks(d->cmbEinheit->lineEdit(), QStringLiteral("kg"));
    QTest::mouseClick(d->cbSSymbol, Qt::LeftButton);
    QTest::mouseClick(d->bttnspeichern, Qt::LeftButton);
    ASSERT_EQ(d.f.list().Count(), 4);
    EXPECT_EQ(d.f.list().Artikel(3).Einheit, QStringLiteral("kg"));
    EXPECT_EQ(d.f.list().Artikel(3).SSymbol, QStringLiteral("true"));
    EXPECT_EQ(d->labStatus->text(), QStringLiteral("Speichern erfolgreich"));

    QTest::mouseClick(d->bttnloeschen, Qt::LeftButton);
    EXPECT_EQ(d.f.list().Count(), 3);
    EXPECT_EQ(d->labStatus->text(), QStringLiteral("Löschen erfolgreich"));
}

TEST(FrmOptionen, OkWritesAndClosesOnlyWhenTheQuestionAllows) {
    for (const MessageAnswer answer : {MessageAnswer::Cancel, MessageAnswer::No}) {
        Dialog d;
        QTest::mouseClick(d->bttnnext, Qt::LeftButton); // showing another article counts as a change
        d->cboxSprache->setCurrentIndex(1);
        d.f.platform->answers = {answer};
        QTest::mouseClick(d->bttnOk, Qt::LeftButton);
        const bool closed = answer == MessageAnswer::No;
        EXPECT_EQ(d->isVisible(), !closed);
        EXPECT_EQ(d.mainWindowCalls, closed ? QStringList{QStringLiteral("LadeMatNrNeu")} : QStringList());
        EXPECT_EQ(test::readFile(d.f.platform->program + QStringLiteral("Barcode.ini")).contains("Sprache=Englisch"),
                  closed);
    }
}

TEST(FrmOptionen, CloseBoxAndEscapeActAsAbbrechen) {
    for (const bool escape : {false, true}) {
        Dialog d;
        QTest::mouseClick(d->bttnloeschen, Qt::LeftButton);
        ASSERT_EQ(d.f.list().Count(), 2);
        if (escape)
            QTest::keyClick(d->edBenennung, Qt::Key_Escape);
        else
            d->QWidget::close();
        EXPECT_FALSE(d->isVisible());
        EXPECT_EQ(d.f.list().Count(), 3) << "the article file was read again";
        EXPECT_TRUE(d.mainWindowCalls.isEmpty());
    }
}

TEST(FrmOptionen, EanButtonHiddenOfflineAndListsOnTheSecondPage) {
    ArticleFolder f;
    f.dm->OFFLINE_Modus = true;
    f.dm->slLagerplatz = QStringList{QStringLiteral("Halle 1"), QStringLiteral("Halle 2")};
    TfrmOptionen d;
    EXPECT_TRUE(d.btnEANreload->isHidden());
    EXPECT_EQ(d.mLagerplatz->toPlainText(), QStringLiteral("Halle 1\nHalle 2\n"));
    d.mLagerplatz->setPlainText(QStringLiteral("Halle 3\n\nHalle 4"));
    EXPECT_EQ(d.logic.mLagerplatz.lines(), QStringList({"Halle 3", "", "Halle 4"}));
}

} // namespace
} // namespace zw
