#include "forms/labels/FieldBinding.h"
#include "forms/labels/FrmEinzelteil.h"
#include "forms/labels/FrmTypenschild.h"

#include "labeldoc/RTFGebindeObjekt.h"
#include "labels/LabelLayout.h"
#include "texts/Messages.h"

#include "FormInput.h"
#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

// The type-plate form, shown and active, its supplier numbers handed over as
// the main window does.
struct Form {
    LabelInstallation inst;
    std::unique_ptr<TfrmTypenschild> form;

    Form() {
        inst.installTypePlateTemplates();
        inst.addArticles({makeArticle(QStringLiteral("1000112"), QStringLiteral("Schraube M8x25")),
                          makeArticle(QStringLiteral("1002044"), QStringLiteral("Pumpe KP 40")),
                          makeArticle(QStringLiteral("2000100111"), QStringLiteral("Ersatzteilset"))});
        form = std::make_unique<TfrmTypenschild>();
        form->supplierNumberField()->setText(QStringLiteral("12345"));
        form->shortSupplierNumberField()->setText(QStringLiteral("42"));
        test::showActive(form.get());
    }

    TfrmTypenschild* operator->() { return form.get(); }
    QStringList messages() { return inst.fake().messageTexts(); }

    void type(QWidget* w, const QString& text) { test::typeInto(w, text); }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2)); }
};

TEST(TypePlateForm, TypingAMaterialNumberFillsMemoRowAndDateCode) {
    Form f;
    f.type(f->cmbMatNr, QStringLiteral("1002"));
    EXPECT_EQ(f->cmbMatNr->currentText(), QStringLiteral("1002044"));
    EXPECT_EQ(f->edMemo->toPlainText(), QStringLiteral("Pumpe KP 40"));
    EXPECT_EQ(f->edZeichnNr->displayText(), QStringLiteral("11-05-044-010"));
    f.type(f->edHerstellerwoche, QStringLiteral("0813"));
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("100204410830412345"));
    EXPECT_EQ(f->edKennung->text(), QStringLiteral("1083"));
    EXPECT_FALSE(f->edKennung->isEnabled());

    f.type(f->cmbMatNr, QStringLiteral("2000"));
    EXPECT_EQ(f->edMemo->toPlainText(), QStringLiteral("Ersatzteilset"));
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("200010011110830442"));
    EXPECT_EQ(f->edKennung->text(), QStringLiteral("1083"));
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();

    f.type(f->cmbMatNr, QStringLiteral("9"));
    EXPECT_EQ(f.messages(), QStringList{msgText(msg::MatNrNichtGefunden)});
    EXPECT_EQ(f->edMemo->toPlainText(), QString());
    EXPECT_EQ(f->edKennung->text(), QStringLiteral("0000"));
}

TEST(TypePlateForm, TheMemoNeverShowsAnEighthLine) {
    Form f;
    f->edMemo->setFocus();
    for (int line = 1; line <= 8; ++line) {
        QTest::keyClicks(f->edMemo, QStringLiteral("Zeile %1").arg(line));
        if (line < 8)
            QTest::keyClick(f->edMemo, Qt::Key_Return);
    }
    EXPECT_EQ(f->edMemo->toPlainText(),
              QStringLiteral("Zeile 1\nZeile 2\nZeile 3\nZeile 4\nZeile 5\nZeile 6\nZeile 7\n"));
    EXPECT_EQ(f->logic.edMemo.lines().size(), 7);

    f->edMemo->clear();
    f->edMemo->insertPlainText(QStringLiteral("a\nb\nc\nd\ne\nf\ng\nh\ni")); // as a paste does
    EXPECT_EQ(f->edMemo->toPlainText(), QStringLiteral("a\nb\nc\nd\ne\nf\ng\n"));
    // Tab leaves the memo for the next input instead of typing a tab.
    QTest::keyClick(f->edMemo, Qt::Key_Tab);
    EXPECT_TRUE(f->edZeichnNr->hasFocus());
}

