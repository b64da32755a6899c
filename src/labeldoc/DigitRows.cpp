#include "labeldoc/RTFGebindeObjekt.h"

#include "base/AppError.h"
#include "base/Convert.h"

namespace zw {

namespace {

void requireHerstelldaten(const QString& Herstelldaten) {
    if (Herstelldaten.size() != 5)
        throw AppError(QStringLiteral("Herstelldaten muss 5 stellig sein"));
}

void requireAtMost(const QString& s, int length, const char16_t* message) {
    if (s.size() > length)
        throw AppError(QString::fromUtf16(message));
}

QString zeroFilled(QString s, int length) {
    while (s.size() < length)
        s.prepend(QLatin1Char('0'));
    return s;
}

// Year tens, week, year units: "08.13" gives "1083". The separator is left out.
QString weekAndYear(const QString& Herstelldaten) {
    return Herstelldaten.mid(3, 1) + Herstelldaten.left(2) + Herstelldaten.mid(4, 1);
}

} // namespace

QString TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe7StelligeMatNr(const QString& MatNr, const QString& Herstelldaten,
                                                                     const QString& LiefID, const QString& Index) {
    requireHerstelldaten(Herstelldaten);
    requireAtMost(Index, 2, u"Index darf nur 2 stellig sein");
    requireAtMost(MatNr, 7, u"MatNummer darf nur 7 stellig sein");
    return zeroFilled(trimControl(MatNr), 7) + weekAndYear(Herstelldaten) + zeroFilled(trimControl(Index), 2) +
           zeroFilled(trimControl(LiefID), 5);
}

QString TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe7StelligKurz(const QString& MatNr, const QString& Herstelldaten,
                                                                   const QString& LiefID, const QString& Index) {
    requireHerstelldaten(Herstelldaten);
    requireAtMost(MatNr, 7, u"MatNummer darf nur 7 stellig sein");
    requireAtMost(LiefID, 2, u"Lieferantennummer darf nur 2 stellig sein");
    const QString index = trimControl(Index);
    return trimControl(MatNr) + weekAndYear(Herstelldaten) + (index.size() >= 2 ? index.right(1) : index) +
           trimControl(LiefID);
}

QString TRTFGebindeObjekt::ErstelleBarcode_Zahlenreihe10StelligeMatNr(const QString& MatNr,
                                                                      const QString& Herstelldaten,
                                                                      const QString& LiefID, const QString& Index) {
    requireHerstelldaten(Herstelldaten);
    requireAtMost(Index, 2, u"Index darf nur 2 stellig sein");
    requireAtMost(MatNr, 10, u"MatNummer darf nur 10 stellig sein");
    return trimControl(MatNr) + weekAndYear(Herstelldaten) + zeroFilled(trimControl(Index), 2) + trimControl(LiefID);
}

QString TRTFGebindeObjekt::ErstelleBarcode_ZahlenreiheNWEP(const QString& MatNr, const QString& Herstelldaten,
                                                           const QString& LiefID, const QString& Index,
                                                           const QString& ProdNr) {
    requireHerstelldaten(Herstelldaten);
    requireAtMost(MatNr, 7, u"MatNummer darf nur 7 stellig sein");
    requireAtMost(LiefID, 5, u"Lieferantennummer darf nur 5 stellig sein");
    requireAtMost(Index, 2, u"Index darf nur 2 stellig sein");
    requireAtMost(ProdNr, 6, u"Produktionsnummer darf nur 6 stellig sein");
    return trimControl(MatNr) + weekAndYear(Herstelldaten) + zeroFilled(trimControl(Index), 2) +
           zeroFilled(trimControl(ProdNr), 6) + trimControl(LiefID);
}

} // namespace zw
