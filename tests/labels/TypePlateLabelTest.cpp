#include "labels/TypePlateLabel.h"

#include "labels/LabelLayout.h"

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

const QString Zeros13 = QStringLiteral("0000000000000");

// A type plate on an installation with its six templates and a few articles,
// the supplier numbers handed over as the main window does.
struct TypePlate {
    LabelInstallation inst;
    TypePlateLabel label;

    TypePlate() {
        inst.installTypePlateTemplates();
        TArtikel noDocument = makeArticle(QStringLiteral("3000001"), QStringLiteral("Scheibe"));
        noDocument.ZeichnNr = QStringLiteral("00-00-000-000");
        inst.addArticles({makeArticle(QStringLiteral("1234567"), QStringLiteral("Pumpe KP 40")),
                          makeArticle(QStringLiteral("1234567890"), QStringLiteral("Ersatzteilset")), noDocument});
        label.FormCreate();
        label.edSAPLieferantennr.setText(QStringLiteral("12345"));
        label.edLiefNrKurz.setText(QStringLiteral("42"));
    }

    void fillValid(const QString& matNr = QStringLiteral("1234567")) {
        label.cmbMatNr.userTyped(matNr);
        label.edHerstellerwoche.setText(QStringLiteral("08.13"));
    }

    // A template whose lines show each placeholder's value on its own line.
    void installValueTemplate() {
        QStringList lines{QStringLiteral("{\\rtf1\\ansi")};
        for (int n = 1; n <= 10; ++n)
            lines << QStringLiteral("V%1=@%1").arg(n, 2, 10, QLatin1Char('0'));
        lines << QStringLiteral("}");
        writeTextFile(inst.program() + QStringLiteral("VorlageEinzelteil_1fach.rtf"), lines, TextEncoding::Windows1252,
                      false);
    }

    // Placeholder number -> value as written into the document (a value of
    // several paragraphs runs over several lines).
    QHash<QString, QString> values(const QString& document) {
        TextDocument doc;
        EXPECT_TRUE(readTextFile(document, doc));
        QHash<QString, QString> out;
        QString key;
        for (const QString& line : doc.lines) {
            if (line.startsWith(QLatin1Char('V')) && line.size() >= 4 && line.at(3) == QLatin1Char('=')) {
                key = line.mid(1, 2);
                out.insert(key, line.mid(4));
            } else if (!key.isEmpty() && line != QLatin1String("}")) {
                out[key] += QStringLiteral("\r\n") + line;
            }
        }
        return out;
    }
};

TEST(TypePlateLabel, ChoosingAnArticleFillsMemoRowAndDateCode) {
    struct Row {
        const char* what;
        QString typed;
        QString liefNrKurz;
        QStringList messages;
        QString memo, zeichnNr, barcode, kennung;
    } rows[] = {
        {"7 digits: the 5-digit supplier number, date code from character 8",
         QStringLiteral("1234567"),
         QStringLiteral("42"),
         {},
         QStringLiteral("Pumpe KP 40"),
         QStringLiteral("11-05-044-010"),
         QStringLiteral("123456710830412345"),
         QStringLiteral("1083")},
        {"10 digits: the short supplier number, date code from character 11",
         QStringLiteral("1234567890"),
         QStringLiteral("42"),
         {},
         QStringLiteral("Ersatzteilset"),
         QStringLiteral("11-05-044-010"),
         QStringLiteral("123456789010830442"),
         QStringLiteral("1083")},
        {"10 digits without short supplier number warn and still fill",
         QStringLiteral("1234567890"),
         QString(),
         {msgText(msg::ZweistelligeLiefNrNoetig)},
         QStringLiteral("Ersatzteilset"),
         QStringLiteral("11-05-044-010"),
         QStringLiteral("1234567890108304"),
         QStringLiteral("1083")},
        {"no document number: message 340, the form still filled",
         QStringLiteral("3000001"),
         QStringLiteral("42"),
         {msgText(msg::KeineDokumentNrGefunden)},
         QStringLiteral("Scheibe"),
         QStringLiteral("  -  -   -   "),
         QStringLiteral("300000110830012345"),
         QStringLiteral("1083")},
        {"no article: reset and message 361",
         QStringLiteral("9"),
         QStringLiteral("42"),
         {msgText(msg::MatNrNichtGefunden)},
         QString(),
         QStringLiteral("  -  -   -   "),
         Zeros13,
         QStringLiteral("0000")},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TypePlate t;
        TypePlateLabel& l = t.label;
        l.edHerstellerwoche.setText(QStringLiteral("08.13"));
        l.edLiefNrKurz.setText(r.liefNrKurz);
        l.cmbMatNr.userTyped(r.typed);
        EXPECT_EQ(t.inst.fake().messageTexts(), r.messages);
        EXPECT_EQ(l.edMemo.text(), r.memo);
        EXPECT_EQ(l.edZeichnNr.text(), r.zeichnNr);
        EXPECT_EQ(l.edLieferantenfeld.text(), r.memo.isEmpty() ? QString() : QStringLiteral("Los 7"));
        EXPECT_EQ(l.edBarcode.text(), r.barcode);
        EXPECT_EQ(l.edKennung.text(), r.kennung);
        EXPECT_FALSE(l.ImBarcode.picture().isNull());
    }
}

