#include "labels/StockPartLabel.h"

#include "base/AppError.h"
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

// A stock-part label on an installation with a few articles.
struct StockPart {
    LabelInstallation inst;
    StockPartLabel label;

    StockPart() {
        TArtikel safe =
            makeArticle(QStringLiteral("1234567"), QStringLiteral("Flansch DN50"), QStringLiteral("4012345678901"));
        safe.Pruefung100 = QStringLiteral("true");
        safe.SSymbol = QStringLiteral("true");
        TArtikel longNumber = makeArticle(QStringLiteral("1234567890"), QStringLiteral("Ersatzteilset"));
        TArtikel oddUnit = makeArticle(QStringLiteral("2000001"), QStringLiteral("Band"));
        oddUnit.Einheit = QStringLiteral("Rolle");
        oddUnit.Pruefung100 = QStringLiteral("True");
        TArtikel noDocument = makeArticle(QStringLiteral("3000001"), QStringLiteral("Scheibe"));
        noDocument.ZeichnNr = QStringLiteral("00-00-000-000");
        noDocument.MQSNr.clear();
        noDocument.KSTNr.clear();
        inst.addArticles({safe, longNumber, oddUnit, noDocument});
        label.FormCreate();
    }

    // The state of a label that passes every check.
    void fillValid(const QString& matNr = QStringLiteral("1234567")) {
        label.cmbMatnr.userTyped(matNr);
        label.edHerstellerwoche.setText(QStringLiteral("08.13"));
        label.edPruefer.setText(QStringLiteral("M. Weber"));
    }

    void installValueTemplate() {
        test::installValueTemplate(inst.program(), QStringLiteral("VorlageLagerteil_1fach.rtf"), 17);
    }
    QHash<QString, QString> values(const QString& document) { return test::documentValues(document); }
};

QString rtf(const QString& text) {
    return TRTFGebindeObjekt::WandleTextInRtf(text);
}

TEST(StockPartLabel, ChoosingAMaterialNumberFillsTheArticleAndTheDigitRow) {
    StockPart s;
    StockPartLabel& l = s.label;
    l.cmbMatnr.userTyped(QStringLiteral("12345"));
    // "12345" begins both numbers: the later one in the list is chosen.
    EXPECT_EQ(l.cmbMatnr.text(), QStringLiteral("1234567890"));

    l.cmbMatnr.userTyped(QStringLiteral("1234567"));
    EXPECT_EQ(l.cmbMatnr.itemIndex(), 0) << "an exact number wins over a longer one";
    EXPECT_EQ(l.edBenennung.text(), QStringLiteral("Flansch DN50"));
    EXPECT_EQ(l.edZeichnNr.text(), QStringLiteral("11-05-044-010"));
    EXPECT_EQ(l.edIndex.text(), QStringLiteral("04"));
    EXPECT_EQ(l.edStueckzahl.text(), QStringLiteral("2"));
    EXPECT_EQ(l.cmbEinheit.text(), QStringLiteral("Stk"));
    EXPECT_EQ(l.edLiefNr.text(), QStringLiteral("12345"));
    EXPECT_EQ(l.edEANCode.text(), QStringLiteral("4012345678901"));
    EXPECT_EQ(l.LEAN1.caption() + "|" + l.LEAN2.caption() + "|" + l.LEAN3.caption(), "4|012345|678901");
    EXPECT_EQ(l.edLagerort.text(), QStringLiteral("B-03-01"));
    EXPECT_EQ(l.edLieferantenfeld.text(), QStringLiteral("Los 7"));
    EXPECT_TRUE(l.cb100Pruefung.checked() && l.Im100Prz.visible());
    EXPECT_TRUE(l.cbSicherheitsbauteil.checked() && l.ImSicher.visible());
    EXPECT_EQ(l.edBarcode.text(), QStringLiteral("123456700000412345"));
    EXPECT_EQ(l.ImBarcode.picture().size(), QSize(175, 25));

    // Every change of week or index redraws the row.
    l.edHerstellerwoche.setText(QStringLiteral("08.13"));
    EXPECT_EQ(l.edBarcode.text(), QStringLiteral("123456710830412345"));
    l.edIndex.setText(QStringLiteral("07"));
    EXPECT_EQ(l.edBarcode.text(), QStringLiteral("123456710830712345"));
    EXPECT_TRUE(s.inst.fake().messages.isEmpty()) << s.inst.fake().messageTexts().join('|').toStdString();
}

