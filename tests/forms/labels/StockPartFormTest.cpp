#include "forms/labels/FieldBinding.h"
#include "forms/labels/FrmGebindeLagerteil.h"

#include "labeldoc/RTFGebindeObjekt.h"
#include "labels/LabelLayout.h"
#include "texts/Messages.h"

#include "FormUser.h"
#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

// The stock-part form, shown and active, on an installation with three articles.
struct Form {
    LabelInstallation inst;
    std::unique_ptr<TfrmGebindeLagerteil> form;

    Form() {
        inst.addArticles(
            {makeArticle(QStringLiteral("1000112"), QStringLiteral("Schraube M8x25"), QStringLiteral("4012345001129")),
             makeArticle(QStringLiteral("1002044"), QStringLiteral("Flansch DN50 PN16 1.4571"),
                         QStringLiteral("4012345020441")),
             makeArticle(QStringLiteral("2000100111"), QStringLiteral("Ersatzteilset"))});
        form = std::make_unique<TfrmGebindeLagerteil>();
        test::showActive(form.get());
    }

    TfrmGebindeLagerteil* operator->() { return form.get(); }
    QStringList messages() { return inst.fake().messageTexts(); }

    void type(QWidget* w, const QString& text) { test::typeInto(w, text); }

    // The user picks the item from the drop-down list.
    void choose(int index) {
        QComboBox* combo = form->cmbMatnr;
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        const QRect r = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }

    // Everything a valid label needs after choosing 1002044.
    void fillValid() {
        choose(1);
        type(form->edHerstellerwoche, QStringLiteral("0813"));
        type(form->edPruefer, QStringLiteral("M. Weber"));
    }
};

TEST(StockPartForm, ChoosingFromTheListFillsFieldsRowAndPictures) {
    Form f;
    const QImage resetBarcode = f->ImBarcode->pixmap().toImage();
    f.choose(1);
    EXPECT_EQ(f->cmbMatnr->currentText(), QStringLiteral("1002044"));
    EXPECT_EQ(f->edBenennung->text(), QStringLiteral("Flansch DN50 PN16 1.4571"));
    EXPECT_EQ(f->edZeichnNr->displayText(), QStringLiteral("11-05-044-010"));
    EXPECT_EQ(f->edIndex->displayText(), QStringLiteral("04"));
    EXPECT_EQ(f->cmbEinheit->currentText(), QStringLiteral("Stk"));
    EXPECT_EQ(f->edLagerort->text(), QStringLiteral("B-03-01"));
    EXPECT_EQ(f->edLiefNr->text(), QStringLiteral("12345"));
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("100204400000412345"));
    EXPECT_EQ(f->LEAN1->text() + f->LEAN2->text() + f->LEAN3->text(), QStringLiteral("4012345020441"));
    EXPECT_NE(f->ImBarcode->pixmap().toImage(), resetBarcode);
    EXPECT_EQ(f->ImBarcode->pixmap().size(), QSize(175, 25));

    // Typing the week redraws the row at once.
    f.type(f->edHerstellerwoche, QStringLiteral("0813"));
    EXPECT_EQ(f->edHerstellerwoche->displayText(), QStringLiteral("08.13"));
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("100204410830412345"));
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
}

// The inputs of printed values stand on the picture of the label, each in the
// cell where the label's description prints its value; nothing else does.
TEST(StockPartForm, InputsStandOnThePictureWhereTheirValuesPrint) {
    Form f;
    const LabelLayout& layout = labelLayout(QStringLiteral("Lagerteil"));
    const QRect picture = f->ImLabelLagerteil->geometry();
    const double scale = (picture.width() - 1) / layout.innerWidth();
    QSet<QString> printed;
    for (const LayoutSpot& s : layout.spots()) {
        for (const QString& name : s.paragraph->fields) {
            SCOPED_TRACE(name.toStdString());
            printed.insert(name);
            const QWidget* w = f->findChild<QWidget*>(name);
            ASSERT_NE(w, nullptr);
            const QRectF cell(picture.left() + (s.cell.left() - layout.margin) * scale,
                              picture.top() + (s.cell.top() - layout.margin) * scale, s.cell.width() * scale,
                              s.cell.height() * scale);
            EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(QRectF(w->geometry())))
                << "in the cell of placeholder " << s.paragraph->placeholder();
        }
    }
    EXPECT_TRUE(printed.contains(QStringLiteral("edLiefNr"))) << "the supplier number prints";
    for (const QWidget* w : f->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (w->isVisibleTo(f.form.get()) && !printed.contains(w->objectName()) && w != f->ImLabelLagerteil &&
            w != f->ImLPHilfe) {
            EXPECT_FALSE(picture.intersects(w->geometry())) << w->objectName().toStdString() << " is not printed";
        }
    }
}