TEST(TypePlateLabel, NeuResetsTheLabelAndKeepsSizeCopiesAndSupplierNumbers) {
    TypePlate t;
    TypePlateLabel& l = t.label;
    EXPECT_TRUE(l.cb1fach.checked() && l.cbgross.checked()) << "the choice after creation";
    t.fillValid();
    l.cbEEI.setChecked(true);
    l.cb4fach.setChecked(true);
    l.cbsehrklein.setChecked(true);
    l.edLieferantenfeld.setText(QStringLiteral("frei"));
    l.btnNeuClick();
    EXPECT_EQ(l.cmbMatNr.text(), QString());
    EXPECT_EQ(l.cmbMatNr.items().size(), 3);
    EXPECT_EQ(l.edMemo.text(), QString());
    EXPECT_EQ(l.edIndex.text(), QStringLiteral("  "));
    EXPECT_EQ(l.edBarcode.text(), Zeros13);
    EXPECT_EQ(l.edKennung.text(), QStringLiteral("0000"));
    EXPECT_EQ(l.edHerstellerwoche.text(), QStringLiteral("00.00"));
    EXPECT_EQ(l.edLieferantenfeld.text(), QString());
    EXPECT_FALSE(l.cbEEI.checked());
    EXPECT_EQ(l.edLeistungklasse.text(), QStringLiteral("kein EEI"));
    EXPECT_FALSE(l.edLeistungklasse.enabled());
    EXPECT_TRUE(l.cb4fach.checked() && l.cbsehrklein.checked() && !l.cbgross.checked());
    // The reset reads no settings: the numbers stay those the main window gave.
    test::writeFile(t.inst.home() + QStringLiteral("Barcode.ini"),
                    "[Einstellungen]\r\nSAPLieferantennummer=54321\r\nLieferantennummerKurz=17\r\n");
    l.btnNeuClick();
    EXPECT_EQ(l.builder().Lieferantennummer, QStringLiteral("12345"));
    EXPECT_EQ(l.builder().LieferantennummerKurz, QStringLiteral("42"));
}

