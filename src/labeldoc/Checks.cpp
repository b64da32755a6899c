#include "labeldoc/RTFGebindeObjekt.h"

#include "barcode/BarcodeRules.h"
#include "base/AppError.h"
#include "base/Convert.h"
#include "core/DataModule.h"
#include "platform/Platform.h"
#include "texts/Messages.h"

#include <algorithm>

namespace zw {

namespace {

// Optional leading blanks, an optional sign, decimal digits and nothing else:
// a quantity of "$10" or "0x10" is no number on a label.
int decimalStrToInt(const QString& s) {
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    if (i < s.size() && (s.at(i) == QLatin1Char('+') || s.at(i) == QLatin1Char('-')))
        ++i;
    bool digitsOnly = i < s.size();
    for (; i < s.size() && digitsOnly; ++i)
        digitsOnly = s.at(i) >= QLatin1Char('0') && s.at(i) <= QLatin1Char('9');
    if (!digitsOnly)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return strToInt(s); // raises the same error beyond the integer range
}

const QString NoDocumentNumber = QStringLiteral("00-00-000-000");

bool isDocumentNumber(const QString& nr) {
    const QString trimmed = trimControl(nr);
    return !trimmed.isEmpty() && trimmed != NoDocumentNumber;
}

TArtikelListe& articleList() {
    if (!DataModule1)
        throw AppError(QStringLiteral("Die Artikelliste ist nicht geladen"));
    return DataModule1->myDaten.ArtikelListe;
}

} // namespace

bool TRTFGebindeObjekt::PruefeMatNr(const QString& MatNr) {
    return (!trimControl(MatNr).isEmpty() && MatNr.size() == 7) || MatNr.size() == 10;
}

bool TRTFGebindeObjekt::PruefeEAN(const QString& EAN) {
    // No EAN (empty, or the zeros of a reset) is fine; one that is there must scan.
    if (trimControl(EAN).isEmpty() || EAN == QLatin1String("0000000000000"))
        return true;
    if (EAN.size() != 13 ||
        !std::all_of(EAN.cbegin(), EAN.cend(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }))
        return false;
    return barcode::modulo10CheckDigit(EAN.left(12)) == EAN.at(12);
}

bool TRTFGebindeObjekt::PruefeStk(const QString& Stk) {
    return !Stk.isEmpty() && decimalStrToInt(Stk) > 0;
}

bool TRTFGebindeObjekt::PruefeEinheit(const QString& Einheit, const QStringList& items) {
    return items.contains(Einheit, Qt::CaseSensitive);
}

bool TRTFGebindeObjekt::PruefeHSW(const QString& HSW) {
    const QString text = trimControl(HSW) == QLatin1String(".") ? QStringLiteral("00.00") : HSW;
    const int week = decimalStrToInt(text.left(2));
    return week >= 1 && week <= 53;
}

bool TRTFGebindeObjekt::PruefeKDAuftrag(const QString& KDA, const QString& KDPos) {
    if (trimControl(KDA) == QLatin1String("0000000000"))
        return false;
    return KDA.size() == 10 && !trimControl(KDPos).isEmpty();
}

bool TRTFGebindeObjekt::PruefeProdNr(const QString& ProdNr) {
    if (trimControl(ProdNr) == QLatin1String("000000"))
        return false;
    return ProdNr.size() == 6 && !trimControl(ProdNr).isEmpty();
}

bool TRTFGebindeObjekt::PruefeDatumDTP(const QDate& Datum) {
    return Datum >= platform().now().date();
}

bool TRTFGebindeObjekt::PruefePruefer(const QString& Pruefer) {
    return !trimControl(Pruefer).isEmpty();
}

bool TRTFGebindeObjekt::Ermittle_Haken_bei_Checkbox(bool Haken) {
    return Haken;
}

QString TRTFGebindeObjekt::GibMirDokumentnummerMitHoechsterPrio(int DatensatzNr) {
    const TArtikel& a = articleList().Artikel(DatensatzNr);
    if (isDocumentNumber(a.ZeichnNr))
        return a.ZeichnNr + QLatin1Char('+') + a.IndexZNr;
    if (isDocumentNumber(a.MQSNr))
        return a.MQSNr + QLatin1Char('+') + a.IndexMQS;
    if (isDocumentNumber(a.KSTNr))
        return a.KSTNr + QLatin1Char('+') + a.IndexKST;
    showInformation(QString(), msgText(msg::KeineDokumentNrGefunden));
    return QString();
}

bool TRTFGebindeObjekt::CheckMaterialnummerBeiEingabe(const QString& s, MaterialNumberBox& myCBox) {
    const QString typed = s.isEmpty() ? QStringLiteral("0") : s;
    const TArtikelListe& list = articleList();
    int prefixMatch = -1;
    int exactMatch = -1;
    for (int i = 0; i < myCBox.count(); ++i) {
        const QString& nr = list.Artikel(i).MaterialNr;
        if (nr == typed)
            exactMatch = i;
        else if (nr.startsWith(typed))
            prefixMatch = i;
    }
    // A number picked from the list must not turn into a longer one that merely begins with it.
    const int chosen = exactMatch >= 0 ? exactMatch : prefixMatch;
    if (chosen < 0) {
        myCBox.setText(QString());
        return false;
    }
    myCBox.setCurrentIndex(chosen);
    return true;
}

} // namespace zw