TEST(StockPartLabel, ArticleChoiceEdgeCases) {
    struct Row {
        const char* what;
        QString typed;
        QByteArray settings; // home copy of Barcode.ini, or empty
        QStringList messages;
        std::function<void(const StockPartLabel&)> check;
    } rows[] = {
        {"a prefix that matches nothing resets the form",
         QStringLiteral("9"),
         {},
         {msgText(msg::MatNrNichtGefunden)},
         [](const StockPartLabel& l) {
             EXPECT_EQ(l.cmbMatnr.itemIndex(), -1);
             EXPECT_EQ(l.cmbMatnr.text(), QString());
             EXPECT_EQ(l.edBenennung.text(), QString());
             EXPECT_EQ(l.edBarcode.text(), Zeros13);
         }},
        {"a 10-digit number without short supplier number warns and still fills",
         QStringLiteral("1234567890"),
         "[Einstellungen]\r\nSAPLieferantennummer=12345\r\nLieferantennummerKurz=\r\n",
         {msgText(msg::ZweistelligeLiefNrNoetig, Spelling::Ueebersetzen)},
         [](const StockPartLabel& l) {
             EXPECT_EQ(l.edBenennung.text(), QStringLiteral("Ersatzteilset"));
             EXPECT_EQ(l.edBarcode.text(), QStringLiteral("1234567890000004")) << "no supplier digits";
         }},
        {"a 10-digit number takes the short supplier number",
         QStringLiteral("1234567890"),
         {},
         {},
         [](const StockPartLabel& l) {
             EXPECT_EQ(l.edLiefNr.text(), QStringLiteral("42"));
             EXPECT_EQ(l.edBarcode.text(), QStringLiteral("123456789000000442"));
         }},
        {"an unknown unit selects nothing and 'True' ticks nothing",
         QStringLiteral("2000001"),
         {},
         {},
         [](const StockPartLabel& l) {
             EXPECT_EQ(l.cmbEinheit.itemIndex(), -1);
             EXPECT_FALSE(l.cb100Pruefung.checked());
             EXPECT_FALSE(l.Im100Prz.visible());
         }},
        {"an article without document number says so and leaves the number empty",
         QStringLiteral("3000001"),
         {},
         {msgText(msg::KeineDokumentNrGefunden)},
         [](const StockPartLabel& l) {
             EXPECT_EQ(l.edZeichnNr.text(), QStringLiteral("  -  -   -   "));
             EXPECT_EQ(l.edIndex.text(), QStringLiteral("  "));
         }},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        StockPart s;
        if (!r.settings.isEmpty()) {
            test::writeFile(s.inst.home() + QStringLiteral("Barcode.ini"), r.settings);
            s.label.DoNeu();
        }
        s.label.cmbMatnr.userTyped(r.typed);
        EXPECT_EQ(s.inst.fake().messageTexts(), r.messages);
        r.check(s.label);
    }
}

