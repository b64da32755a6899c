#include "barcode/Barcode.h"

#include "barcode/BarcodeRules.h"
#include "base/Convert.h"

namespace zw {

namespace barcode {

AppError error(const char* messageWithPlaceholder) {
    return AppError(
        QString::fromLatin1(messageWithPlaceholder).replace(QLatin1String("%s"), QLatin1String("TBarcode")));
}

QChar modulo10CheckDigit(const QString& digits) {
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        const QChar c = digits[i];
        // A non-digit raises the integer conversion's own error.
        sum += (c >= QLatin1Char('0') && c <= QLatin1Char('9') ? digitValue(c) : strToInt(QString(c))) * weight;
        weight = 4 - weight;
    }
    const int r = sum % 10;
    return QChar('0' + (r == 0 ? 0 : 10 - r));
}

QChar supp5CheckDigit(const QString& digits) {
    int sum = 0;
    int weight = 3;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        sum += digitValue(digits[i]) * weight;
        weight = 12 - weight;
    }
    return QChar('0' + sum % 10);
}

} // namespace barcode

namespace {

struct TypeInfo {
    // The enumerator as the code names it.
    const char* identifier;
    const char* name;
    bool digitsOnly;
    // Lower bound of Ratio, or 0 where any ratio is kept.
    double ratioMin;
    // The symbol is measured in modules of 1 to 4 times Modul, so Ratio must not
    // change the widths.
    bool moduleCounts;
};

constexpr TypeInfo typeTable[BarcodeTypeCount] = {
    {"bcCode_2_5_interleaved", "2_5_interleaved", true, 2.0, false},
    {"bcCode_2_5_industrial", "2_5_industrial", true, 2.0, false},
    {"bcCode_2_5_matrix", "2_5_matrix", true, 2.25, false},
    {"bcCode39", "Code39", false, 2.0, false},
    {"bcCode39Extended", "Code39 Extended", false, 2.0, false},
    {"bcCode128A", "Code128A", false, 0, true},
    {"bcCode128B", "Code128B", false, 0, true},
    {"bcCode128C", "Code128C", true, 0, true},
    {"bcCode93", "Code93", false, 0, true},
    {"bcCode93Extended", "Code93 Extended", false, 0, true},
    {"bcCodeMSI", "MSI", true, 0, false},
    {"bcCodePostNet", "PostNet", true, 0, false},
    {"bcCodeCodabar", "Codebar", false, 2.0, false},
    {"bcCodeEAN8", "EAN8", true, 2.0, true},
    {"bcCodeEAN13", "EAN13", true, 2.0, true},
    {"bcCodeUPC_A", "UPC_A", true, 2.0, true},
    {"bcCodeUPC_E0", "UPC_E0", true, 2.0, true},
    {"bcCodeUPC_E1", "UPC_E1", true, 2.0, true},
    {"bcCodeUPC_Supp2", "UPC Supp2", true, 2.0, true},
    {"bcCodeUPC_Supp5", "UPC Supp5", true, 2.0, true},
    {"bcCodeEAN128A", "EAN128A", false, 0, true},
    {"bcCodeEAN128B", "EAN128B", false, 0, true},
    {"bcCodeEAN128C", "EAN128C", true, 0, true},
};

bool validType(TBarcodeType t) {
    return t >= 0 && t < BarcodeTypeCount;
}

} // namespace

TBarcode::TBarcode(QObject* owner) : QObject(owner) {}

TBarcode::~TBarcode() = default;

void TBarcode::NotifyChange() {
    if (FOnChange)
        FOnChange(this);
}

namespace {
template <typename T> bool store(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}
} // namespace

void TBarcode::setHeight(int value) {
    if (store(FHeight, value))
        NotifyChange();
}

void TBarcode::setText(const QString& value) {
    if (store(FText, value)) {
        forgetCheckDigitRewrite();
        NotifyChange();
    }
}

void TBarcode::setTop(int value) {
    if (store(FTop, value))
        NotifyChange();
}

void TBarcode::setLeft(int value) {
    if (store(FLeft, value))
        NotifyChange();
}

void TBarcode::setModul(int value) {
    if (value == 1)
        value = 2;
    if (value < 1 || value >= 50)
        return;
    FModul = value;
    invalidatePattern();
    NotifyChange();
}

void TBarcode::setRatio(double value) {
    if (store(FRatio, value)) {
        invalidatePattern();
        NotifyChange();
    }
}

void TBarcode::setTyp(TBarcodeType value) {
    if (store(FTyp, value)) {
        forgetCheckDigitRewrite();
        NotifyChange();
    }
}

void TBarcode::setChecksum(bool value) {
    if (store(FCheckSum, value)) {
        forgetCheckDigitRewrite();
        NotifyChange();
    }
}

void TBarcode::setShowText(TBarcodeOption value) {
    if (store(FShowText, value))
        NotifyChange();
}

void TBarcode::setAngle(double value) {
    if (store(FAngle, value))
        NotifyChange();
}

void TBarcode::setCheckSumMethod(TCheckSumMethod value) {
    if (store(FCheckSumMethod, value))
        forgetCheckDigitRewrite();
}

void TBarcode::setShowTextFont(const TFont& font) {
    FShowTextFont = font;
    NotifyChange();
}

void TBarcode::setShowTextPosition(TShowTextPosition value) {
    if (store(FShowTextPosition, value))
        NotifyChange();
}

