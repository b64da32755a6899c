#include "labels/SparePartLabel.h"

#include "base/TextFile.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

#include "LabelInstallation.h"

#include <gtest/gtest.h>

#include <QHash>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

TArtikel sparePart(const QString& matNr, const QString& ean) {
    TArtikel a = makeArticle(matNr, QStringLiteral("Dichtungssatz"), ean);
    a.Sprache_1 = QStringLiteral("Dichtungssatz");
    a.Sprache_2 = QStringLiteral("Seal kit");
    a.Sprache_3 = QStringLiteral("Jeu de joints");
    a.Sprache_4 = QStringLiteral("Juego de juntas");
    a.Sprache_5 = QStringLiteral("Комплект уплотнений");
    a.Sprache_6 = QStringLiteral("frei");
    return a;
}

// A spare-part label on an installation with a 7-digit, a 10-digit and a
// 7-digit article without EAN; the supplier numbers handed over as the main
// window does.
struct SparePart {
    LabelInstallation inst;
    SparePartLabel label;

    explicit SparePart(const QString& shortNumber = QStringLiteral("42")) {
        for (const char* name : {"VorlageErsatzteilKarton_1fach.rtf", "VorlageErsatzteilKarton_4fach.rtf",
                                 "VorlageErsatzteilBeutel_1fach.rtf", "VorlageErsatzteilBeutel_4fach.rtf",
                                 "VorlageErsatzteilBeutel_8fach.rtf"})
            test::installResource(QLatin1String(name), inst.program());
        inst.addArticles({sparePart(QStringLiteral("1234567"), QStringLiteral("4012345678901")),
                          sparePart(QStringLiteral("1234567890"), QStringLiteral("4012345678901")),
                          sparePart(QStringLiteral("2000001"), QString())});
        label.FormCreate();
        label.edSAPLieferantennr.setText(QStringLiteral("12345"));
        label.edLiefNrKurz.setText(shortNumber);
    }

    void fillValid(const QString& matNr = QStringLiteral("1234567")) {
        label.cmbMatNr.userTyped(matNr);
        label.edHerstellerwoche.setText(QStringLiteral("08.13"));
    }

    // The version's template replaced by one that shows each placeholder's value on a line of its own.
    void installValueTemplate(const QString& name) { test::installValueTemplate(inst.program(), name, 16); }
    static QHash<QString, QString> values(const QString& document) { return test::documentValues(document); }

    QString picture(const PictureField& f) {
        label.builder().SchreibeBildInRtf(f.picture());
        return label.builder().RTFBild;
    }
};

TEST(SparePartLabel, TheMaterialNumberDecidesTheBarcodeTypesOffered) {
    struct Row {
        const char* what;
        QString typed; // empty: the reset's list
        std::vector<Message> entries;
        TBarcodeTyp type;
    } rows[] = {
        {"7 digits", QStringLiteral("1234567"), {msg::BarcodeTyp1, msg::BarcodeTyp2, msg::BarcodeTyp4}, BCTyp_Standard},
        {"10 digits", QStringLiteral("1234567890"), {msg::BarcodeTyp3}, BCTyp_LangMat},
        {"after the reset",
         QString(),
         {msg::BarcodeTyp1, msg::BarcodeTyp2, msg::BarcodeTyp3, msg::BarcodeTyp4},
         BCTyp_Standard},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SparePart s;
        if (!r.typed.isEmpty())
            s.label.cmbMatNr.userTyped(r.typed);
        QStringList expected;
        for (const Message& m : r.entries)
            expected << msgText(m);
        EXPECT_EQ(s.label.cmbBarcodeTyp.items(), expected);
        EXPECT_EQ(s.label.cmbBarcodeTyp.itemIndex(), 0);
        EXPECT_EQ(s.label.bct, r.type);
    }
}

