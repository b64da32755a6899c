// The EAN/UPC family: EAN-8, EAN-13, UPC-A, UPC-E and the two add-ons.

#include "barcode/Barcode.h"
#include "barcode/BarcodeRules.h"
#include "base/Convert.h"

namespace zw {

namespace {

using barcode::digitValue;

// Set A: odd-parity left-hand digits (space first); set C: right-hand digits
// (bar first); set B: even-parity left-hand digits, set C read backwards.
constexpr const char* setA[10] = {"2605", "1615", "1516", "0805", "0526", "0625", "0508", "0706", "0607", "2506"};
constexpr const char* setC[10] = {"7150", "6160", "6061", "5350", "5071", "5170", "5053", "5251", "5152", "7051"};
constexpr const char* setB[10] = {"0517", "0616", "1606", "0535", "1705", "0715", "3505", "1525", "2515", "1507"};

// Left-half parity of EAN-13, by the first digit.
constexpr const char* ean13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                         "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};

// UPC-E number-system-0 parity by check digit; "E" even (set B), "o" odd (set A).
// The 5-digit add-on uses characters 2 to 6 of the same rows.
constexpr const char* upcEParity[10] = {"EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo",
                                        "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE"};

const char* digitCode(const char* const set[10], QChar digit) {
    return set[digitValue(digit)];
}

// A left-hand digit in set B where the parity letter says so.
const char* leftDigit(QChar digit, bool evenParity) {
    return digitCode(evenParity ? setB : setA, digit);
}

// The layout of EAN-8, EAN-13 and UPC-A: "505", `half` left-hand digits from
// index `first` on (set B where the parity row says "B", else set A), "05050",
// the next `half` digits in set C, "505".
QString twoHalves(const QString& t, int first, int half, const char* parity) {
    barcode::PatternBuilder p;
    p << "505";
    for (int i = 0; i < half; ++i)
        p << leftDigit(t[first + i], parity && parity[i] == 'B');
    p << "05050";
    for (int i = first + half; i < first + 2 * half; ++i)
        p << digitCode(setC, t[i]);
    p << "505";
    return p.toString();
}

QString ean8Or13Error(int length) {
    return length == 8 ? QStringLiteral("Invalid Text len (EAN8)") : QStringLiteral("Invalid Text len (EAN13)");
}

// The UPC-A expansion of six UPC-E digits under number system ns, without its check digit.
QString upcEExpansion(const QString& d, QChar ns) {
    const QString mfr2 = d.left(2);
    QString body;
    switch (digitValue(d[5])) {
    case 0:
    case 1:
    case 2:
        body = mfr2 + d[5] + QStringLiteral("0000") + d.mid(2, 3);
        break;
    case 3:
        body = d.left(3) + QStringLiteral("00000") + d.mid(3, 2);
        break;
    case 4:
        body = d.left(4) + QStringLiteral("00000") + d[4];
        break;
    default:
        body = d.left(5) + QStringLiteral("0000") + d[5];
        break;
    }
    return ns + body;
}

} // namespace

QString TBarcode::encodeEan8() {
    // With a check digit to append, the data are the last seven digits; an
    // eighth digit in front is dropped (EAN-13 keeps its first twelve instead).
    const QString t = FCheckSum ? DoCheckSumming(PadWithZeros(7).right(7)) : PadWithZeros(8);
    if (t.size() != 8)
        throw AppError(ean8Or13Error(8));
    return twoHalves(t, 0, 4, nullptr);
}

QString TBarcode::encodeEan13() {
    const QString t = FCheckSum ? DoCheckSumming(PadWithZeros(12).left(12)) : PadWithZeros(13);
    if (t.size() != 13)
        throw AppError(ean8Or13Error(13));
    return twoHalves(t, 1, 6, ean13Parity[digitValue(t[0])]);
}

QString TBarcode::encodeUpcA() {
    // The check digit is the symbology's own, so CheckSumMethod does not apply.
    if (FCheckSum) {
        const QString data = PadWithZeros(11).left(11);
        FText = data + barcode::modulo10CheckDigit(data);
    } else {
        FText = PadWithZeros(12);
    }
    return twoHalves(FText, 0, 6, nullptr);
}

QString TBarcode::encodeUpcE() {
    FText = PadWithZeros(7);
    const QString data = FText.left(6);
    const QChar ns = FTyp == bcCodeUPC_E1 ? QLatin1Char('1') : QLatin1Char('0');
    // A UPC-E symbol carries the check digit of its UPC-A expansion.
    const QChar check = barcode::modulo10CheckDigit(upcEExpansion(data, ns));
    if (FCheckSum)
        FText = data + check;
    const char* parity = upcEParity[digitValue(check)];
    const bool e1 = FTyp == bcCodeUPC_E1;
    barcode::PatternBuilder p;
    p << "505";
    for (int i = 0; i < 6; ++i)
        p << leftDigit(data[i], (parity[i] == 'E') != e1);
    p << "050505";
    return p.toString();
}

QString TBarcode::encodeSupp5() {
    FText = PadWithZeros(5);
    const QString data = FText.left(5);
    const QChar check = barcode::supp5CheckDigit(data);
    if (FCheckSum)
        FText = data + check;
    const char* parity = upcEParity[digitValue(check)] + 1;
    barcode::PatternBuilder p;
    p << "506";
    for (int i = 0; i < 5; ++i) {
        if (i > 0)
            p << "05";
        p << leftDigit(data[i], parity[i] == 'E');
    }
    return p.toString();
}

QString TBarcode::encodeSupp2() {
    FText = PadWithZeros(2);
    // With Checksum the text carries a digit appended by an earlier build, which
    // must change neither the parity nor the encoded digits.
    const QString source = FCheckSum ? checkDigitSource() : FText;
    static constexpr const char* parities[4] = {"oo", "oE", "Eo", "EE"};
    const char* parity = parities[strToInt(source) % 4];
    if (FCheckSum) {
        const QString data = source.left(5);
        FText = data + barcode::supp5CheckDigit(data);
        rememberCheckDigitRewrite(source);
    }
    barcode::PatternBuilder p;
    p << "506" << leftDigit(source[0], parity[0] == 'E') << "05" << leftDigit(source[1], parity[1] == 'E');
    return p.toString();
}

} // namespace zw