TEST(TypePlateForm, TheEnergyEfficiencyBoxUnlocksItsClass) {
    Form f;
    EXPECT_FALSE(f->edLeistungklasse->isEnabled());
    EXPECT_EQ(f->edLeistungklasse->text(), QStringLiteral("kein EEI"));
    f.click(f->cbEEI);
    EXPECT_TRUE(f->edLeistungklasse->isEnabled());
    EXPECT_EQ(f->edLeistungklasse->text(), QStringLiteral("≤ 0,23"));
    f.type(f->edLeistungklasse, QStringLiteral("A+++"));
    EXPECT_EQ(f->logic.edLeistungklasse.text(), QStringLiteral("A+++"));
    f.click(f->cbEEI);
    EXPECT_FALSE(f->edLeistungklasse->isEnabled());
    EXPECT_EQ(f->edLeistungklasse->text(), QStringLiteral("kein EEI"));
}

TEST(TypePlateForm, EachFailedCheckMarksItsFieldAndSaysWhy) {
    struct Row {
        const char* what;
        std::function<void(Form&)> act;
        QWidget* (*field)(Form&);
        QString message;
    } rows[] = {
        {"right after Neu", [](Form& f) { QTest::mouseClick(f->btnNeu, Qt::LeftButton); },
         [](Form& f) -> QWidget* { return f->cmbMatNr; }, msgText(msg::MatNrEingeben, Spelling::Ueebersetzen)},
        {"the week left at 00.00", [](Form& f) { f.type(f->cmbMatNr, QStringLiteral("1000112")); },
         [](Form& f) -> QWidget* { return f->edHerstellerwoche; }, msgText(msg::HerstellerwocheUngueltig)},
        {"no short supplier number for 10 digits",
         [](Form& f) {
             f->shortSupplierNumberField()->setText(QString());
             f.type(f->cmbMatNr, QStringLiteral("2000"));
             f.type(f->edHerstellerwoche, QStringLiteral("0813"));
             f.inst.fake().messages.clear();
         },
         [](Form&) -> QWidget* { return nullptr; }, msgText(msg::ZweistelligeLiefNrNoetig)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Form f;
        r.act(f);
        QTest::mouseClick(f->btnDruck, Qt::LeftButton);
        EXPECT_EQ(f.messages(), QStringList{r.message});
        for (QWidget* w : {static_cast<QWidget*>(f->cmbMatNr), static_cast<QWidget*>(f->edHerstellerwoche)}) {
            EXPECT_EQ(fieldColour(w), w == r.field(f) ? YellowColour : CreamColour) << w->objectName().toStdString();
            if (w == r.field(f)) {
                EXPECT_TRUE(w->hasFocus() || w->isAncestorOf(QApplication::focusWidget()));
            }
        }
        EXPECT_TRUE(f.inst.fake().openedDocuments.isEmpty());
    }
}

// Choosing a size redraws the label and moves every printed input into the
// cell of that size's description where its value prints.
TEST(TypePlateForm, EachSizeShowsItsLabelAndPrintsFromItsTemplate) {
    Form f;
    f.type(f->cmbMatNr, QStringLiteral("1002"));
    f.type(f->edHerstellerwoche, QStringLiteral("0813"));
    struct Row {
        QRadioButton* TfrmTypenschild::*size;
        const char* id;
    } rows[] = {{&TfrmTypenschild::cbklein, "Einzelteil_klein"},
                {&TfrmTypenschild::cbsehrklein, "Einzelteil_sehrklein"},
                {&TfrmTypenschild::cbgross, "Einzelteil"}};
    QImage shown = f->ImLabelLagerteil->pixmap().toImage();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.id);
        f.click(f.form.get()->*r.size);
        const QImage now = f->ImLabelLagerteil->pixmap().toImage();
        EXPECT_NE(now, shown) << "the picture is the chosen size's";
        shown = now;
        const LabelLayout& layout = labelLayout(QLatin1String(r.id));
        const QRect picture = f->ImLabelLagerteil->geometry();
        const double scale = (picture.width() - 1) / layout.innerWidth();
        for (const LayoutSpot& s : layout.spots()) {
            for (const QString& name : s.paragraph->fields) {
                const QWidget* w = f->findChild<QWidget*>(name);
                ASSERT_NE(w, nullptr) << name.toStdString();
                const QRectF cell(picture.left() + (s.cell.left() - layout.margin) * scale,
                                  picture.top() + (s.cell.top() - layout.margin) * scale, s.cell.width() * scale,
                                  s.cell.height() * scale);
                EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(QRectF(w->geometry()))) << name.toStdString();
            }
        }
        QTest::mouseClick(f->cb4fach, Qt::LeftButton);
        QTest::mouseClick(f->btnDruck, Qt::LeftButton);
        const QString document = f.inst.home() + labelLayout(QLatin1String(r.id)).sheets.at(1).file.mid(7);
        EXPECT_EQ(f.inst.fake().openedDocuments.value(f.inst.fake().openedDocuments.size() - 1), document);
        const QByteArray rtf = test::readFile(document);
        EXPECT_EQ(rtf.count(TRTFGebindeObjekt::WandleTextInRtf(QStringLiteral("Pumpe KP 40")).toLatin1()), 4);
        EXPECT_FALSE(rtf.contains('@'));
    }
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
}