TEST(TypePlateLabel, MemoKeepsItsFirstSevenLines) {
    const struct {
        const char* what;
        QString text;
        QStringList lines;
    } rows[] = {
        {"seven lines stay", QStringLiteral("1\n2\n3\n4\n5\n6\n7"), {"1", "2", "3", "4", "5", "6", "7"}},
        {"an eighth line typed goes at once",
         QStringLiteral("1\n2\n3\n4\n5\n6\n7\n8"),
         {"1", "2", "3", "4", "5", "6", "7"}},
        {"a paste of ten lines keeps seven",
         QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\ni\r\nj"),
         {"a", "b", "c", "d", "e", "f", "g"}},
        {"empty lines count", QStringLiteral("\n\n\n\n\n\n\nx"), {"", "", "", "", "", "", ""}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TypePlate t;
        t.label.edMemo.setText(r.text);
        EXPECT_EQ(t.label.edMemo.lines(), r.lines);
    }
}

TEST(TypePlateLabel, EnergyEfficiencyBoxSetsTheClassAndItsValue) {
    TypePlate t;
    t.installValueTemplate();
    TypePlateLabel& l = t.label;
    t.fillValid();
    l.cbEEI.setChecked(true);
    EXPECT_EQ(l.edLeistungklasse.text(), QStringLiteral("≤ 0,23"));
    EXPECT_TRUE(l.edLeistungklasse.enabled());
    EXPECT_EQ(t.values(l.btnDruckClick().document).value(QStringLiteral("06")),
              TRTFGebindeObjekt::WandleTextInRtf(QStringLiteral("EEI ≤ 0,23")));
    l.edLeistungklasse.setText(QStringLiteral("A++"));
    EXPECT_EQ(t.values(l.btnDruckClick().document).value(QStringLiteral("06")),
              TRTFGebindeObjekt::WandleTextInRtf(QStringLiteral("EEI A++")));
    l.cbEEI.setChecked(false);
    EXPECT_EQ(l.edLeistungklasse.text(), QStringLiteral("kein EEI"));
    EXPECT_FALSE(l.edLeistungklasse.enabled());
    EXPECT_EQ(t.values(l.btnDruckClick().document).value(QStringLiteral("06")), QString());
}

// Each row spoils one input of a valid plate; the print stops at that check.
TEST(TypePlateLabel, PrintChecksStopInOrderWithFieldAndMessage) {
    struct Row {
        const char* what;
        std::function<void(TypePlate&)> spoil;
        const char* field; // nullptr: no field marked
        QString message;
    } rows[] = {
        {"right after Neu", [](TypePlate& t) { t.label.btnNeuClick(); }, "cmbMatNr",
         msgText(msg::MatNrEingeben, Spelling::Ueebersetzen)},
        {"material number of no article", [](TypePlate& t) { t.label.cmbMatNr.setText(QStringLiteral("123")); },
         "cmbMatNr", msgText(msg::MatNrEingeben, Spelling::Ueebersetzen)},
        {"week left at 00.00", [](TypePlate& t) { t.label.edHerstellerwoche.setText(QStringLiteral("00.00")); },
         "edHerstellerwoche", msgText(msg::HerstellerwocheUngueltig)},
        {"week with a blank", [](TypePlate& t) { t.label.edHerstellerwoche.setText(QStringLiteral("8 .25")); },
         "edHerstellerwoche", msgText(msg::HerstellerwocheUngueltig)},
        {"10 digits without short supplier number",
         [](TypePlate& t) {
             t.label.edLiefNrKurz.setText(QString());
             t.fillValid(QStringLiteral("1234567890"));
             t.inst.fake().messages.clear();
         },
         nullptr, msgText(msg::ZweistelligeLiefNrNoetig)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        TypePlate t;
        t.fillValid();
        QString focused;
        for (LabelField* f : std::initializer_list<LabelField*>{&t.label.cmbMatNr, &t.label.edHerstellerwoche}) {
            f->setColor(YellowColour); // left from an earlier attempt
            f->onFocusRequested = [&focused, f] { focused = f->name(); };
        }
        r.spoil(t);
        const PrintOutcome out = t.label.btnDruckClick();
        EXPECT_EQ(out.kind, PrintOutcome::Stopped);
        ASSERT_EQ(t.inst.fake().messages.size(), 1);
        EXPECT_EQ(t.inst.fake().messages.first().text, r.message);
        EXPECT_EQ(t.inst.fake().messages.first().icon, MessageIcon::Error);
        for (const LabelField* f :
             std::initializer_list<const LabelField*>{&t.label.cmbMatNr, &t.label.edHerstellerwoche})
            EXPECT_EQ(f->color(), r.field && f->name() == QLatin1String(r.field) ? YellowColour : CreamColour)
                << f->name().toStdString();
        EXPECT_EQ(focused, r.field ? QLatin1String(r.field) : QString());
        EXPECT_TRUE(t.inst.fake().openedDocuments.isEmpty());
        EXPECT_TRUE(t.label.builder().slWerte.isEmpty());
    }
}

TEST(TypePlateLabel, EachSizeAndCopiesPrintsFromItsTemplate) {
    struct Row {
        RadioField TypePlateLabel::*copies;
        RadioField TypePlateLabel::*size;
        QString name;
    } rows[] = {
        {&TypePlateLabel::cb1fach, &TypePlateLabel::cbgross, QStringLiteral("Einzelteil_1fach")},
        {&TypePlateLabel::cb1fach, &TypePlateLabel::cbklein, QStringLiteral("Einzelteil_1fach_klein")},
        {&TypePlateLabel::cb1fach, &TypePlateLabel::cbsehrklein, QStringLiteral("Einzelteil_1fach_sehrklein")},
        {&TypePlateLabel::cb4fach, &TypePlateLabel::cbgross, QStringLiteral("Einzelteil_4fach")},
        {&TypePlateLabel::cb4fach, &TypePlateLabel::cbklein, QStringLiteral("Einzelteil_4fach_klein")},
        {&TypePlateLabel::cb4fach, &TypePlateLabel::cbsehrklein, QStringLiteral("Einzelteil_4fach_sehrklein")},
    };
    TypePlate t;
    t.fillValid();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name.toStdString());
        (t.label.*r.copies).setChecked(true);
        (t.label.*r.size).setChecked(true);
        const PrintOutcome out = t.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(out.document, t.inst.home() + r.name + QStringLiteral(".rtf"));
        EXPECT_EQ(t.label.builder().sVorlageDatei, QStringLiteral("Vorlage") + r.name + QStringLiteral(".rtf"));
        const QByteArray rtf = test::readFile(out.document);
        EXPECT_FALSE(rtf.contains('@')) << "every placeholder of the template is filled";
        const int copies = &(t.label.*r.copies) == &t.label.cb4fach ? 4 : 1;
        EXPECT_EQ(rtf.count(TRTFGebindeObjekt::WandleTextInRtf(QStringLiteral("123456710830412345")).toLatin1()),
                  copies);
    }
    // No size ticked: the template stays the one chosen last.
    t.label.cbsehrklein.setChecked(false);
    t.label.FormatBestimmen();
    EXPECT_EQ(t.label.builder().sVorlageDatei, QStringLiteral("VorlageEinzelteil_4fach_sehrklein.rtf"));
}

