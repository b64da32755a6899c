// 2 of 5 (interleaved, industrial, matrix), Code 39, Code 93, MSI, POSTNET and Codabar.

#include "barcode/Barcode.h"
#include "barcode/BarcodeRules.h"

#include <utility>

namespace zw {

namespace {

using barcode::digitValue;

// Five flags per digit (weights 1, 2, 4, 7, parity), "1" marking a wide element.
constexpr const char* twoOfFive[10] = {"00110", "10001", "01001", "11000", "00101",
                                       "10100", "01100", "00011", "10010", "01010"};

bool wideFlag(QChar digit, int flag) {
    return twoOfFive[digitValue(digit)][flag] == '1';
}

struct Code39Entry {
    char c;
    int value;
    const char* pattern;
};

// Nine elements each, bar first: "5"/"6" narrow/wide bar, "0"/"1" narrow/wide space.
constexpr Code39Entry code39Table[44] = {
    {'0', 0, "505160605"},  {'1', 1, "605150506"},  {'2', 2, "506150506"},  {'3', 3, "606150505"},
    {'4', 4, "505160506"},  {'5', 5, "605160505"},  {'6', 6, "506160505"},  {'7', 7, "505150606"},
    {'8', 8, "605150605"},  {'9', 9, "506150605"},  {'A', 10, "605051506"}, {'B', 11, "506051506"},
    {'C', 12, "606051505"}, {'D', 13, "505061506"}, {'E', 14, "605061505"}, {'F', 15, "506061505"},
    {'G', 16, "505051606"}, {'H', 17, "605051605"}, {'I', 18, "506051605"}, {'J', 19, "505061605"},
    {'K', 20, "605050516"}, {'L', 21, "506050516"}, {'M', 22, "606050515"}, {'N', 23, "505060516"},
    {'O', 24, "605060515"}, {'P', 25, "506060515"}, {'Q', 26, "505050616"}, {'R', 27, "605050615"},
    {'S', 28, "506050615"}, {'T', 29, "505060615"}, {'U', 30, "615050506"}, {'V', 31, "516050506"},
    {'W', 32, "616050505"}, {'X', 33, "515060506"}, {'Y', 34, "615060505"}, {'Z', 35, "516060505"},
    {'-', 36, "515050606"}, {'.', 37, "615050605"}, {' ', 38, "516050605"}, {'*', 0, "515060605"},
    {'$', 39, "515151505"}, {'/', 40, "515150515"}, {'+', 41, "515051515"}, {'%', 42, "505151515"},
};

const Code39Entry* findCode39(QChar c) {
    for (const Code39Entry& e : code39Table)
        if (c == QLatin1Char(e.c))
            return &e;
    return nullptr;
}

// Values 0 to 46: "0"-"9", "A"-"Z", "-", ".", space, "$", "/", "+", "%", then
// the shift characters ($), (%), (/), (+) written "[", "]", "{", "}".
constexpr char code93Chars[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";
constexpr const char* code93Counts[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",
};

int code93Value(QChar c) {
    for (int v = 0; v < 47; ++v)
        if (c == QLatin1Char(code93Chars[v]))
            return v;
    return -1;
}

// Full ASCII: how each of the codes 0 to 127 is written with the basic set,
// with "$", "%", "/" and "+" as the shift characters.
QString fullAscii(const QString& text, const char shifts[4]) {
    const char dollar = shifts[0], percent = shifts[1], slash = shifts[2], plus = shifts[3];
    QString out;
    out.reserve(text.size() * 2);
    auto pair = [&](char shift, char letter) {
        out += QLatin1Char(shift);
        out += QLatin1Char(letter);
    };
    for (QChar qc : text) {
        const ushort c = qc.unicode();
        if (c == 0)
            pair(percent, 'U');
        else if (c <= 26)
            pair(dollar, char('A' + c - 1));
        else if (c <= 31)
            pair(percent, char('A' + c - 27));
        else if (c == 32 || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'))
            out += qc;
        else if (c <= 47)
            pair(slash, char('A' + c - 33));
        else if (c == ':')
            pair(slash, 'Z');
        else if (c <= 63)
            pair(percent, char('F' + c - 59));
        else if (c == 64)
            pair(percent, 'V');
        else if (c <= 95)
            pair(percent, char('K' + c - 91));
        else if (c == 96)
            pair(percent, 'W');
        else if (c <= 122)
            pair(plus, char('A' + c - 97));
        else if (c <= 127)
            pair(percent, char('P' + c - 123));
        // Characters above 127 have no full ASCII form and are dropped.
    }
    return out;
}

// Puts a translation in place of the text for one build; the text comes back
// also when the build fails.
class TextSwap {
public:
    TextSwap(QString& text, QString replacement) : m_text(text), m_saved(std::exchange(text, std::move(replacement))) {}
    ~TextSwap() { m_text = std::move(m_saved); }
    TextSwap(const TextSwap&) = delete;
    TextSwap& operator=(const TextSwap&) = delete;

private:
    QString& m_text;
    QString m_saved;
};

// Codabar: seven elements each, bar first.
constexpr char codabarChars[] = "1234567890-$:/.+ABCD";
constexpr const char* codabarPatterns[20] = {
    "5050615", "5051506", "6150505", "5060515", "6050515", "5150506", "5150605", "5160505", "6051505", "5050516",
    "5051605", "5061505", "6050606", "6060506", "6060605", "5060606", "5061515", "5151506", "5051516", "5051615",
};

const char* codabarPattern(QChar c) {
    for (int i = 0; i < 20; ++i)
        if (c == QLatin1Char(codabarChars[i]))
            return codabarPatterns[i];
    return nullptr;
}

// POSTNET: five bars per digit, "1" marking a full bar.
constexpr const char* postNetBars[10] = {"11000", "00011", "00101", "00110", "01001",
                                         "01010", "01100", "10001", "10010", "10100"};

// MSI: four bits per digit, most significant first; 0 is a narrow bar and a
// wide space, 1 a wide bar and a narrow space.
void appendMsiDigit(QString& p, int digit) {
    for (int bit = 3; bit >= 0; --bit)
        p += (digit >> bit) & 1 ? QLatin1String("60") : QLatin1String("51");
}

// The MSI modulo-10 check digit: the digits at odd positions counted from the
// right form a number that is doubled; the digit sum of that and of the other
// digits is complemented to a multiple of ten.
int msiCheckDigit(const QString& digits) {
    int sum = 0;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        const int d = digitValue(digits[i]);
        const bool doubled = (n - i) % 2 == 1;
        // Doubling digit by digit sums the same digits as doubling the number:
        // twice a digit leaves at most 8 behind a carry, so carries never chain.
        sum += doubled ? (2 * d) / 10 + (2 * d) % 10 : d;
    }
    const int r = sum % 10;
    return r == 0 ? 0 : 10 - r;
}

} // namespace

QString TBarcode::encodeInterleaved2of5() const {
    QString p = QStringLiteral("5050");
    for (qsizetype i = 0; i + 1 < FText.size(); i += 2) {
        for (int flag = 0; flag < 5; ++flag) {
            p += QLatin1Char(wideFlag(FText[i], flag) ? '6' : '5');
            p += QLatin1Char(wideFlag(FText[i + 1], flag) ? '1' : '0');
        }
    }
    p += QLatin1String("605");
    return p;
}

QString TBarcode::encodeIndustrial2of5() const {
    QString p = QStringLiteral("606050");
    for (QChar c : FText)
        for (int flag = 0; flag < 5; ++flag)
            p += wideFlag(c, flag) ? QLatin1String("60") : QLatin1String("50");
    p += QLatin1String("605060");
    return p;
}

QString TBarcode::encodeMatrix2of5() const {
    QString p = QStringLiteral("705050");
    for (QChar c : FText) {
        for (int flag = 0; flag < 5; ++flag) {
            const bool bar = flag % 2 == 0;
            p += QLatin1Char(wideFlag(c, flag) ? (bar ? '6' : '1') : (bar ? '5' : '0'));
        }
        p += QLatin1Char('0');
    }
    p += QLatin1String("70505");
    return p;
}

QString TBarcode::encodeCode39() const {
    const QLatin1String star(findCode39(QLatin1Char('*'))->pattern);
    QString p = star + QLatin1Char('0');
    int sum = 0;
    for (QChar c : FText) {
        // Characters outside the table are skipped.
        if (const Code39Entry* e = findCode39(c)) {
            p += QLatin1String(e->pattern) + QLatin1Char('0');
            sum += e->value;
        }
    }
    if (FCheckSum) {
        for (const Code39Entry& e : code39Table) {
            if (e.value == sum % 43) {
                p += QLatin1String(e.pattern) + QLatin1Char('0');
                break;
            }
        }
    }
    p += star;
    return p;
}

QString TBarcode::encodeCode39Extended() {
    static constexpr char shifts[4] = {'$', '%', '/', '+'};
    const TextSwap swap(FText, fullAscii(FText, shifts));
    return encodeCode39();
}

QString TBarcode::encodeCode93() const {
    barcode::PatternBuilder counts;
    counts << "111141";
    QList<int> values;
    values.reserve(FText.size() + 2);
    for (QChar c : FText) {
        const int v = code93Value(c);
        if (v < 0)
            throw AppError(QStringLiteral("TBarcode:Code93 bad Data <%1>").arg(FText));
        values.append(v);
        counts << code93Counts[v];
    }
    // Two check characters, C over the data and K over the data and C.
    auto weightedSum = [&](int maxWeight) {
        int sum = 0;
        int weight = 1;
        for (qsizetype i = values.size() - 1; i >= 0; --i) {
            sum += values[i] * weight;
            weight = weight == maxWeight ? 1 : weight + 1;
        }
        return sum % 47;
    };
    values.append(weightedSum(20));
    counts << code93Counts[values.last()];
    values.append(weightedSum(15));
    counts << code93Counts[values.last()];
    counts << "1111411";
    return counts.widthDigitsToPattern();
}

QString TBarcode::encodeCode93Extended() {
    static constexpr char shifts[4] = {'[', ']', '{', '}'};
    const TextSwap swap(FText, fullAscii(FText, shifts));
    return encodeCode93();
}

QString TBarcode::encodeMsi() const {
    QString p = QStringLiteral("60");
    for (QChar c : FText)
        appendMsiDigit(p, digitValue(c));
    appendMsiDigit(p, msiCheckDigit(FText));
    p += QLatin1String("515");
    return p;
}

QString TBarcode::encodePostNet() const {
    QString p = QStringLiteral("51");
    for (QChar c : FText) {
        for (const char* b = postNetBars[digitValue(c)]; *b; ++b) {
            p += QLatin1Char(*b == '1' ? '5' : 'A');
            p += QLatin1Char('1');
        }
    }
    p += QLatin1Char('5');
    return p;
}

QString TBarcode::encodeCodabar() const {
    QString p = QLatin1String(codabarPattern(QLatin1Char('A'))) + QLatin1Char('0');
    for (QChar c : FText) {
        const char* pattern = codabarPattern(c);
        // No pattern exists for it; dropping it would print other data than the text.
        if (!pattern)
            throw AppError(QStringLiteral("TBarcode:Codabar bad Data <%1>").arg(FText));
        p += QLatin1String(pattern) + QLatin1Char('0');
    }
    p += QLatin1String(codabarPattern(QLatin1Char('B')));
    return p;
}

} // namespace zw