TEST(StockPartLabel, NeuResetsToAnEmptyLabelWithZeroBarcodes) {
    StockPart s;
    // The home folder's settings come before the program folder's.
    test::writeFile(s.inst.home() + QStringLiteral("Barcode.ini"),
                    "[Einstellungen]\r\nSAPLieferantennummer=54321\r\nLieferantennummerKurz=17\r\n");
    s.fillValid();
    s.label.edPruefdatum_DTP.setDate(QDate(2031, 1, 1));
    s.label.btnNeuClick();
    const StockPartLabel& l = s.label;
    EXPECT_EQ(l.cmbMatnr.text(), QString());
    EXPECT_EQ(l.cmbMatnr.items().size(), 4);
    EXPECT_EQ(l.edBarcode.text(), Zeros13);
    EXPECT_EQ(l.edEANCode.text(), Zeros13);
    EXPECT_EQ(l.LEAN1.caption() + "|" + l.LEAN2.caption() + "|" + l.LEAN3.caption(), "0|000000|000000");
    EXPECT_EQ(l.edHerstellerwoche.text(), QStringLiteral("00.00"));
    EXPECT_EQ(l.edStueckzahl.text(), QStringLiteral("1"));
    EXPECT_EQ(l.cmbEinheit.itemIndex(), -1);
    EXPECT_FALSE(l.cb100Pruefung.checked() || l.Im100Prz.visible() || l.ImSicher.visible());
    EXPECT_EQ(l.edPruefdatum_DTP.date(), QDate(2020, 2, 3));
    EXPECT_EQ(l.builder().Lieferantennummer, QStringLiteral("54321"));
    EXPECT_EQ(l.builder().LieferantennummerKurz, QStringLiteral("17"));
    EXPECT_FALSE(l.ImBarcode.picture().isNull());
    EXPECT_FALSE(l.ImEANCode.picture().isNull());
}

