// The special-part form driven as a user drives it: its lists, checks and
// print (the rules are SpecialPartLabelTest's).

#include "forms/labels/FieldBinding.h"
#include "forms/labels/FrmGebindeSonderteil.h"

#include "core/DataModule.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

#include "FormDriver.h"
#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zw {
namespace {

using test::LabelInstallation;

struct Form : test::ShownForm<TfrmGebindeSonderteil> {
    Form()
        : ShownForm([](LabelInstallation& inst) {
              inst.dataModule->slGeraetetyp = {QStringLiteral("Kreiselpumpe KP 50"),
                                               QStringLiteral("Heizkessel HK 80")};
              inst.dataModule->slLagerplatz = {QStringLiteral("Hochregal A"), QStringLiteral("Außenlager C")};
          }) {}

    void fillValid() {
        test::typeInto(form->edBenennung, QStringLiteral("Sonderflansch mit Gewindebohrungen"));
        test::typeInto(form->edBestellNr, QStringLiteral("4711"));
        test::typeInto(form->edBestellPos, QStringLiteral("10"));
        test::typeInto(form->edKDAuftrag, QStringLiteral("4500123456"));
        test::typeInto(form->edKDPos, QStringLiteral("3"));
        test::typeInto(form->edStueck, QStringLiteral("5"));
        test::chooseItem(form->cmbEinheit, 0);
        test::chooseItem(form->edGeraetetyp, 1);
        test::typeInto(form->edLagerort, QStringLiteral("Zelt 4"));
        test::typeInto(form->edPruefer, QStringLiteral("M. Weber"));
        test::typeInto(form->edLieferantenfeld, QStringLiteral("Los 7"));
    }
};

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

TEST(SpecialPartForm, InputsStandOnThePictureWhereTheirValuesPrint) {
    Form f;
    test::expectInputsWhereTheirValuesPrint(f.form.get(), QStringLiteral("Sonderteil"), f->ImLabelSonderteil);
}

TEST(SpecialPartForm, EachFailedCheckMarksItsFieldFocusesAndSaysWhy) {
    struct Row {
        const char* what;
        std::function<void(Form&)> spoil;
        std::function<QWidget*(Form&)> field;
        QString message;
    } rows[] = {
        {"quantity", [](Form& f) { test::typeInto(f->edStueck, QStringLiteral("0")); },
         [](Form& f) -> QWidget* { return f->edStueck; }, msgText(msg::CheckStueck)},
        {"unit", [](Form& f) { test::typeInto(f->cmbEinheit, QStringLiteral("Meter")); },
         [](Form& f) -> QWidget* { return f->cmbEinheit; }, msgText(msg::CheckEinheit)},
        {"inspector", [](Form& f) { f->edPruefer->clear(); }, [](Form& f) -> QWidget* { return f->edPruefer; },
         msgText(msg::PrueferAngeben)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Form f;
        f.fillValid();
        r.spoil(f);
        QTest::mouseClick(f->btnDruck, Qt::LeftButton);
        EXPECT_EQ(f.messages(), QStringList{r.message});
        QWidget* field = r.field(f);
        for (QWidget* w : {static_cast<QWidget*>(f->edStueck), static_cast<QWidget*>(f->cmbEinheit),
                           static_cast<QWidget*>(f->edPruefer), static_cast<QWidget*>(f->edLagerort)})
            EXPECT_EQ(fieldColour(w), w == field ? YellowColour : CreamColour) << w->objectName().toStdString();
        EXPECT_TRUE(field->hasFocus() || field->isAncestorOf(QApplication::focusWidget()));
        EXPECT_TRUE(f.inst.fake().openedDocuments.isEmpty());
    }
}

TEST(SpecialPartForm, PrintsOneAndFourUpWithEveryValueThenNeuOffersTheListsAgain) {
    Form f;
    EXPECT_EQ(items(f->edGeraetetyp), f.inst.dataModule->slGeraetetyp);
    EXPECT_EQ(items(f->edLagerort), f.inst.dataModule->slLagerplatz);
    f.fillValid();
    QTest::mouseClick(f->cb100Pruefung, Qt::LeftButton);
    EXPECT_TRUE(f->Im100Prz->isVisibleTo(f.form.get()));
    const QStringList values = {QStringLiteral("Sonderflansch mit Gewinde"),
                                QStringLiteral("bohrungen"),
                                QStringLiteral("4711"),
                                QStringLiteral("10"),
                                QStringLiteral("4500123456"),
                                QStringLiteral("12345"),
                                QStringLiteral("5 Stk"),
                                QStringLiteral("Heizkessel HK 80"),
                                QStringLiteral("Zelt 4"),
                                QStringLiteral("100%"),
                                QStringLiteral("03.02.2020"),
                                QStringLiteral("M. Weber"),
                                QStringLiteral("Los 7")};
    test::expectPrintsOneAndFourUp(f.form.get(), f.inst, QStringLiteral("Sonderteil"), values, 0);

    QTest::mouseClick(f->btnNeu, Qt::LeftButton);
    EXPECT_EQ(f->edGeraetetyp->currentText(), QString());
    EXPECT_EQ(f->edLagerort->currentText(), QString());
    EXPECT_EQ(items(f->edGeraetetyp), f.inst.dataModule->slGeraetetyp);
    EXPECT_EQ(items(f->edLagerort), f.inst.dataModule->slLagerplatz);
    EXPECT_EQ(f->cmbEinheit->currentText(), QStringLiteral("Stk")) << "the unit is kept";
    EXPECT_EQ(f->edBenennung->text(), QString());
    EXPECT_EQ(f->edStueck->text(), QStringLiteral("1"));
    EXPECT_FALSE(f->cb100Pruefung->isChecked());
}

TEST(SpecialPartForm, TranslationKeepsTheTypedValues) {
    Form f;
    test::typeInto(f->edGeraetetyp, QStringLiteral("Versuchstraeger"));
    DataModule1->Sprache = QStringLiteral("GB");
    f->SpracheGeaendert();
    EXPECT_NE(f->GroupBox2->title(), QStringLiteral("Anzahl der Ausdrucke"));
    EXPECT_NE(f->btnDruck->text(), QStringLiteral("Drucken"));
    EXPECT_EQ(f->edGeraetetyp->currentText(), QStringLiteral("Versuchstraeger"));
}

} // namespace
} // namespace zw