TEST(StockPartForm, TypingChoosesByPrefixOrResetsWhenNothingMatches) {
    Form f;
    f.type(f->cmbMatnr, QStringLiteral("1002"));
    EXPECT_EQ(f->cmbMatnr->currentText(), QStringLiteral("1002044"));
    EXPECT_EQ(f->cmbMatnr->lineEdit()->selectedText(), QStringLiteral("044")) << "the rest of the number is offered";
    EXPECT_EQ(f->edBenennung->text(), QStringLiteral("Flansch DN50 PN16 1.4571"));

    f.type(f->cmbMatnr, QStringLiteral("9"));
    EXPECT_EQ(f.messages(), QStringList{msgText(msg::MatNrNichtGefunden)});
    EXPECT_EQ(f.inst.fake().messages.first().icon, MessageIcon::Warning);
    EXPECT_EQ(f->cmbMatnr->currentText(), QString());
    EXPECT_EQ(f->edBenennung->text(), QString());
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("0000000000000"));
    EXPECT_EQ(f->cmbMatnr->count(), 3);
}

TEST(StockPartForm, BackspaceShortensATypedMaterialNumberWithoutCompletingIt) {
    Form f;
    f.type(f->cmbMatnr, QStringLiteral("1002"));
    ASSERT_EQ(f->cmbMatnr->currentText(), QStringLiteral("1002044"));
    QTest::keyClick(f->cmbMatnr->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(f->cmbMatnr->currentText(), QStringLiteral("1002"));
    QTest::keyClick(f->cmbMatnr->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(f->cmbMatnr->currentText(), QStringLiteral("100"));
    QTest::keyClicks(f->cmbMatnr->lineEdit(), QStringLiteral("01"));
    EXPECT_EQ(f->cmbMatnr->currentText(), QStringLiteral("1000112")) << "typing still chooses";
    EXPECT_EQ(f->edBenennung->text(), QStringLiteral("Schraube M8x25"));
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
}

// The mask places a typed "8.25" as "8 .25"; the print refuses it as an invalid week.
TEST(StockPartForm, AWeekTypedWithoutItsLeadingZeroIsRefusedAsInvalid) {
    Form f;
    f.fillValid();
    f->edHerstellerwoche->setFocus();
    f->edHerstellerwoche->selectAll();
    QTest::keyClick(f->edHerstellerwoche, Qt::Key_Delete);
    QTest::keyClicks(f->edHerstellerwoche, QStringLiteral("8.25"));
    ASSERT_EQ(f->edHerstellerwoche->displayText(), QStringLiteral("8 .25"));
    QTest::mouseClick(f->btnDruck, Qt::LeftButton);
    EXPECT_EQ(f.messages(), QStringList{msgText(msg::HerstellerwocheUngueltig)});
    EXPECT_EQ(fieldColour(f->edHerstellerwoche), YellowColour);
    EXPECT_TRUE(f->edHerstellerwoche->hasFocus());
    EXPECT_TRUE(f.inst.fake().openedDocuments.isEmpty());
}

TEST(StockPartForm, MaskEditsShowTheTextsOfTheLabelLogic) {
    Form f;
    const std::pair<QString, QString> weeks[] = {{QStringLiteral("  .  "), QStringLiteral("  .  ")},
                                                 {QStringLiteral("0 .1 "), QStringLiteral("0 .1 ")},
                                                 {QStringLiteral("0813"), QStringLiteral("08.13")}};
    for (const auto& [value, shown] : weeks) {
        f->logic.edHerstellerwoche.setText(value);
        EXPECT_EQ(f->edHerstellerwoche->displayText(), shown);
        EXPECT_EQ(f->logic.edHerstellerwoche.text(), shown);
    }
    f->logic.edZeichnNr.setText(QStringLiteral("12-34-567"));
    EXPECT_EQ(f->edZeichnNr->displayText(), QStringLiteral("12-34-567-   "));
    // A text set on the widget by the program runs the handler as typing does.
    f->edIndex->setText(QStringLiteral("07"));
    EXPECT_EQ(f->logic.edIndex.text(), QStringLiteral("07"));
}

TEST(StockPartForm, EachFailedCheckMarksItsFieldFocusesItAndSaysWhy) {
    struct Row {
        const char* what;
        std::function<void(Form&)> spoil;
        std::function<QWidget*(Form&)> field;
        QString message;
    } rows[] = {
        {"material number", [](Form& f) { f->cmbMatnr->setEditText(QStringLiteral("123")); },
         [](Form& f) -> QWidget* { return f->cmbMatnr; }, msgText(msg::MatNrEingeben, Spelling::Ueebersetzen)},
        {"quantity", [](Form& f) { f.type(f->edStueckzahl, QStringLiteral("0")); },
         [](Form& f) -> QWidget* { return f->edStueckzahl; }, msgText(msg::CheckStueck)},
        {"unit", [](Form& f) { f.type(f->cmbEinheit, QStringLiteral("stk")); },
         [](Form& f) -> QWidget* { return f->cmbEinheit; }, msgText(msg::CheckEinheit)},
        {"week", [](Form& f) { f.type(f->edHerstellerwoche, QStringLiteral("0013")); },
         [](Form& f) -> QWidget* { return f->edHerstellerwoche; }, msgText(msg::HerstellerwocheUngueltig)},
        {"inspector", [](Form& f) { f->edPruefer->clear(); }, [](Form& f) -> QWidget* { return f->edPruefer; },
         msgText(msg::PrueferAngeben)},
        {"storage place", [](Form& f) { f->edLagerort->clear(); }, [](Form& f) -> QWidget* { return f->edLagerort; },
         msgText(msg::LagerplatzLeer)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Form f;
        f.fillValid();
        r.spoil(f);
        QTest::mouseClick(f->btnDruck, Qt::LeftButton);
        EXPECT_EQ(f.messages(), QStringList{r.message});
        QWidget* field = r.field(f);
        EXPECT_EQ(fieldColour(field), YellowColour);
        EXPECT_TRUE(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()));
        for (QWidget* other : std::initializer_list<QWidget*>{f->cmbMatnr, f->edStueckzahl, f->cmbEinheit,
                                                              f->edHerstellerwoche, f->edPruefer, f->edLagerort})
            if (other != field) {
                EXPECT_EQ(fieldColour(other), CreamColour) << other->objectName().toStdString();
            }
        EXPECT_TRUE(f.inst.fake().openedDocuments.isEmpty());
    }
}

TEST(StockPartForm, SuccessfulPrintOpensTheDocumentWithTheLabelsValues) {
    Form f;
    f.fillValid();
    QTest::mouseClick(f->cb100Pruefung, Qt::LeftButton);
    EXPECT_TRUE(f->Im100Prz->isVisibleTo(f.form.get()));
    QTest::mouseClick(f->cb4fach, Qt::LeftButton);
    EXPECT_FALSE(f->cb1fach->isChecked());
    QTest::mouseClick(f->btnDruck, Qt::LeftButton);

    const QString document = f.inst.home() + QStringLiteral("Lagerteil_4fach.rtf");
    ASSERT_EQ(f.inst.fake().openedDocuments, QStringList{document});
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
    const QByteArray rtf = test::readFile(document);
    for (const QString& value :
         {QStringLiteral("Flansch DN50"), QStringLiteral("PN16 1.4571"), QStringLiteral("2 Stk"),
          QStringLiteral("100204410830412345"), QStringLiteral("4  012345  020441"), QStringLiteral("B-03-01"),
          QStringLiteral("100%"), QStringLiteral("03.02.2020"), QStringLiteral("M. Weber")})
        EXPECT_EQ(rtf.count(TRTFGebindeObjekt::WandleTextInRtf(value).toLatin1()), 4) << value.toStdString();
    EXPECT_FALSE(rtf.contains('@')) << "every placeholder is filled";
}

TEST(StockPartForm, NeuButtonAndTranslationKeepTheFormUsable) {
    Form f;
    f.fillValid();
    QTest::mouseClick(f->btnNeu, Qt::LeftButton);
    EXPECT_EQ(f->cmbMatnr->currentText(), QString());
    EXPECT_EQ(f->edHerstellerwoche->displayText(), QStringLiteral("00.00"));
    EXPECT_EQ(f->edPruefdatum_DTP->date(), QDate(2020, 2, 3));
    EXPECT_FALSE(f->ImSicher->isVisibleTo(f.form.get()));

    DataModule1->Sprache = QStringLiteral("GB");
    f->SpracheGeaendert();
    EXPECT_NE(f->btnDruck->text(), QStringLiteral("Drucken"));
    EXPECT_NE(f->GroupBox2->title(), QStringLiteral("Anzahl der Ausdrucke"));
    EXPECT_EQ(f->cmbMatnr->count(), 3) << "translation leaves the inputs alone";
}

} // namespace
} // namespace zw