TEST(TypePlateForm, TranslationReachesTheWarningStripAndTheChoices) {
    Form f;
    EXPECT_EQ(f->pWarnung->text(), QStringLiteral("Nur mit Rücksprache"));
    DataModule1->Sprache = QStringLiteral("GB");
    f->SpracheGeaendert();
    for (QWidget* w : {static_cast<QWidget*>(f->pWarnung), static_cast<QWidget*>(f->gbFormat),
                       static_cast<QWidget*>(f->Label7), static_cast<QWidget*>(f->btnDruck)}) {
        const QString text = w->property(qobject_cast<QGroupBox*>(w) ? "title" : "text").toString();
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.contains(QStringLiteral("Rücksprache")) || text.contains(QStringLiteral("Höhe")) ||
                     text.contains(QStringLiteral("Energieeffizienz")) || text == QStringLiteral("Drucken"))
            << w->objectName().toStdString() << ": " << text.toStdString();
    }
}

// The single-part form: built, translated once, refilled by the main window,
// and otherwise inert.
TEST(SinglePartForm, OnlyItsMaterialNumberBoxEverChanges) {
    LabelInstallation inst;
    inst.addArticles({makeArticle(QStringLiteral("1000112"), QStringLiteral("Schraube M8x25"))});
    DataModule1->Sprache = QStringLiteral("GB");
    LadeSprache(QStringLiteral("GB"));
    TfrmEinzelteil form;
    const QString translated = form.btnAlleSymboleLoeschen->text();
    EXPECT_NE(translated, QStringLiteral("alle Symbole löschen"));
    EXPECT_EQ(form.cmbMatNr->count(), 0) << "nothing fills it at creation";
    form.edBspTxtD->setText(QStringLiteral("Schraube"));
    const QList<QWidget*> all = form.findChildren<QWidget*>();
    QStringList before;
    for (QWidget* w : all)
        before << w->property("text").toString() + w->property("currentText").toString() +
                      QString::number(w->isVisibleTo(&form));

    DataModule1->Sprache = QStringLiteral("D");
    form.DoNeu();
    form.SpracheGeaendert();
    SinglePartLabel& l = form.logic;
    l.FormCreate();
    l.ComboBox_laden();
    l.cmbMatNrChange();
    for (int s = 1; s <= 5; ++s)
        l.cmbSChange(s);
    l.edEANCodeChange();
    l.edBarcodeChange();
    l.edIndexChange();
    l.edHerstellerwocheChange();
    form.btnDruck->click();
    form.btnNeu->click();
    form.btnAlleSymboleLoeschen->click();
    l.cb1fachClick();
    l.cb4fachClick();
    QStringList after;
    for (QWidget* w : all)
        after << w->property("text").toString() + w->property("currentText").toString() +
                     QString::number(w->isVisibleTo(&form));
    EXPECT_EQ(after, before);
    EXPECT_TRUE(inst.fake().messages.isEmpty());
    EXPECT_TRUE(inst.fake().openedDocuments.isEmpty());
    EXPECT_EQ(inst.articles().Count(), 1);

    form.materialNumberBox()->fillMaterialNumbers(inst.articles());
    EXPECT_EQ(form.cmbMatNr->count(), 1);
    EXPECT_EQ(form.cmbMatNr->itemText(0), QStringLiteral("1000112"));
    EXPECT_EQ(form.supplierNumberField()->text(), QStringLiteral("     "));
    EXPECT_FALSE(form.edSAPLieferantennr->isVisibleTo(&form));
}

} // namespace
} // namespace zw