TEST(TypePlateLabel, PrintFillsItsSevenValues) {
    TypePlate t;
    t.installValueTemplate();
    TypePlateLabel& l = t.label;
    t.fillValid();
    // Typed over seven lines, ending in a line end: seven paragraphs, none empty after them.
    l.edMemo.setText(QStringLiteral("Pumpe KP 40\n230 V  50 Hz\n3\n4\n5\n6\n7\n8"));
    l.edLieferantenfeld.setText(QStringLiteral("{\\pict} @05"));
    const PrintOutcome out = l.btnDruckClick();
    ASSERT_EQ(out.kind, PrintOutcome::Printed);
    EXPECT_EQ(out.document, t.inst.home() + QStringLiteral("Einzelteil_1fach.rtf"));
    const QHash<QString, QString> got = t.values(out.document);
    const auto rtf = [](const QString& s) { return TRTFGebindeObjekt::WandleTextInRtf(s); };
    EXPECT_EQ(got.value("01"), rtf(QStringLiteral("1234567")));
    EXPECT_EQ(got.value("02"), rtf(QStringLiteral("Pumpe KP 40\r\n230 V  50 Hz\r\n3\r\n4\r\n5\r\n6\r\n7")));
    EXPECT_TRUE(got.value("03").startsWith(QLatin1String("{\\pict\\wmetafile8")));
    EXPECT_EQ(got.value("04"), rtf(QStringLiteral("1083")));
    EXPECT_EQ(got.value("05"), rtf(QStringLiteral("123456710830412345")));
    EXPECT_EQ(got.value("06"), QString());
    EXPECT_EQ(got.value("07"), QStringLiteral("@07")) << "07 to 09 get no value";
    EXPECT_EQ(got.value("10"), rtf(QStringLiteral("{\\pict} @05")));
    EXPECT_TRUE(l.builder().slWerte.isEmpty());
}

// What each size's description gives a value room for is what the form lets
// the user enter.
TEST(TypePlateLabel, EverySizeHasRoomForWhatTheFormAllows) {
    const TypePlateLabel form;
    for (const char* id : {"Einzelteil", "Einzelteil_klein", "Einzelteil_sehrklein"}) {
        SCOPED_TRACE(id);
        const LabelLayout& l = labelLayout(QLatin1String(id));
        const LayoutSpot memo = l.spotOfField(QStringLiteral("edMemo"));
        ASSERT_NE(memo.paragraph, nullptr);
        EXPECT_EQ(memo.paragraph->valueLines, TypePlateLabel::MemoLines);
        EXPECT_EQ(l.spotOfPlaceholder(10).paragraph->maxLength, form.edLieferantenfeld.maxLength);
        EXPECT_EQ(l.spotOfPlaceholder(6).paragraph->widestValue().size(),
                  QStringLiteral("EEI ").size() + form.edLeistungklasse.maxLength);
        EXPECT_EQ(l.placeholders(), (std::vector<int>{1, 2, 3, 4, 5, 6, 10}));
    }
}

} // namespace
} // namespace zw