// Each row spoils one input of a valid label; the print stops at that check
// with the field yellow and the message shown, or warns and goes on.
TEST(StockPartLabel, PrintChecksStopInOrderWithFieldAndMessage) {
    struct Row {
        const char* what;
        std::function<void(StockPart&)> spoil;
        const char* field; // nullptr: the print stops without marking a field
        QString message;
        MessageIcon icon;
        bool printed;
    } rows[] = {
        {"material number", [](StockPart& s) { s.label.cmbMatnr.setText(QStringLiteral("123")); }, "cmbMatnr",
         msgText(msg::MatNrEingeben, Spelling::Ueebersetzen), MessageIcon::Error, false},
        {"quantity", [](StockPart& s) { s.label.edStueckzahl.setText(QStringLiteral("0")); }, "edStueckzahl",
         msgText(msg::CheckStueck), MessageIcon::Error, false},
        {"unit", [](StockPart& s) { s.label.cmbEinheit.setText(QStringLiteral("stk")); }, "cmbEinheit",
         msgText(msg::CheckEinheit), MessageIcon::Error, false},
        {"week", [](StockPart& s) { s.label.edHerstellerwoche.setText(QStringLiteral("54.13")); }, "edHerstellerwoche",
         msgText(msg::HerstellerwocheUngueltig), MessageIcon::Error, false},
        // A week typed "8.25" stands in the mask as "8 .25": refused like any invalid week, never a conversion error.
        {"week with a blank after its digit",
         [](StockPart& s) { s.label.edHerstellerwoche.setText(QStringLiteral("8 .25")); }, "edHerstellerwoche",
         msgText(msg::HerstellerwocheUngueltig), MessageIcon::Error, false},
        {"week with a blank in the year",
         [](StockPart& s) { s.label.edHerstellerwoche.setText(QStringLiteral("08.2 ")); }, "edHerstellerwoche",
         msgText(msg::HerstellerwocheUngueltig), MessageIcon::Error, false},
        {"EAN that cannot scan warns and prints",
         [](StockPart& s) { s.label.edEANCode.setText(QStringLiteral("4012345678900")); }, nullptr,
         msgText(msg::CheckEAN13), MessageIcon::Warning, true},
        {"past date warns and prints", [](StockPart& s) { s.label.edPruefdatum_DTP.setDate(QDate(2020, 2, 2)); },
         "edPruefdatum_DTP", msgText(msg::FalschesLieferdatum), MessageIcon::Warning, true},
        {"inspector", [](StockPart& s) { s.label.edPruefer.setText(QStringLiteral("  ")); }, "edPruefer",
         msgText(msg::PrueferAngeben), MessageIcon::Error, false},
        {"empty storage place, answered No",
         [](StockPart& s) {
             s.label.edLagerort.setText(QString());
             s.inst.fake().answers = {MessageAnswer::No};
         },
         "edLagerort", msgText(msg::LagerplatzLeer), MessageIcon::Warning, false},
        {"empty storage place, answered Yes",
         [](StockPart& s) {
             s.label.edLagerort.setText(QString());
             s.inst.fake().answers = {MessageAnswer::Yes};
         },
         nullptr, msgText(msg::LagerplatzLeer), MessageIcon::Warning, true},
        {"10-digit number without short supplier number",
         [](StockPart& s) {
             s.label.cmbMatnr.userTyped(QStringLiteral("1234567890"));
             s.label.edLiefNrKurz.setText(QString());
             s.inst.fake().messages.clear();
         },
         nullptr, msgText(msg::ZweistelligeLiefNrNoetig), MessageIcon::Error, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        StockPart s;
        s.fillValid();
        QString focused;
        for (LabelField* f : std::initializer_list<LabelField*>{
                 &s.label.cmbMatnr, &s.label.edStueckzahl, &s.label.cmbEinheit, &s.label.edHerstellerwoche,
                 &s.label.edPruefdatum_DTP, &s.label.edPruefer, &s.label.edLagerort}) {
            f->setColor(YellowColour); // left from an earlier attempt: the print paints it cream first
            f->onFocusRequested = [&focused, f] { focused = f->name(); };
        }
        r.spoil(s);
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(s.inst.fake().messages.size(), 1);
        EXPECT_EQ(s.inst.fake().messages.first().text, r.message);
        EXPECT_EQ(s.inst.fake().messages.first().icon, r.icon);
        EXPECT_EQ(out.kind == PrintOutcome::Printed, r.printed);
        for (const LabelField* f : std::initializer_list<const LabelField*>{
                 &s.label.cmbMatnr, &s.label.edStueckzahl, &s.label.cmbEinheit, &s.label.edHerstellerwoche,
                 &s.label.edPruefdatum_DTP, &s.label.edPruefer, &s.label.edLagerort})
            EXPECT_EQ(f->color(), r.field && f->name() == QLatin1String(r.field) ? YellowColour : CreamColour)
                << f->name().toStdString();
        EXPECT_EQ(focused, r.printed || !r.field ? QString() : QLatin1String(r.field));
        EXPECT_EQ(s.inst.fake().openedDocuments.size(), r.printed ? 1 : 0);
        EXPECT_TRUE(s.label.builder().slWerte.isEmpty());
    }
}

// Every input starts spoiled; each step mends the input of the check that
// stopped the print before, so the next print must stop at the next check.
TEST(StockPartLabel, PrintStopsAtTheFirstFailingCheckInTheFormsOrder) {
    StockPart s;
    StockPartLabel& l = s.label;
    s.fillValid();
    l.cmbMatnr.setText(QStringLiteral("123"));
    l.edStueckzahl.setText(QStringLiteral("0"));
    l.cmbEinheit.setText(QStringLiteral("stk"));
    l.edHerstellerwoche.setText(QStringLiteral("54.13"));
    l.edPruefdatum_DTP.setDate(QDate(2020, 2, 2));
    l.edPruefer.setText(QString());
    l.edLagerort.setText(QString());
    l.edLiefNrKurz.setText(QString());
    const QString dateWarning = msgText(msg::FalschesLieferdatum);
    struct Step {
        const char* mend; // of the input the previous print stopped at
        std::function<void()> act;
        QStringList messages;
    } steps[] = {
        {"nothing yet", [] {}, {msgText(msg::MatNrEingeben, Spelling::Ueebersetzen)}},
        {"material number", [&] { l.cmbMatnr.setText(QStringLiteral("1234567890")); }, {msgText(msg::CheckStueck)}},
        {"quantity", [&] { l.edStueckzahl.setText(QStringLiteral("2")); }, {msgText(msg::CheckEinheit)}},
        {"unit", [&] { l.cmbEinheit.setText(QStringLiteral("Stk")); }, {msgText(msg::HerstellerwocheUngueltig)}},
        {"week",
         [&] { l.edHerstellerwoche.setText(QStringLiteral("08.13")); },
         {dateWarning, msgText(msg::PrueferAngeben)}},
        {"inspector",
         [&] { l.edPruefer.setText(QStringLiteral("M. Weber")); },
         {dateWarning, msgText(msg::LagerplatzLeer)}},
        {"storage place",
         [&] { l.edLagerort.setText(QStringLiteral("B-03-01")); },
         {dateWarning, msgText(msg::ZweistelligeLiefNrNoetig)}},
        {"short supplier number", [&] { l.edLiefNrKurz.setText(QStringLiteral("42")); }, {dateWarning}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.mend);
        s.inst.fake().messages.clear();
        step.act();
        const PrintOutcome out = l.btnDruckClick();
        EXPECT_EQ(s.inst.fake().messageTexts(), step.messages);
        EXPECT_EQ(out.kind == PrintOutcome::Printed, &step == std::end(steps) - 1);
    }
}

TEST(StockPartLabel, PrintFillsTheSeventeenValues) {
    struct Row {
        const char* what;
        std::function<void(StockPartLabel&)> edit;
        QHash<QString, QString> expected; // placeholder -> value before RTF conversion
    } rows[] = {
        {"article as chosen",
         [](StockPartLabel&) {},
         {{"01", "Flansch DN50"},
          {"02", ""},
          {"03", "11-05-044-010"},
          {"04", "04"},
          {"05", "1234567"},
          {"06", "2 Stk"},
          {"07", "12345"},
          {"09", "123456710830412345"},
          {"11", "4  012345  678901"},
          {"12", "B-03-01"},
          {"13", "100%"},
          {"14", "03.02.2020"},
          {"15", "M. Weber"},
          {"16", "Los 7"}}},
        {"13 characters stay on one line",
         [](StockPartLabel& l) { l.edBenennung.setText(QStringLiteral("Dreizehn Zeic")); },
         {{"01", "Dreizehn Zeic"}, {"02", ""}}},
        {"14 characters wrap after the 13th",
         [](StockPartLabel& l) { l.edBenennung.setText(QStringLiteral("Vierzehn Zeich")); },
         {{"01", "Vierzehn Zeic"}, {"02", "h"}}},
        {"leading blanks count where the text is cut",
         [](StockPartLabel& l) { l.edBenennung.setText(QStringLiteral("  Rohrschelle 50")); },
         {{"01", "Rohrschelle"}, {"02", "50"}}},
        {"a cut never splits a character beyond the basic plane",
         [](StockPartLabel& l) { l.edBenennung.setText(QStringLiteral("Zwölf Zeiche\U0001D538 Ende")); },
         {{"01", "Zwölf Zeiche"}, {"02", "\U0001D538 Ende"}}},
        {"an EAN with a wrong check digit prints as none",
         [](StockPartLabel& l) { l.edEANCode.setText(QStringLiteral("4012345678900")); },
         {{"10", ""}, {"11", ""}}},
        {"reset EAN prints no EAN",
         [](StockPartLabel& l) { l.edEANCode.setText(QStringLiteral("0000000000000")); },
         {{"10", ""}, {"11", ""}}},
        {"unticked 100 % is four blanks",
         [](StockPartLabel& l) { l.cb100Pruefung.setChecked(false); },
         {{"13", "    "}}},
        {"safety unticked leaves the symbol out",
         [](StockPartLabel& l) { l.cbSicherheitsbauteil.setChecked(false); },
         {{"17", ""}}},
        {"text that looks like RTF stays text",
         [](StockPartLabel& l) { l.edLieferantenfeld.setText(QStringLiteral("{\\pict}{\\field @05}")); },
         {{"16", "{\\pict}{\\field @05}"}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        StockPart s;
        s.installValueTemplate();
        s.fillValid();
        r.edit(s.label);
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(out.document, s.inst.home() + QStringLiteral("Lagerteil_1fach.rtf"));
        EXPECT_EQ(s.inst.fake().openedDocuments, QStringList{out.document});
        const QHash<QString, QString> got = s.values(out.document);
        for (auto it = r.expected.begin(); it != r.expected.end(); ++it)
            EXPECT_EQ(got.value(it.key()), rtf(it.value())) << "@" << it.key().toStdString();
        const bool ean = r.expected.value(QStringLiteral("10"), QStringLiteral("x")) != QString();
        EXPECT_EQ(got.value(QStringLiteral("08")).startsWith(QLatin1String("{\\pict\\wmetafile8")), true);
        EXPECT_EQ(got.value(QStringLiteral("10")).startsWith(QLatin1String("{\\pict")), ean);
        const bool safety = r.expected.value(QStringLiteral("17"), QStringLiteral("x")) != QString();
        EXPECT_EQ(got.value(QStringLiteral("17")).startsWith(QLatin1String("{\\pict")), safety);
    }
}

TEST(StockPartLabel, FourUpChoiceWritesTheFourUpDocument) {
    StockPart s;
    s.fillValid();
    s.label.cb4fach.setChecked(true);
    EXPECT_FALSE(s.label.cb1fach.checked());
    const PrintOutcome out = s.label.btnDruckClick();
    EXPECT_EQ(out.document, s.inst.home() + QStringLiteral("Lagerteil_4fach.rtf"));
    EXPECT_EQ(s.label.builder().sVorlageDatei, QStringLiteral("VorlageLagerteil_4fach.rtf"));
}

// Every print reads the printer resolution anew (the article editor may change
// it while the form is open); one no printer has is reported once while it
// stands, and prints the standard pictures. The form shows the screen picture.
TEST(StockPartLabel, PrintReadsThePrinterResolutionEachTime) {
    StockPart s;
    s.installValueTemplate();
    s.fillValid();
    const QByteArray supplier = "[Einstellungen]\r\nSAPLieferantennummer=12345\r\nLieferantennummerKurz=42\r\n";
    const QString warning = msgText(msg::DruckerAufloesungInIniUngueltig);
    const struct {
        QByteArray setting;
        int dpi;
        bool warned;
    } prints[] = {{"DruckerAufloesung=203", 203, false}, {"DruckerAufloesung=50", 0, true},
                  {"DruckerAufloesung=50", 0, false},    {"DruckerAufloesung=300", 300, false},
                  {"DruckerAufloesung=50", 0, true},     {"", 0, false}};
    for (const auto& p : prints) {
        SCOPED_TRACE(p.setting.toStdString());
        s.inst.writeProgramSettings(supplier + p.setting + "\r\n");
        s.inst.fake().messages.clear();
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(s.inst.fake().messageTexts(), p.warned ? QStringList{warning} : QStringList{});
        EXPECT_EQ(s.label.builder().DruckerAufloesung, p.dpi);
        const QString row = s.values(out.document).value(QStringLiteral("08"));
        EXPECT_EQ(row.contains(QStringLiteral("\\picwgoal2625\\pichgoal375 ")), p.dpi == 0);
        EXPECT_EQ(s.label.ImBarcode.picture().size(), QSize(175, 25));
    }
}

TEST(StockPartLabel, AFailedPrintLeavesNoValuesForTheNext) {
    StockPart s;
    s.installValueTemplate();
    s.fillValid(); // the article is safety-relevant: the symbol file is needed
    QFile::remove(s.inst.program() + QStringLiteral("KreisS.bmp"));
    EXPECT_THROW(s.label.btnDruckClick(), AppError);
    EXPECT_TRUE(s.label.builder().slWerte.isEmpty());
    EXPECT_TRUE(s.inst.fake().openedDocuments.isEmpty());

    s.label.cbSicherheitsbauteil.setChecked(false);
    s.label.edLieferantenfeld.setText(QStringLiteral("zweiter Versuch"));
    const PrintOutcome out = s.label.btnDruckClick();
    EXPECT_EQ(s.values(out.document).value(QStringLiteral("16")), rtf(QStringLiteral("zweiter Versuch")));
}

TEST(StockPartLabel, HelpPictureOpensTheSampleOrderOrSaysItIsMissing) {
    StockPart s;
    s.label.ImLPHilfeClick();
    EXPECT_EQ(s.inst.fake().messageTexts(), QStringList{msgText(msg::MusterbestellungNichtGefunden)});
    test::writeFile(s.inst.program() + QStringLiteral("Musterbestellung.pdf"), "%PDF-1.4\n");
    s.inst.fake().messages.clear();
    s.label.ImLPHilfeClick();
    EXPECT_TRUE(s.inst.fake().messages.isEmpty());
    EXPECT_EQ(s.inst.fake().openedDocuments, QStringList{s.inst.program() + QStringLiteral("Musterbestellung.pdf")});
}

} // namespace
} // namespace zw
