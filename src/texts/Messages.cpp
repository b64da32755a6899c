#include "texts/Messages.h"

#include "base/AppError.h"
#include "texts/UebText.h"

#include <algorithm>
#include <array>

namespace zw {

namespace {

constexpr std::array kMessages{
    msg::ErsterDatensatz,
    msg::VorherigerDatensatz,
    msg::NaechsterDatensatz,
    msg::LetzterDatensatz,
    msg::NeuerDatensatz,
    msg::DatensatzSpeichern,
    msg::DatensatzLoeschen,
    msg::DatensatzSuchen,
    msg::AblageverzeichnisWaehlen,
    msg::KeinSpeichernLeererDatensaetze,
    msg::Suchen,
    msg::MatNrEingeben,
    msg::CheckEAN13,
    msg::FalschesLieferdatum,
    msg::PrueferAngeben,
    msg::CheckKundenauftragsdaten,
    msg::DateiNichtGefunden,
    msg::UpdateFehlgeschlagen,
    msg::HerstellerwocheUngueltig,
    msg::UpdateErfolgreich,
    msg::SpeichernErfolgreich,
    msg::LoeschenErfolgreich,
    msg::KeineDokumentNrGefunden,
    msg::CheckStueck,
    msg::CheckEinheit,
    msg::NurMitRuecksprache,
    msg::MatNrNichtGefunden,
    msg::MusterbestellungNichtGefunden,
    msg::LagerplatzLeer,
    msg::KeineInternetverbindung,
    msg::DatenNichtAktuell,
    msg::UpdateNichtMoeglich,
    msg::BarcodeTyp1,
    msg::BarcodeTyp2,
    msg::BarcodeTyp3,
    msg::BarcodeTyp4,
    msg::ZweistelligeLiefNrNoetig,
    msg::CheckProdNr,
    msg::ArtikelIniNichtImPfad,
    msg::ArtikelIniInVerwendung,
    msg::ArtikelIniWiederVerfuegbar,
    msg::DokumentNichtGeoeffnet,
    msg::KeinProgrammZumOeffnen,
    msg::Dokument,
    msg::Ordner,
    msg::OrdnerOeffnen,
    msg::ProgrammWaehlen,
    msg::PfadKopieren,
    msg::Schliessen,
    msg::OeffnenMit,
    msg::DruckerAufloesungUngueltig,
    msg::UngueltigerEingabewert,
    msg::DruckerAufloesungInIniUngueltig,
};

// findMessage relies on the order.
constexpr bool ascending() {
    for (std::size_t i = 1; i < kMessages.size(); ++i)
        if (kMessages[i - 1].number >= kMessages[i].number)
            return false;
    return true;
}
static_assert(ascending(), "messages must be listed in ascending order of number");

const Message& messageOrThrow(int number) {
    const Message* m = findMessage(number);
    if (!m)
        throw AppError(QStringLiteral("%1 is not a message number").arg(number));
    return *m;
}

} // namespace

std::span<const Message> allMessages() {
    return kMessages;
}

const Message* findMessage(int number) {
    auto it = std::lower_bound(kMessages.begin(), kMessages.end(), number,
                               [](const Message& m, int n) { return m.number < n; });
    return it != kMessages.end() && it->number == number ? &*it : nullptr;
}

QString fallbackText(const Message& m) {
    return fallbackText(m, m.spelling);
}

QString fallbackText(const Message& m, Spelling spelling) {
    const QString prefix = spelling == Spelling::Uebersetzen ? QStringLiteral("Fehler beim Übersetzen von ")
                                                             : QStringLiteral("Fehler beim Üebersetzen von ");
    return prefix + QLatin1Char('"') + QString::fromUtf16(m.words) + QLatin1Char('"') +
           QStringLiteral(" // Tag-Nr. prüfen (") + QString::number(m.number) + QLatin1Char(')');
}

QString msgText(const Message& m) {
    return GibText(m.number, fallbackText(m));
}
QString msgText(const Message& m, Spelling spelling) {
    return GibText(m.number, fallbackText(m, spelling));
}
QString msgText(int number) {
    return msgText(messageOrThrow(number));
}
QString msgText(int number, Spelling spelling) {
    return msgText(messageOrThrow(number), spelling);
}
QString msgHintText(const Message& m) {
    return GibHintText(m.number, fallbackText(m));
}

} // namespace zw
