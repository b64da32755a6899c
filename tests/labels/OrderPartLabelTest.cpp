// The order-related container label: what it does differently from the stock
// part (whose shared rules StockPartLabelTest covers).

#include "labels/OrderPartLabel.h"

#include "base/Convert.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/Messages.h"

#include "LabelInstallation.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

using test::LabelInstallation;
using test::makeArticle;

struct OrderPart {
    LabelInstallation inst;
    OrderPartLabel label;

    OrderPart() {
        TArtikel safe =
            makeArticle(QStringLiteral("1234567"), QStringLiteral("Flansch DN50"), QStringLiteral("4012345678901"));
        safe.SSymbol = QStringLiteral("true");
        inst.addArticles(
            {safe, makeArticle(QStringLiteral("1234567890"), QStringLiteral("Ersatzteilset")),
             makeArticle(QStringLiteral("2000001"), QStringLiteral("Band"), QStringLiteral("4012345678900"))});
        label.FormCreate();
    }

    // The state of a label that passes every check.
    void fillValid(const QString& matNr = QStringLiteral("1234567")) {
        label.cmbMatnr.userTyped(matNr);
        label.edHerstellerwoche.setText(QStringLiteral("08.13"));
        label.edKDAuftrag.setText(QStringLiteral("4500123"));
        label.edKDPos.setText(QStringLiteral("20"));
        label.edPruefer.setText(QStringLiteral("M. Weber"));
    }
};

TEST(OrderPartLabel, NeuKeepsTheUnitAndEmptiesTheOrder) {
    OrderPart s;
    OrderPartLabel& l = s.label;
    s.fillValid();
    ASSERT_EQ(l.cmbEinheit.text(), QStringLiteral("Stk"));
    EXPECT_EQ(l.edKDAuftrag.text(), QStringLiteral("4500123   ")) << "the mask holds ten positions";
    l.btnNeuClick();
    EXPECT_EQ(l.cmbEinheit.itemIndex(), 0);
    EXPECT_EQ(l.cmbEinheit.text(), QStringLiteral("Stk"));
    EXPECT_EQ(l.edKDAuftrag.text(), QString(10, QLatin1Char(' ')));
    EXPECT_EQ(l.edKDPos.text(), QString());
    EXPECT_EQ(l.cmbMatnr.text(), QString());
    EXPECT_EQ(l.edBarcode.text(), ZeroCode);
    EXPECT_EQ(l.edEANCode.text(), ZeroCode);
}

TEST(OrderPartLabel, AnEmptyDigitRowOrEanStaysEmpty) {
    OrderPart s;
    OrderPartLabel& l = s.label;
    l.cmbMatnr.userTyped(QStringLiteral("1234567890")); // an article without EAN
    EXPECT_EQ(trimControl(l.edEANCode.text()), QString());
    EXPECT_EQ(l.LEAN1.caption() + l.LEAN2.caption() + l.LEAN3.caption(), QString(13, QLatin1Char(' ')));
    l.edBarcode.setText(QString());
    EXPECT_EQ(l.edBarcode.text(), QString());
    EXPECT_TRUE(s.inst.fake().messages.isEmpty()) << s.inst.fake().messageTexts().join('|').toStdString();
}