TEST(SparePartLabel, EachBarcodeTypeBuildsItsRowDateCodeAndGroup) {
    struct Row {
        const char* what;
        QString matNr;
        int entry;
        QString prodNr;
        TBarcodeTyp type;
        QString row;
        QString kennung;
        bool nwep;
    } rows[] = {
        {"standard",
         QStringLiteral("1234567"),
         0,
         {},
         BCTyp_Standard,
         QStringLiteral("123456710830412345"),
         QStringLiteral("1083"),
         false},
        {"short",
         QStringLiteral("1234567"),
         1,
         {},
         BCTyp_Kurz,
         QStringLiteral("12345671083442"),
         QStringLiteral("1083"),
         false},
        {"NWEP", QStringLiteral("1234567"), 2, QStringLiteral("123"), BCTyp_NWEP,
         QStringLiteral("123456710830400012312345"), QStringLiteral("1083"), true},
        {"10-digit",
         QStringLiteral("1234567890"),
         0,
         {},
         BCTyp_LangMat,
         QStringLiteral("123456789010830442"),
         QStringLiteral("1083"),
         false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SparePart s;
        s.fillValid(r.matNr);
        s.label.cmbBarcodeTyp.userChose(r.entry);
        if (!r.prodNr.isEmpty())
            s.label.edProdNr.setText(r.prodNr);
        EXPECT_EQ(s.label.bct, r.type);
        EXPECT_EQ(s.label.edBarcode.text(), r.row);
        EXPECT_EQ(s.label.edKennung.text(), r.kennung);
        EXPECT_EQ(s.label.gbNWEP.visible(), r.nwep);
        EXPECT_EQ(s.label.wideDigitRow(), r.nwep);
        EXPECT_EQ(s.label.ImBarcode.picture().size(), QSize(175, 25));
        EXPECT_EQ(s.label.ImBarcode90.picture().size(), QSize(25, 175));
        EXPECT_TRUE(s.inst.fake().messages.isEmpty()) << s.inst.fake().messageTexts().join('|').toStdString();
    }
}

TEST(SparePartLabel, ProductionNumberKeepsDigitsAndGoesWithTheNwepType) {
    SparePart s;
    s.fillValid();
    s.label.cmbBarcodeTyp.userChose(2);
    s.label.edProdNr.setText(QStringLiteral("12a3"));
    EXPECT_EQ(s.label.edProdNr.text(), QStringLiteral("123"));
    EXPECT_EQ(s.label.edBarcode.text(), QStringLiteral("123456710830400012312345"));

    s.label.cmbBarcodeTyp.userChose(0);
    EXPECT_FALSE(s.label.gbNWEP.visible());
    EXPECT_EQ(s.label.edProdNr.text(), QString());

    // The reset's standard type takes the group away too.
    s.label.cmbBarcodeTyp.userChose(2);
    s.label.edProdNr.setText(QStringLiteral("000123"));
    s.label.btnNeuClick();
    EXPECT_EQ(s.label.bct, BCTyp_Standard);
    EXPECT_FALSE(s.label.gbNWEP.visible());
    EXPECT_EQ(s.label.edProdNr.text(), QString());
}

TEST(SparePartLabel, PrintChecksStopWithTheirMessageAndField) {
    struct Row {
        const char* what;
        std::function<void(SparePart&)> spoil;
        const char* field;
        QString message;
        bool printed;
    } rows[] = {
        {"material number", [](SparePart& s) { s.label.cmbMatNr.setText(QStringLiteral("123")); }, "cmbMatNr",
         msgText(msg::MatNrEingeben, Spelling::Ueebersetzen), false},
        {"week", [](SparePart& s) { s.label.edHerstellerwoche.setText(QStringLiteral("00.13")); }, "edHerstellerwoche",
         msgText(msg::HerstellerwocheUngueltig), false},
        {"NWEP without production number", [](SparePart& s) { s.label.cmbBarcodeTyp.userChose(2); }, "edProdNr",
         msgText(msg::CheckProdNr), false},
        {"NWEP with 000000",
         [](SparePart& s) {
             s.label.cmbBarcodeTyp.userChose(2);
             s.label.edProdNr.setText(QStringLiteral("000000"));
         },
         "edProdNr", msgText(msg::CheckProdNr), false},
        {"NWEP with five digits",
         [](SparePart& s) {
             s.label.cmbBarcodeTyp.userChose(2);
             s.label.edProdNr.setText(QStringLiteral("12345"));
         },
         "edProdNr", msgText(msg::CheckProdNr), false},
        {"NWEP with six digits prints",
         [](SparePart& s) {
             s.label.cmbBarcodeTyp.userChose(2);
             s.label.edProdNr.setText(QStringLiteral("000123"));
         },
         nullptr, QString(), true},
        {"short type without short supplier number",
         [](SparePart& s) {
             s.label.edLiefNrKurz.setText(QString());
             s.label.cmbBarcodeTyp.userChose(1);
             EXPECT_EQ(s.inst.fake().messageTexts(), QStringList{msgText(msg::ZweistelligeLiefNrNoetig)});
             s.inst.fake().messages.clear();
         },
         nullptr, msgText(msg::ZweistelligeLiefNrNoetig), false},
        {"10 digits without short supplier number",
         [](SparePart& s) {
             s.label.edLiefNrKurz.setText(QString());
             s.label.cmbMatNr.userTyped(QStringLiteral("1234567890"));
             EXPECT_EQ(s.inst.fake().messageTexts(), QStringList{msgText(msg::ZweistelligeLiefNrNoetig)});
             s.inst.fake().messages.clear();
         },
         nullptr, msgText(msg::ZweistelligeLiefNrNoetig), false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SparePart s;
        s.fillValid();
        QString focused;
        for (LabelField* f :
             std::initializer_list<LabelField*>{&s.label.cmbMatNr, &s.label.edHerstellerwoche, &s.label.edProdNr}) {
            f->setColor(YellowColour);
            f->onFocusRequested = [&focused, f] { focused = f->name(); };
        }
        r.spoil(s);
        const PrintOutcome out = s.label.btnDruckClick();
        EXPECT_EQ(s.inst.fake().messageTexts(), r.message.isEmpty() ? QStringList() : QStringList{r.message});
        EXPECT_EQ(out.kind == PrintOutcome::Printed, r.printed);
        for (const LabelField* f :
             std::initializer_list<const LabelField*>{&s.label.cmbMatNr, &s.label.edHerstellerwoche, &s.label.edProdNr})
            EXPECT_EQ(f->color(), r.field && f->name() == QLatin1String(r.field) ? YellowColour : CreamColour)
                << f->name().toStdString();
        EXPECT_EQ(focused, r.field ? QLatin1String(r.field) : QString());
        EXPECT_EQ(s.inst.fake().openedDocuments.size(), r.printed ? 1 : 0);
    }
}

TEST(SparePartLabel, VersionAndCopiesChooseTheTemplate) {
    struct Row {
        bool bag;
        const char* copies;
        QString document;
    } rows[] = {
        {false, "1", QStringLiteral("ErsatzteilKarton_1fach")}, {false, "4", QStringLiteral("ErsatzteilKarton_4fach")},
        {true, "1", QStringLiteral("ErsatzteilBeutel_1fach")},  {true, "4", QStringLiteral("ErsatzteilBeutel_4fach")},
        {true, "8", QStringLiteral("ErsatzteilBeutel_8fach")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.document.toStdString());
        SparePart s;
        s.fillValid();
        if (r.bag)
            s.label.rbBeutel.setChecked(true);
        EXPECT_EQ(s.label.cb8fach.visible(), r.bag);
        EXPECT_EQ(s.label.ImEAN90.visible(), !r.bag) << "each version shows the pictures it prints";
        EXPECT_EQ(s.label.ImEANCode.visible(), r.bag);
        RadioField* copies[] = {&s.label.cb1fach, &s.label.cb4fach, &s.label.cb8fach};
        copies[r.copies[0] == '1' ? 0 : r.copies[0] == '4' ? 1 : 2]->setChecked(true);
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(out.document, s.inst.home() + r.document + QStringLiteral(".rtf"));
        EXPECT_EQ(s.label.builder().sVorlageDatei, QStringLiteral("Vorlage") + r.document + QStringLiteral(".rtf"));
    }

    // The carton has no 8-up sheet: switching to it takes 1x instead.
    SparePart s;
    s.label.rbBeutel.setChecked(true);
    s.label.cb8fach.setChecked(true);
    s.label.rbKarton.setChecked(true);
    EXPECT_TRUE(s.label.cb1fach.checked());
    EXPECT_FALSE(s.label.cb8fach.checked() || s.label.cb8fach.visible());
    s.label.btnNeuClick();
    EXPECT_TRUE(s.label.rbKarton.checked() && s.label.cb1fach.checked()) << "the reset keeps version and copies";
}

TEST(SparePartLabel, PrintFillsTheValuesWithTheVersionsPictures) {
    struct Row {
        const char* what;
        bool bag;
        std::function<void(SparePart&)> edit;
        QHash<QString, QString> expected; // before RTF conversion; pictures compared apart
        bool ean;
        QStringList messages;
    } rows[] = {
        {"carton as chosen",
         false,
         [](SparePart&) {},
         {{"01", "1234567"},
          {"02", "Dichtungssatz"},
          {"03", "Seal kit"},
          {"06", "Комплект уплотнений"},
          {"07", "frei"},
          {"09", "4  012345  678901"},
          {"14", "1083"},
          {"15", "123456710830412345"},
          {"16", ""}},
         true,
         {}},
        {"bag with EEI", true, [](SparePart& s) { s.label.cbEEI.setChecked(true); }, {{"16", "EEI ≤ 0,23"}}, true, {}},
        {"an article without EAN",
         false,
         [](SparePart& s) {
             s.label.cmbMatNr.userTyped(QStringLiteral("2000001"));
             s.label.edHerstellerwoche.setText(QStringLiteral("08.13"));
         },
         {{"08", ""}, {"09", ""}},
         false,
         {}},
        {"the reset's zero EAN",
         true,
         [](SparePart& s) { s.label.edEANCode.setText(QStringLiteral("0000000000000")); },
         {{"08", ""}, {"09", ""}},
         false,
         {}},
        {"an EAN that cannot scan warns and prints none",
         false,
         [](SparePart& s) { s.label.edEANCode.setText(QStringLiteral("4012345678900")); },
         {{"08", ""}, {"09", ""}},
         false,
         {msgText(msg::CheckEAN13)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        SparePart s;
        if (r.bag)
            s.label.rbBeutel.setChecked(true);
        s.installValueTemplate(r.bag ? QStringLiteral("VorlageErsatzteilBeutel_1fach.rtf")
                                     : QStringLiteral("VorlageErsatzteilKarton_1fach.rtf"));
        s.fillValid();
        r.edit(s);
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(s.inst.fake().messageTexts(), r.messages);
        const QHash<QString, QString> got = s.values(out.document);
        for (auto it = r.expected.begin(); it != r.expected.end(); ++it)
            EXPECT_EQ(got.value(it.key()), TRTFGebindeObjekt::WandleTextInRtf(it.value()))
                << "@" << it.key().toStdString();
        const SparePartLabel& l = s.label;
        EXPECT_EQ(got.value(QStringLiteral("13")), s.picture(r.bag ? l.ImBarcode : l.ImBarcode90));
        if (r.ean) {
            EXPECT_EQ(got.value(QStringLiteral("08")), s.picture(r.bag ? l.ImEANCode : l.ImEAN90));
        }
        EXPECT_EQ(got.value(QStringLiteral("10")), QStringLiteral("@10")) << "the form fills no @10 to @12";
    }
}

TEST(SparePartLabel, NeuEmptiesTheLabelAndKeepsTheTypeListWhole) {
    SparePart s;
    s.fillValid();
    s.label.cbEEI.setChecked(true);
    EXPECT_TRUE(s.label.edLeistungklasse.enabled());
    s.label.btnNeuClick();
    const SparePartLabel& l = s.label;
    EXPECT_EQ(l.cmbMatNr.text(), QString());
    EXPECT_EQ(l.edBspTxtD.text() + l.edBspTxtFrei.text(), QString());
    EXPECT_EQ(l.edEANCode.text(), QStringLiteral("0000000000000"));
    EXPECT_EQ(l.edHerstellerwoche.text(), QStringLiteral("00.00"));
    EXPECT_EQ(l.edZeichnNr.text(), QStringLiteral("  -  -   -   "));
    EXPECT_EQ(l.edKennung.text(), QStringLiteral("0000"));
    EXPECT_FALSE(l.cbEEI.checked() || l.edLeistungklasse.enabled());
    EXPECT_EQ(l.edLeistungklasse.text(), QStringLiteral("kein EEI"));
    EXPECT_EQ(l.cmbBarcodeTyp.items().size(), 4);
    EXPECT_EQ(l.builder().Lieferantennummer, QStringLiteral("12345")) << "the reset reads no supplier numbers";
}

} // namespace
} // namespace zw
