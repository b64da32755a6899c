#include "forms/labels/FieldBinding.h"
#include "forms/labels/FrmErsatzteil.h"

#include "labeldoc/RTFGebindeObjekt.h"
#include "labels/LabelLayout.h"
#include "texts/Messages.h"

#include "FormInput.h"
#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

// The spare-part form, shown and active, on an installation with a 7-digit
// and a 10-digit article and the supplier numbers the main window hands over.
struct Form {
    LabelInstallation inst;
    std::unique_ptr<TfrmErsatzteil> form;

    Form() {
        for (const char* name : {"VorlageErsatzteilKarton_1fach.rtf", "VorlageErsatzteilKarton_4fach.rtf",
                                 "VorlageErsatzteilBeutel_1fach.rtf", "VorlageErsatzteilBeutel_4fach.rtf",
                                 "VorlageErsatzteilBeutel_8fach.rtf"})
            test::installResource(QLatin1String(name), inst.program());
        TArtikel seal =
            makeArticle(QStringLiteral("1001308"), QStringLiteral("Dichtring"), QStringLiteral("4012345013085"));
        seal.Sprache_1 = QStringLiteral("Dichtring 22x30x2 EPDM");
        seal.Sprache_2 = QStringLiteral("Sealing ring 22x30x2 EPDM");
        inst.addArticles({seal, makeArticle(QStringLiteral("2000100111"), QStringLiteral("Ersatzteilset"))});
        form = std::make_unique<TfrmErsatzteil>();
        form->logic.edSAPLieferantennr.setText(QStringLiteral("12345"));
        form->logic.edLiefNrKurz.setText(QStringLiteral("42"));
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    TfrmErsatzteil* operator->() { return form.get(); }
    QStringList messages() { return inst.fake().messageTexts(); }
    bool shown(const QWidget* w) { return w->isVisibleTo(form.get()); }

    void type(QWidget* w, const QString& text) { test::typeInto(w, text); }
    void choose(QComboBox* combo, int index) { test::chooseItem(combo, index); }

    void fillValid() {
        choose(form->cmbMatNr, 0);
        type(form->edHerstellerwoche, QStringLiteral("0813"));
    }
};

TEST(SparePartForm, ArticleAndBarcodeTypeChoicesChangeWhatTheFormShows) {
    Form f;
    f.fillValid();
    EXPECT_EQ(f->edBspTxtGB->text(), QStringLiteral("Sealing ring 22x30x2 EPDM"));
    EXPECT_EQ(f->cmbBarcodeTyp->count(), 3);
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("100130810830412345"));
    EXPECT_EQ(f->edKennung->text(), QStringLiteral("1083"));
    EXPECT_FALSE(f.shown(f->gbNWEP));
    const int shortWidth = f->edBarcode->width();

    f.choose(f->cmbBarcodeTyp, 1);
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("10013081083442"));

    f.choose(f->cmbBarcodeTyp, 2);
    EXPECT_TRUE(f.shown(f->gbNWEP));
    EXPECT_GT(f->edBarcode->width(), shortWidth) << "the NWEP row's field is wider";
    f->edProdNr->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("12a3"));
    QTest::keySequence(f->edProdNr, QKeySequence::Paste);
    EXPECT_EQ(f->edProdNr->text(), QStringLiteral("123"));
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("100130810830400012312345"));
    QTest::mouseClick(f->btnDruck, Qt::LeftButton);
    EXPECT_EQ(f.messages(), QStringList{msgText(msg::CheckProdNr)});
    EXPECT_EQ(fieldColour(f->edProdNr), YellowColour);
    EXPECT_TRUE(f->edProdNr->hasFocus());

    f.choose(f->cmbBarcodeTyp, 0);
    EXPECT_FALSE(f.shown(f->gbNWEP));
    EXPECT_EQ(f->edBarcode->width(), shortWidth);

    f.type(f->cmbMatNr, QStringLiteral("2000"));
    EXPECT_EQ(f->cmbBarcodeTyp->count(), 1);
    EXPECT_EQ(f->edBarcode->text(), QStringLiteral("200010011110830442"));
    EXPECT_EQ(f->edKennung->text(), QStringLiteral("1083"));
}

