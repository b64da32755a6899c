// The order-related form driven as a user drives it: the wiring of its own
// fields, its checks and its print (the rules are OrderPartLabelTest's).

#include "forms/labels/FieldBinding.h"
#include "forms/labels/FrmGebindeAuftragsteil.h"

#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

#include "FormDriver.h"
#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

struct Form : test::ShownForm<TfrmGebindeAuftragsteil> {
    Form()
        : ShownForm([](LabelInstallation& inst) {
              inst.addArticles({makeArticle(QStringLiteral("1000112"), QStringLiteral("Schraube M8x25"),
                                            QStringLiteral("4012345001129")),
                                makeArticle(QStringLiteral("1002044"), QStringLiteral("Flansch DN50 PN16 1.4571"),
                                            QStringLiteral("4012345020441"))});
          }) {}

    // Everything a valid label needs.
    void fillValid() {
        test::chooseItem(form->cmbMatnr, 1);
        test::typeInto(form->edHerstellerwoche, QStringLiteral("0813"));
        test::typeInto(form->edKDAuftrag, QStringLiteral("4500123"));
        test::typeInto(form->edKDPos, QStringLiteral("20"));
        test::typeInto(form->edPruefer, QStringLiteral("M. Weber"));
    }
};

TEST(OrderPartForm, InputsStandOnThePictureWhereTheirValuesPrint) {
    Form f;
    test::expectInputsWhereTheirValuesPrint(f.form.get(), QStringLiteral("Auftragsteil"), f->ImLabelAuftrag);
    EXPECT_EQ(f->findChild<QWidget*>(QStringLiteral("edLagerort")), nullptr);
    EXPECT_EQ(f->findChild<QWidget*>(QStringLiteral("ImLPHilfe")), nullptr);
}

TEST(OrderPartForm, EachFailedCheckMarksItsFieldsFocusesAndSaysWhy) {
    struct Row {
        const char* what;
        std::function<void(Form&)> spoil;
        std::function<QList<QWidget*>(Form&)> fields;
        QString message;
    } rows[] = {
        {"unit", [](Form& f) { test::typeInto(f->cmbEinheit, QStringLiteral("stk")); },
         [](Form& f) { return QList<QWidget*>{f->cmbEinheit}; }, msgText(msg::CheckEinheit)},
        {"order number of ten zeros", [](Form& f) { test::typeInto(f->edKDAuftrag, QStringLiteral("0000000000")); },
         [](Form& f) {
             return QList<QWidget*>{f->edKDAuftrag, f->edKDPos};
         },
         msgText(msg::CheckKundenauftragsdaten)},
        {"no position", [](Form& f) { f->edKDPos->clear(); },
         [](Form& f) {
             return QList<QWidget*>{f->edKDAuftrag, f->edKDPos};
         },
         msgText(msg::CheckKundenauftragsdaten)},
        {"inspector", [](Form& f) { f->edPruefer->clear(); }, [](Form& f) { return QList<QWidget*>{f->edPruefer}; },
         msgText(msg::PrueferAngeben)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Form f;
        f.fillValid();
        r.spoil(f);
        QTest::mouseClick(f->btnDruck, Qt::LeftButton);
        EXPECT_EQ(f.messages(), QStringList{r.message});
        const QList<QWidget*> fields = r.fields(f);
        for (QWidget* w : {static_cast<QWidget*>(f->cmbEinheit), static_cast<QWidget*>(f->edKDAuftrag),
                           static_cast<QWidget*>(f->edKDPos), static_cast<QWidget*>(f->edPruefer)})
            EXPECT_EQ(fieldColour(w), fields.contains(w) ? YellowColour : CreamColour) << w->objectName().toStdString();
        QWidget* first = fields.first();
        EXPECT_TRUE(first->hasFocus() || first->isAncestorOf(QApplication::focusWidget()));
        EXPECT_TRUE(f.inst.fake().openedDocuments.isEmpty());
    }
}

TEST(OrderPartForm, PrintsOneAndFourUpWithEveryValueAndKeepsTheUnitAfterNeu) {
    Form f;
    f.fillValid();
    test::typeInto(f->cmbEinheit, QStringLiteral("m"));
    QTest::mouseClick(f->cbSicherheitsbauteil, Qt::LeftButton);
    EXPECT_TRUE(f->ImSicher->isVisibleTo(f.form.get())) << "row, EAN and safety symbol are printed";
    const QStringList values = {QStringLiteral("Flansch DN50"),
                                QStringLiteral("PN16 1.4571"),
                                QStringLiteral("11-05-044-010"),
                                QStringLiteral("1002044"),
                                QStringLiteral("2 m"),
                                QStringLiteral("12345"),
                                QStringLiteral("100204410830412345"),
                                QStringLiteral("4  012345  020441"),
                                QStringLiteral("4500123   "),
                                QStringLiteral("20"),
                                QStringLiteral("03.02.2020"),
                                QStringLiteral("M. Weber"),
                                QStringLiteral("Los 7")};
    test::expectPrintsOneAndFourUp(f.form.get(), f.inst, QStringLiteral("Auftragsteil"), values, 3);

    QTest::mouseClick(f->btnNeu, Qt::LeftButton);
    EXPECT_EQ(f->cmbEinheit->currentText(), QStringLiteral("m"));
    EXPECT_EQ(f->edKDAuftrag->displayText(), QString(10, QLatin1Char(' ')));
    EXPECT_EQ(f->edKDPos->text(), QString());
    EXPECT_EQ(f->cmbMatnr->currentText(), QString());
}

} // namespace
} // namespace zw