void TBarcode::Assign(const TBarcode& source) {
    if (&source == this)
        return;
    FHeight = source.FHeight;
    FText = source.FText;
    FTop = source.FTop;
    FLeft = source.FLeft;
    FModul = source.FModul;
    FRatio = source.FRatio;
    FTyp = source.FTyp;
    FCheckSum = source.FCheckSum;
    FShowText = source.FShowText;
    FShowTextPosition = source.FShowTextPosition;
    FAngle = source.FAngle;
    FColor = source.FColor;
    FColorBar = source.FColorBar;
    FCheckSumMethod = source.FCheckSumMethod;
    FOnChange = source.FOnChange;
    // The copied Text carries the source's check digit, if any.
    m_checkSource = source.m_checkSource;
    m_checkResult = source.m_checkResult;
    m_hasCheckRewrite = source.m_hasCheckRewrite;
    invalidatePattern();
}

QString TBarcode::checkDigitSource() const {
    return m_hasCheckRewrite && FText == m_checkResult ? m_checkSource : FText;
}

void TBarcode::rememberCheckDigitRewrite(const QString& source) {
    m_checkSource = source;
    m_checkResult = FText;
    m_hasCheckRewrite = true;
}

void TBarcode::forgetCheckDigitRewrite() {
    invalidatePattern();
    m_hasCheckRewrite = false;
    m_checkSource.clear();
    m_checkResult.clear();
}

void TBarcode::ComputeElementWidths() {
    const TypeInfo& info = typeTable[FTyp];
    if (info.ratioMin > 0) {
        if (FRatio < info.ratioMin)
            setRatio(info.ratioMin);
        if (FRatio > 3.0)
            setRatio(3.0);
    }
    // A ratio other than 2 would stretch the module-count symbologies out of
    // their published widths; they are always 1 to 4 modules.
    const double wide = info.moduleCounts ? 2.0 * FModul : FModul * FRatio;
    // Far beyond the 8-bit range (or NaN) the value cannot even be rounded to an integer.
    if (!(std::fabs(wide) <= 127.0))
        throw barcode::error("%s: element width out of range");
    int widths[4];
    widths[0] = FModul;
    widths[1] = barcode::roundHalfEven(wide);
    widths[2] = widths[1] * 3 / 2;
    widths[3] = 2 * widths[1];
    for (int i = 0; i < 4; ++i) {
        // The widths are kept in 8 bits; wrapping, or a ratio that leaves an
        // element no width at all, would draw a corrupt symbol.
        if (widths[i] < 1 || widths[i] > 127)
            throw barcode::error("%s: element width out of range");
        m_modules[i] = qint8(widths[i]);
    }
}

QString TBarcode::PadWithZeros(int n) const {
    if (FText.size() >= n)
        return FText;
    return QString(n - FText.size(), QLatin1Char('0')) + FText;
}

QString TBarcode::DoCheckSumming(const QString& data) const {
    if (FCheckSumMethod == csmModulo10)
        return data + barcode::modulo10CheckDigit(data);
    return data;
}

QString barcodeTypeIdentifier(TBarcodeType type) {
    return validType(type) ? QLatin1String(typeTable[type].identifier) : QString();
}

bool barcodeTypeFromIdentifier(const QString& identifier, TBarcodeType& type) {
    for (int i = 0; i < BarcodeTypeCount; ++i) {
        if (identifier == QLatin1String(typeTable[i].identifier)) {
            type = TBarcodeType(i);
            return true;
        }
    }
    return false;
}

QString TBarcode::TypeName() const {
    return validType(FTyp) ? QLatin1String(typeTable[FTyp].name) : QString();
}

void TBarcode::internalError() {
    throw barcode::error("%s: internal Error");
}

QString TBarcode::BuildBarPattern() {
    if (!validType(FTyp))
        throw barcode::error("%s: wrong BarcodeType");
    if (m_patternValid)
        return m_pattern;
    ComputeElementWidths();
    if (typeTable[FTyp].digitsOnly) {
        const QString trimmed = trimControl(FText);
        if (trimmed.size() != FText.size())
            FText = trimmed;
        for (QChar c : FText) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                FText = QStringLiteral("000000000");
                break;
            }
        }
    }
    m_pattern = encode();
    m_patternWidth = 0;
    for (QChar letter : std::as_const(m_pattern))
        m_patternWidth += GetElementProps(letter).width;
    m_patternValid = true;
    return m_pattern;
}

QString TBarcode::encode() {
    switch (FTyp) {
    case bcCode_2_5_interleaved:
        return encodeInterleaved2of5();
    case bcCode_2_5_industrial:
        return encodeIndustrial2of5();
    case bcCode_2_5_matrix:
        return encodeMatrix2of5();
    case bcCode39:
        return encodeCode39();
    case bcCode39Extended:
        return encodeCode39Extended();
    case bcCode128A:
    case bcCode128B:
    case bcCode128C:
    case bcCodeEAN128A:
    case bcCodeEAN128B:
    case bcCodeEAN128C:
        return encodeCode128();
    case bcCode93:
        return encodeCode93();
    case bcCode93Extended:
        return encodeCode93Extended();
    case bcCodeMSI:
        return encodeMsi();
    case bcCodePostNet:
        return encodePostNet();
    case bcCodeCodabar:
        return encodeCodabar();
    case bcCodeEAN8:
        return encodeEan8();
    case bcCodeEAN13:
        return encodeEan13();
    case bcCodeUPC_A:
        return encodeUpcA();
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        return encodeUpcE();
    case bcCodeUPC_Supp2:
        return encodeSupp2();
    case bcCodeUPC_Supp5:
        return encodeSupp5();
    }
    throw barcode::error("%s: wrong BarcodeType");
}

} // namespace zw
