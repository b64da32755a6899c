#pragma once

// Rules shared by the encoders; not part of the public interface.

#include "base/AppError.h"

#include <QString>
#include <QVarLengthArray>

#include <cmath>
#include <limits>

namespace zw::barcode {

// Collects pattern letters without a reallocation per piece.
class PatternBuilder {
public:
    PatternBuilder& operator<<(const char* letters) {
        while (*letters)
            m_letters.append(char16_t(*letters++));
        return *this;
    }
    PatternBuilder& operator<<(char letter) {
        m_letters.append(char16_t(letter));
        return *this;
    }
    QString toString() const {
        return QString(reinterpret_cast<const QChar*>(m_letters.constData()), m_letters.size());
    }

    // WidthDigitsToPattern: the collected module counts "1"-"4" for bar, space,
    // bar, ... become elements: odd positions bars "5"-"8", even positions
    // spaces "0"-"3".
    QString widthDigitsToPattern() {
        for (qsizetype i = 0; i < m_letters.size(); ++i)
            m_letters[i] = char16_t(m_letters[i] + (i % 2 == 0 ? 4 : -1));
        return toString();
    }

private:
    QVarLengthArray<char16_t, 256> m_letters;
};

// Errors carry the component's class name in place of "%s".
AppError error(const char* messageWithPlaceholder);

// The EAN/UPC check digit: weights 3, 1, 3, ... from the right, complement of
// the sum modulo 10. Every character must be a digit (else the integer
// conversion error).
QChar modulo10CheckDigit(const QString& digits);

// The 5-digit add-on's check digit: weights 3, 9, 3, ... from the right, the
// sum modulo 10 itself.
QChar supp5CheckDigit(const QString& digits);

// A whole-numbered value as a pixel coordinate. Beyond the 32-bit range, or
// no number at all (an angle of NaN), there is no pixel to land on.
inline int toPixel(double v) {
    if (!(v >= double(std::numeric_limits<int>::min()) && v <= double(std::numeric_limits<int>::max())))
        throw error("%s: geometry out of range");
    return int(v);
}

// Nearest integer, halves to the even neighbour.
inline int roundHalfEven(double v) {
    return toPixel(std::fabs(v - std::trunc(v)) == 0.5 ? 2.0 * std::round(v / 2.0) : std::round(v));
}

// Digit value of a character known to be "0" to "9".
inline int digitValue(QChar c) {
    return c.unicode() - '0';
}

} // namespace zw::barcode
