#include "texts/Messages.h"
#include "base/AppError.h"
#include "texts/UebText.h"

#include "ScopedCatalogue.h"

#include <QList>

#include <gtest/gtest.h>

#include <optional>

using namespace zw;

namespace {

class Messages : public ::testing::Test {
protected:
    zw::test::ScopedCatalogue catalogue;
};

TEST_F(Messages, FallbacksNameTheWordsAndTheNumberInTheirSpelling) {
    struct Row {
        const Message& message;
        std::optional<Spelling> spelling; // nullopt: the message's usual one
        QString expected;
    };
    const Row rows[] = {
        {msg::ErsterDatensatz, std::nullopt,
         QStringLiteral("Fehler beim Übersetzen von \"erster Datensatz\" // Tag-Nr. prüfen (310)")},
        {msg::MatNrNichtGefunden, std::nullopt,
         QStringLiteral("Fehler beim Üebersetzen von \"MatNr nicht gefunden\" // Tag-Nr. prüfen (361)")},
        {msg::MatNrEingeben, std::nullopt,
         QStringLiteral("Fehler beim Übersetzen von \"MatNr eingeben\" // Tag-Nr. prüfen (323)")},
        {msg::MatNrEingeben, Spelling::Ueebersetzen,
         QStringLiteral("Fehler beim Üebersetzen von \"MatNr eingeben\" // Tag-Nr. prüfen (323)")},
        {msg::ZweistelligeLiefNrNoetig, std::nullopt,
         QStringLiteral("Fehler beim Übersetzen von \"2-stellige LiefNr nötig\" // Tag-Nr. prüfen (389)")},
        {msg::ZweistelligeLiefNrNoetig, Spelling::Ueebersetzen,
         QStringLiteral("Fehler beim Üebersetzen von \"2-stellige LiefNr nötig\" // Tag-Nr. prüfen (389)")},
        {msg::CheckStueck, Spelling::Uebersetzen,
         QStringLiteral("Fehler beim Übersetzen von \"Check Stück\" // Tag-Nr. prüfen (341)")},
        {msg::HerstellerwocheUngueltig, std::nullopt,
         QStringLiteral("Fehler beim Übersetzen von \"Herstellerwoche ungültig\" // Tag-Nr. prüfen (330)")},
    };
    for (const Row& r : rows) {
        const QString got = r.spelling ? msgText(r.message, *r.spelling) : msgText(r.message);
        EXPECT_EQ(got, r.expected) << r.message.number;
        EXPECT_EQ(r.spelling ? msgText(r.message.number, *r.spelling) : msgText(r.message.number), r.expected)
            << r.message.number;
    }
}

TEST_F(Messages, CatalogueTextReplacesTheFallbackUnderTheSameNumber) {
    UebTextListe->Add(QStringLiteral("341"), QStringLiteral("Please check the quantity."));
    UebTextListe->Add(QStringLiteral("310"), QStringLiteral("First record"));
    UebTextListe->Add(QStringLiteral("50310"), QStringLiteral("not a navigator hint"));
    EXPECT_EQ(msgText(msg::CheckStueck), QStringLiteral("Please check the quantity."));
    EXPECT_EQ(msgText(msg::CheckStueck, Spelling::Uebersetzen), QStringLiteral("Please check the quantity."));
    // The navigator hints are looked up under the message number itself.
    EXPECT_EQ(msgHintText(msg::ErsterDatensatz), QStringLiteral("First record"));
}

TEST_F(Messages, TableHoldsEveryMessageNumberOnce) {
    const QList<int> expected = {310, 311, 312, 313, 314, 315, 316, 317, 320, 321, 322, 323, 324, 325,
                                 326, 327, 328, 329, 330, 331, 332, 333, 340, 341, 342, 360, 361, 362,
                                 363, 370, 371, 372, 381, 382, 383, 384, 389, 392, 394, 400, 401, 440,
                                 441, 442, 443, 444, 445, 446, 447, 448, 452, 453, 490};
    QList<int> numbers;
    for (const Message& m : allMessages())
        numbers << m.number;
    EXPECT_EQ(numbers, expected);
    for (int n : expected) {
        ASSERT_NE(findMessage(n), nullptr) << n;
        EXPECT_EQ(findMessage(n)->number, n);
    }
    EXPECT_EQ(findMessage(318), nullptr);
    EXPECT_THROW(msgText(207), AppError);
}

} // namespace