// Each row spoils one input of a valid label; the print stops at that check
// with its fields yellow, the first focused and the message shown, or warns
// and goes on.
TEST(OrderPartLabel, PrintChecksStopWithFieldsAndMessage) {
    const QStringList none;
    struct Row {
        const char* what;
        std::function<void(OrderPart&)> spoil;
        QStringList fields; // marked yellow; the first takes the focus
        QString message;
        MessageIcon icon;
        bool printed;
    } rows[] = {
        {"material number",
         [](OrderPart& s) { s.label.cmbMatnr.setText(QStringLiteral("123")); },
         {"cmbMatnr"},
         msgText(msg::MatNrEingeben, Spelling::Ueebersetzen),
         MessageIcon::Error,
         false},
        {"quantity",
         [](OrderPart& s) { s.label.edStueckzahl.setText(QStringLiteral("0")); },
         {"edStueckzahl"},
         msgText(msg::CheckStueck),
         MessageIcon::Error,
         false},
        {"unit",
         [](OrderPart& s) { s.label.cmbEinheit.setText(QStringLiteral("stk")); },
         {"cmbEinheit"},
         msgText(msg::CheckEinheit),
         MessageIcon::Error,
         false},
        {"week",
         [](OrderPart& s) { s.label.edHerstellerwoche.setText(QStringLiteral("54.13")); },
         {"edHerstellerwoche"},
         msgText(msg::HerstellerwocheUngueltig),
         MessageIcon::Error,
         false},
        {"order number of ten zeros, with a position",
         [](OrderPart& s) { s.label.edKDAuftrag.setText(QStringLiteral("0000000000")); },
         {"edKDAuftrag", "edKDPos"},
         msgText(msg::CheckKundenauftragsdaten),
         MessageIcon::Error,
         false},
        {"ten-digit order number without position",
         [](OrderPart& s) {
             s.label.edKDAuftrag.setText(QStringLiteral("4500123456"));
             s.label.edKDPos.setText(QStringLiteral("  "));
         },
         {"edKDAuftrag", "edKDPos"},
         msgText(msg::CheckKundenauftragsdaten),
         MessageIcon::Error,
         false},
        {"no order number",
         [](OrderPart& s) { s.label.edKDAuftrag.setText(QString()); },
         {"edKDAuftrag", "edKDPos"},
         msgText(msg::CheckKundenauftragsdaten),
         MessageIcon::Error,
         false},
        {"past date warns and prints",
         [](OrderPart& s) { s.label.edPruefdatum_DTP.setDate(QDate(2020, 2, 2)); },
         {"edPruefdatum_DTP"},
         msgText(msg::FalschesLieferdatum),
         MessageIcon::Warning,
         true},
        {"inspector",
         [](OrderPart& s) { s.label.edPruefer.setText(QString()); },
         {"edPruefer"},
         msgText(msg::PrueferAngeben),
         MessageIcon::Error,
         false},
        {"10-digit number without short supplier number",
         [](OrderPart& s) {
             s.label.cmbMatnr.userTyped(QStringLiteral("1234567890"));
             s.label.edLiefNrKurz.setText(QString());
             s.inst.fake().messages.clear();
         },
         none, msgText(msg::ZweistelligeLiefNrNoetig), MessageIcon::Error, false},
        {"EAN that cannot scan warns and prints",
         [](OrderPart& s) { s.label.cmbMatnr.userTyped(QStringLiteral("2000001")); }, none, msgText(msg::CheckEAN13),
         MessageIcon::Warning, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        OrderPart s;
        s.fillValid();
        OrderPartLabel& l = s.label;
        const std::initializer_list<LabelField*> checked = {&l.cmbMatnr,          &l.edStueckzahl, &l.cmbEinheit,
                                                            &l.edHerstellerwoche, &l.edKDAuftrag,  &l.edKDPos,
                                                            &l.edPruefdatum_DTP,  &l.edPruefer};
        QString focused;
        for (LabelField* f : checked) {
            f->setColor(YellowColour); // left from an earlier attempt: the print paints it cream first
            f->onFocusRequested = [&focused, f] { focused = f->name(); };
        }
        r.spoil(s);
        const PrintOutcome out = l.btnDruckClick();
        ASSERT_EQ(s.inst.fake().messages.size(), 1) << s.inst.fake().messageTexts().join('|').toStdString();
        EXPECT_EQ(s.inst.fake().messages.first().text, r.message);
        EXPECT_EQ(s.inst.fake().messages.first().icon, r.icon);
        EXPECT_EQ(out.kind == PrintOutcome::Printed, r.printed);
        for (const LabelField* f : checked)
            EXPECT_EQ(f->color(), r.fields.contains(f->name()) ? YellowColour : CreamColour) << f->name().toStdString();
        EXPECT_EQ(focused, r.printed || r.fields.isEmpty() ? QString() : r.fields.first());
        EXPECT_EQ(s.inst.fake().openedDocuments.size(), r.printed ? 1 : 0);
    }
}

TEST(OrderPartLabel, PrintFillsTheEighteenValuesWithTheSafetySymbolLast) {
    struct Row {
        const char* what;
        std::function<void(OrderPartLabel&)> edit;
        QHash<QString, QString> expected; // placeholder -> value before RTF conversion
        bool ean;
        bool safety;
    } rows[] = {
        {"article as chosen",
         [](OrderPartLabel&) {},
         // 01-11 as on the stock part (StockPartLabelTest); the order where it has the storage place.
         {{"09", "123456710830412345"},
          {"11", "4  012345  678901"},
          {"12", "4500123   "},
          {"13", "20"},
          {"14", "    "},
          {"15", "03.02.2020"},
          {"16", "M. Weber"},
          {"17", "Los 7"}},
         true,
         true},
        {"the designation wraps after 13 as on the stock part",
         [](OrderPartLabel& l) { l.edBenennung.setText(QStringLiteral("Vierzehn Zeich")); },
         {{"01", "Vierzehn Zeic"}, {"02", "h"}},
         true,
         true},
        {"no safety symbol, 100 % ticked",
         [](OrderPartLabel& l) {
             l.cbSicherheitsbauteil.setChecked(false);
             l.cb100Pruefung.setChecked(true);
         },
         {{"14", "100%"}, {"18", ""}},
         true,
         false},
        {"an EAN with a wrong check digit prints as none",
         [](OrderPartLabel& l) { l.edEANCode.setText(QStringLiteral("4012345678900")); },
         {{"10", ""}, {"11", ""}},
         false,
         true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        OrderPart s;
        test::installValueTemplate(s.inst.program(), QStringLiteral("VorlageAuftragsteil_1fach.rtf"), 18);
        s.fillValid();
        r.edit(s.label);
        const PrintOutcome out = s.label.btnDruckClick();
        ASSERT_EQ(out.kind, PrintOutcome::Printed);
        EXPECT_EQ(out.document, s.inst.home() + QStringLiteral("Auftragsteil_1fach.rtf"));
        const QHash<QString, QString> got = test::documentValues(out.document);
        for (auto it = r.expected.begin(); it != r.expected.end(); ++it)
            EXPECT_EQ(got.value(it.key()), TRTFGebindeObjekt::WandleTextInRtf(it.value()))
                << "@" << it.key().toStdString();
        EXPECT_TRUE(got.value(QStringLiteral("08")).startsWith(QLatin1String("{\\pict")));
        EXPECT_EQ(got.value(QStringLiteral("10")).startsWith(QLatin1String("{\\pict")), r.ean);
        EXPECT_EQ(got.value(QStringLiteral("18")).startsWith(QLatin1String("{\\pict")), r.safety);
        EXPECT_FALSE(got.value(QStringLiteral("17")).startsWith(QLatin1String("{\\pict")));
    }
}

} // namespace
} // namespace zw
