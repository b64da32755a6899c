#include "base/AppError.h"
#include "labeldoc/RTFGebindeObjekt.h"
#include "texts/UebText.h"

#include "BuilderEnvironment.h"

#include <gtest/gtest.h>

#include <functional>

using namespace zw;
using zw::test::BuilderEnvironment;
using B = zw::TRTFGebindeObjekt;

namespace {

// The result of a call, or the message of the error it raised.
QString outcome(const std::function<QString()>& call) {
    try {
        return call();
    } catch (const AppError& e) {
        return QStringLiteral("error: ") + e.message();
    }
}

QString boolOutcome(const std::function<bool()>& call) {
    return outcome([&] { return call() ? QStringLiteral("true") : QStringLiteral("false"); });
}

TEST(DigitRows, PackMaterialWeekIndexAndSupplier) {
    enum Format { Seven, Short, Ten, Nwep };
    struct Row {
        Format format;
        QString matNr, week, supplier, index, prodNr;
        QString expected;
    };
    const QString weekTooShort = QStringLiteral("error: Herstelldaten muss 5 stellig sein");
    const Row rows[] = {
        // The worked rows.
        {Seven, "1234567", "08.13", "12345", "02", "", "123456710830212345"},
        {Short, "1234567", "08.13", "42", "02", "", "12345671083242"},
        {Ten, "1234567890", "08.13", "42", "02", "", "123456789010830242"},
        {Nwep, "1234567", "08.13", "12345", "02", "123", "123456710830200012312345"},
        {Seven, "4567", "08.13", "77", "02", "", "000456710830200077"},
        // Only the 7-digit format fills material and supplier numbers.
        {Short, "4567", "08.13", "7", "02", "",
         "45671083"
         "27"},
        {Ten, " 4567 ", "08.13", "", "2", "",
         "45671083"
         "02"},
        {Nwep, "4567", "08.13", "77", "", "",
         "45671083"
         "00"
         "000000"
         "77"},
        // Unfilled week and index positions stay blanks.
        {Seven, "1234567", "  .  ", "12345", "02", "", "1234567    0212345"},
        {Seven, "1234567", "08.13", "12345", "", "", "123456710830012345"},
        {Short, "1234567", "08.13", "42", "", "", "1234567108342"},
        {Short, "1234567", "08.13", "42", "12", "", "12345671083242"},
        {Ten, "1234567890", "08.13", "", "02", "", "1234567890108302"},
        {Seven, "1234567", "08.13", "1234567", "02", "", "12345671083021234567"},
        {Ten, "1234567890", "08.13", "4242", "02", "", "12345678901083024242"},
        // Length checks, each in its format's order.
        {Seven, "12345678", "0813", "12345", "123", "", weekTooShort},
        {Short, "12345678", "08.135", "123", "02", "", weekTooShort},
        {Ten, "12345678901", "08.1", "42", "02", "", weekTooShort},
        {Nwep, "12345678", "", "123456", "123", "1234567", weekTooShort},
        {Seven, "12345678", "08.13", "12345", "123", "", "error: Index darf nur 2 stellig sein"},
        {Seven, "12345678", "08.13", "12345", "02", "", "error: MatNummer darf nur 7 stellig sein"},
        {Short, "12345678", "08.13", "123", "02", "", "error: MatNummer darf nur 7 stellig sein"},
        {Short, "1234567", "08.13", "123", "02", "", "error: Lieferantennummer darf nur 2 stellig sein"},
        {Ten, "12345678901", "08.13", "42", "123", "", "error: Index darf nur 2 stellig sein"},
        {Ten, "12345678901", "08.13", "42", "02", "", "error: MatNummer darf nur 10 stellig sein"},
        {Nwep, "12345678", "08.13", "123456", "123", "1234567", "error: MatNummer darf nur 7 stellig sein"},
        {Nwep, "1234567", "08.13", "123456", "123", "1234567", "error: Lieferantennummer darf nur 5 stellig sein"},
        {Nwep, "1234567", "08.13", "12345", "123", "1234567", "error: Index darf nur 2 stellig sein"},
        {Nwep, "1234567", "08.13", "12345", "02", "1234567", "error: Produktionsnummer darf nur 6 stellig sein"},
    };
    for (const Row& r : rows) {
        const QString got = outcome([&] {
            switch (r.format) {
            case Seven:
                return B::ErstelleBarcode_Zahlenreihe7StelligeMatNr(r.matNr, r.week, r.supplier, r.index);
            case Short:
                return B::ErstelleBarcode_Zahlenreihe7StelligKurz(r.matNr, r.week, r.supplier, r.index);
            case Ten:
                return B::ErstelleBarcode_Zahlenreihe10StelligeMatNr(r.matNr, r.week, r.supplier, r.index);
            case Nwep:
                return B::ErstelleBarcode_ZahlenreiheNWEP(r.matNr, r.week, r.supplier, r.index, r.prodNr);
            }
            return QString();
        });
        EXPECT_EQ(got, r.expected) << "format " << r.format << " " << r.matNr.toStdString();
    }
}

TEST(Checks, AcceptOnlyWhatALabelCanCarry) {
    const QString conversion = QStringLiteral("error: '%1' is not a valid integer value");
    const QStringList units = {"Stk", "m", "m²", "L", "kg"};
    struct Row {
        const char* what;
        std::function<bool()> check;
        QString expected;
    };
    const Row rows[] = {
        {"MatNr 7", [] { return B::PruefeMatNr("1234567"); }, "true"},
        {"MatNr 10", [] { return B::PruefeMatNr("1234567890"); }, "true"},
        {"MatNr 6", [] { return B::PruefeMatNr("123456"); }, "false"},
        {"MatNr 8", [] { return B::PruefeMatNr("12345678"); }, "false"},
        {"MatNr ten blanks", [] { return B::PruefeMatNr(QString(10, ' ')); }, "true"},
        {"MatNr seven blanks", [] { return B::PruefeMatNr(QString(7, ' ')); }, "false"},
        {"EAN valid", [] { return B::PruefeEAN("4012345678901"); }, "true"},
        {"EAN none", [] { return B::PruefeEAN("             "); }, "true"},
        {"EAN zeros", [] { return B::PruefeEAN("0000000000000"); }, "true"},
        {"EAN wrong check digit", [] { return B::PruefeEAN("4012345678900"); }, "false"},
        {"EAN 12 digits", [] { return B::PruefeEAN("401234567890 "); }, "false"},
        {"EAN letter", [] { return B::PruefeEAN("40123 5678901"); }, "false"},
        {"Stk 1", [] { return B::PruefeStk("1"); }, "true"},
        {"Stk blank before", [] { return B::PruefeStk("  12"); }, "true"},
        {"Stk 0", [] { return B::PruefeStk("0"); }, "false"},
        {"Stk -3", [] { return B::PruefeStk("-3"); }, "false"},
        {"Stk empty", [] { return B::PruefeStk(""); }, "false"},
        {"Stk letters", [] { return B::PruefeStk("abc"); }, conversion.arg("abc")},
        {"Stk comma", [] { return B::PruefeStk("1,5"); }, conversion.arg("1,5")},
        {"Stk blank after", [] { return B::PruefeStk("1 "); }, conversion.arg("1 ")},
        {"Stk hexadecimal", [] { return B::PruefeStk("$10"); }, conversion.arg("$10")},
        {"Stk 0x", [] { return B::PruefeStk("0x10"); }, conversion.arg("0x10")},
        {"Stk too large", [] { return B::PruefeStk("99999999999"); }, conversion.arg("99999999999")},
        {"Einheit m²", [&] { return B::PruefeEinheit("m²", units); }, "true"},
        {"Einheit stk", [&] { return B::PruefeEinheit("stk", units); }, "false"},
        {"Einheit empty", [&] { return B::PruefeEinheit("", units); }, "false"},
        {"HSW 08.13", [] { return B::PruefeHSW("08.13"); }, "true"},
        {"HSW 53", [] { return B::PruefeHSW("53.99"); }, "true"},
        {"HSW 00", [] { return B::PruefeHSW("00.00"); }, "false"},
        {"HSW 54", [] { return B::PruefeHSW("54.13"); }, "false"},
        {"HSW empty field", [] { return B::PruefeHSW("  .  "); }, "false"},
        {"HSW blank digit", [] { return B::PruefeHSW(" 8.13"); }, "true"},
        {"HSW digit blank", [] { return B::PruefeHSW("8 .13"); }, conversion.arg("8 ")},
        {"KDA zeros", [] { return B::PruefeKDAuftrag("0000000000", "10"); }, "false"},
        {"KDA no position", [] { return B::PruefeKDAuftrag("1234567890", "  "); }, "false"},
        {"KDA 9 digits", [] { return B::PruefeKDAuftrag("123456789", "10"); }, "false"},
        {"KDA ok", [] { return B::PruefeKDAuftrag("1234567890", "10"); }, "true"},
        {"ProdNr zeros", [] { return B::PruefeProdNr("000000"); }, "false"},
        {"ProdNr 5", [] { return B::PruefeProdNr("12345"); }, "false"},
        {"ProdNr blanks", [] { return B::PruefeProdNr("      "); }, "false"},
        {"ProdNr ok", [] { return B::PruefeProdNr("12 45a"); }, "true"},
        {"Pruefer blank", [] { return B::PruefePruefer(" \t"); }, "false"},
        {"Pruefer ok", [] { return B::PruefePruefer("M"); }, "true"},
        {"Haken", [] { return B::Ermittle_Haken_bei_Checkbox(true) && !B::Ermittle_Haken_bei_Checkbox(false); },
         "true"},
    };
    for (const Row& r : rows)
        EXPECT_EQ(boolOutcome(r.check), r.expected) << r.what;
}

TEST(Checks, DeliveryDateMayNotLieBeforeToday) {
    BuilderEnvironment env;
    env.fake().clock = QDateTime(QDate(2024, 3, 1), QTime(23, 59, 59));
    EXPECT_TRUE(B::PruefeDatumDTP(QDate(2024, 3, 1)));
    EXPECT_TRUE(B::PruefeDatumDTP(QDate(2025, 1, 1)));
    EXPECT_FALSE(B::PruefeDatumDTP(QDate(2024, 2, 29)));
    EXPECT_FALSE(B::PruefeDatumDTP(QDate(2023, 12, 31)));
}

TArtikel article(const QString& matNr, const QString& zeichn, const QString& mqs, const QString& kst) {
    TArtikel a;
    a.MaterialNr = matNr;
    a.ZeichnNr = zeichn;
    a.IndexZNr = QStringLiteral("01");
    a.MQSNr = mqs;
    a.IndexMQS = QStringLiteral("02");
    a.KSTNr = kst;
    a.IndexKST = QStringLiteral("03");
    return a;
}

TEST(DocumentNumber, DrawingBeforeQualityBeforeCostCentre) {
    BuilderEnvironment env;
    const QString none = QStringLiteral("00-00-000-000");
    const QString z = QStringLiteral("11-11-111-111"), m = QStringLiteral("22-22-222-222"),
                  k = QStringLiteral("33-33-333-333");
    struct Row {
        TArtikel a;
        QString expected;
    };
    const Row rows[] = {
        {article("1", z, m, k), z + "+01"},     {article("2", none, m, k), m + "+02"},
        {article("3", "  ", "", k), k + "+03"}, {article("4", " 00-00-000-000 ", none, k), k + "+03"},
        {article("5", none, "", ""), ""},
    };
    for (const Row& r : rows)
        env.dataModule.myDaten.ArtikelListe.Add(r.a);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(B::GibMirDokumentnummerMitHoechsterPrio(i), rows[i].expected) << i;
    ASSERT_EQ(env.fake().messages.size(), 1) << "only the article without any number tells the user";
    EXPECT_EQ(env.fake().messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(env.fake().messages[0].text,
              QStringLiteral("Fehler beim Übersetzen von \"Keine DokumentNr. gefunden\" // Tag-Nr. prüfen (340)"));
}

TEST(MaterialNumberChoice, PrefersTheExactNumberElseTheLastThatBeginsWithTheText) {
    BuilderEnvironment env;
    const QStringList numbers = {"0815", "1234567", "1234567890", "1239999", "1234567", "555"};
    for (const QString& n : numbers)
        env.dataModule.myDaten.ArtikelListe.Add(article(n, "", "", ""));
    struct Row {
        QString typed;
        int items; // the box may list fewer articles than the list holds
        bool found;
        int index;
        QString text;
    };
    const Row rows[] = {
        {"123", 6, true, 4, "1234567"},
        {"1234567", 6, true, 4, "1234567"}, // exact wins over the later 1234567890
        {"1234567", 4, true, 1, "1234567"},
        {"123456789", 6, true, 2, "1234567890"},
        {"1239", 6, true, 3, "1239999"},
        {"", 6, true, 0, "0815"}, // empty counts as "0"
        {"9", 6, false, -1, ""},
        {"12345678901", 6, false, -1, ""},
    };
    for (const Row& r : rows) {
        MemoryMaterialNumberBox box;
        box.items = numbers.mid(0, r.items);
        box.setCurrentIndex(5 < r.items ? 5 : -1);
        box.editText = r.typed;
        EXPECT_EQ(B::CheckMaterialnummerBeiEingabe(r.typed, box), r.found) << r.typed.toStdString();
        EXPECT_EQ(box.currentIndex(), r.found ? r.index : 5 < r.items ? 5 : -1) << r.typed.toStdString();
        EXPECT_EQ(box.text(), r.text) << r.typed.toStdString();
    }
}

} // namespace