// Each version shows its own label with the inputs over their values and the
// pictures it prints; 8x is the bag's alone.
TEST(SparePartForm, VersionsShowTheirLabelAndCopies) {
    Form f;
    f.fillValid();
    struct Version {
        QRadioButton* button;
        const char* layout;
        QLabel* shownPicture;
        QLabel* hiddenPicture;
    } versions[] = {{f->rbBeutel, "ErsatzteilBeutel", f->ImBarcode, f->ImBarcode90},
                    {f->rbKarton, "ErsatzteilKarton", f->ImBarcode90, f->ImBarcode}};
    for (const Version& v : versions) {
        SCOPED_TRACE(v.layout);
        QTest::mouseClick(v.button, Qt::LeftButton);
        EXPECT_TRUE(f.shown(v.shownPicture));
        EXPECT_FALSE(f.shown(v.hiddenPicture));
        const LabelLayout& layout = labelLayout(QLatin1String(v.layout));
        const QRect picture = f->ImLabelErsatzteil->geometry();
        const double scale = (picture.width() - 1) / layout.innerWidth();
        for (const LayoutSpot& s : layout.spots()) {
            for (const QString& name : s.paragraph->fields) {
                SCOPED_TRACE(name.toStdString());
                const QWidget* w = f->findChild<QWidget*>(name);
                ASSERT_NE(w, nullptr);
                EXPECT_TRUE(f.shown(w));
                const QRectF cell(picture.left() + (s.cell.left() - layout.margin) * scale,
                                  picture.top() + (s.cell.top() - layout.margin) * scale, s.cell.width() * scale,
                                  s.cell.height() * scale);
                EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(QRectF(w->geometry())));
            }
        }
    }
    QTest::mouseClick(f->rbBeutel, Qt::LeftButton);
    EXPECT_TRUE(f.shown(f->cb8fach));
    QTest::mouseClick(f->cb8fach, Qt::LeftButton);
    QTest::mouseClick(f->rbKarton, Qt::LeftButton);
    EXPECT_FALSE(f.shown(f->cb8fach));
    EXPECT_TRUE(f->cb1fach->isChecked());
}

TEST(SparePartForm, PrintOpensTheCartonSheetWithTheLabelsValues) {
    Form f;
    f.fillValid();
    QTest::mouseClick(f->cbEEI, Qt::LeftButton);
    EXPECT_TRUE(f->edLeistungklasse->isEnabled());
    QTest::mouseClick(f->cb4fach, Qt::LeftButton);
    QTest::mouseClick(f->btnDruck, Qt::LeftButton);

    const QString document = f.inst.home() + QStringLiteral("ErsatzteilKarton_4fach.rtf");
    ASSERT_EQ(f.inst.fake().openedDocuments, QStringList{document});
    EXPECT_TRUE(f.messages().isEmpty()) << f.messages().join('|').toStdString();
    const QByteArray rtf = test::readFile(document);
    for (const QString& value : {QStringLiteral("Sealing ring 22x30x2 EPDM"), QStringLiteral("100130810830412345"),
                                 QStringLiteral("4  012345  013085"), QStringLiteral("EEI ≤ 0,23")})
        EXPECT_EQ(rtf.count(TRTFGebindeObjekt::WandleTextInRtf(value).toLatin1()), 4) << value.toStdString();
    EXPECT_FALSE(rtf.contains('@')) << "every placeholder is filled";
}

TEST(SparePartForm, NeuAndTranslationKeepTheFormUsable) {
    Form f;
    f.fillValid();
    f.choose(f->cmbBarcodeTyp, 2);
    QTest::mouseClick(f->btnNeu, Qt::LeftButton);
    EXPECT_EQ(f->cmbMatNr->currentText(), QString());
    EXPECT_EQ(f->edHerstellerwoche->displayText(), QStringLiteral("00.00"));
    EXPECT_EQ(f->cmbBarcodeTyp->count(), 4);
    EXPECT_FALSE(f.shown(f->gbNWEP));

    DataModule1->Sprache = QStringLiteral("GB");
    f->SpracheGeaendert();
    EXPECT_NE(f->btnDruck->text(), QStringLiteral("Drucken"));
    EXPECT_NE(f->gbAusfuhrung->title(), QStringLiteral("Ausführung"));
    EXPECT_EQ(f->cmbBarcodeTyp->itemText(3), msgText(msg::BarcodeTyp4)) << "the types are named in English";
    EXPECT_NE(msgText(msg::BarcodeTyp4), QStringLiteral("Barcode Typ 4 (NWEP)"));
    EXPECT_EQ(f->cmbMatNr->count(), 2) << "translation leaves the inputs alone";
}

} // namespace
} // namespace zw
