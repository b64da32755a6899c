// Code 128 and EAN-128 in code sets A, B and C.

#include "barcode/Barcode.h"
#include "barcode/BarcodeRules.h"

namespace zw {

namespace {

// Module counts (bar first) of the values 0 to 102.
constexpr const char* code128Counts[103] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213", "221312",
    "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132", "221231", "213212",
    "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211", "212123", "212321", "232121",
    "111323", "131123", "131321", "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331",
    "132131", "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131", "311123",
    "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111", "111224", "111422", "121124",
    "121421", "141122", "141221", "112214", "112412", "122114", "122411", "142112", "142211", "241211", "221114",
    "413111", "241112", "134111", "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112",
    "421211", "212141", "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131",
};
constexpr int fnc1Value = 102;

// The value of a character in set A: values 0-63 are codes 32-95, 64-95 codes
// 0-31; anything else is not in the set and takes the value of a space.
int setAValue(QChar c) {
    const ushort u = c.unicode();
    if (u >= 32 && u <= 95)
        return u - 32;
    if (u < 32)
        return u + 64;
    return 0;
}

// Set B: values 0-94 are codes 32-126.
int setBValue(QChar c) {
    const ushort u = c.unicode();
    return u >= 32 && u <= 126 ? u - 32 : 0;
}

// Set C: the pairs "00" to "99"; an unknown pair takes the value of "00".
int setCValue(QChar hi, QChar lo) {
    auto isDigit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    if (!isDigit(hi) || !isDigit(lo))
        return 0;
    return barcode::digitValue(hi) * 10 + barcode::digitValue(lo);
}

} // namespace

QString TBarcode::encodeCode128() {
    enum class Set { A, B, C };
    Set set;
    int startValue;
    const char* startCounts;
    switch (FTyp) {
    case bcCode128A:
    case bcCodeEAN128A:
        set = Set::A, startValue = 103, startCounts = "211412";
        break;
    case bcCode128B:
    case bcCodeEAN128B:
        set = Set::B, startValue = 104, startCounts = "211214";
        break;
    case bcCode128C:
    case bcCodeEAN128C:
        set = Set::C, startValue = 105, startCounts = "211232";
        break;
    default:
        throw barcode::error("%s: wrong BarcodeType in Code_128");
    }
    const bool ean128 = FTyp == bcCodeEAN128A || FTyp == bcCodeEAN128B || FTyp == bcCodeEAN128C;

    barcode::PatternBuilder counts;
    counts << startCounts;
    int sum = startValue;
    int weight = 1;
    auto add = [&](int value) {
        counts << code128Counts[value];
        sum += value * weight;
        ++weight;
    };
    if (ean128) {
        add(fnc1Value);
        if (FCheckSum) {
            // Every measurement builds the pattern: the check digit goes on once.
            const QString source = checkDigitSource();
            FText = DoCheckSumming(source);
            if (set == Set::C && FText.size() % 2 != 0)
                FText.prepend(QLatin1Char('0'));
            rememberCheckDigitRewrite(source);
        }
    }
    if (set == Set::C) {
        if (FText.size() % 2 != 0)
            FText.prepend(QLatin1Char('0'));
        for (qsizetype i = 0; i + 1 < FText.size(); i += 2)
            add(setCValue(FText[i], FText[i + 1]));
    } else {
        for (QChar c : std::as_const(FText))
            add(set == Set::A ? setAValue(c) : setBValue(c));
    }
    counts << code128Counts[sum % 103] << "2331112";
    return counts.widthDigitsToPattern();
}

} // namespace zw
