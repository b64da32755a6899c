#pragma once

// Rules shared by the encoders; not part of the public interface.

#include "barcode/Barcode.h"
#include "core/AppError.h"

#include <QString>
#include <QVarLengthArray>

#include <array>
#include <cmath>

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

private:
    QVarLengthArray<char16_t, 256> m_letters;
};

// GetElementProps for all twelve letters at once, for loops over a whole pattern.
class ElementTable {
public:
    explicit ElementTable(const TBarcode& bc) {
        for (const char c : {'0', '1', '2', '3', '5', '6', '7', '8', 'A', 'B', 'C', 'D'}) {
            m_elements[c - '0'] = bc.GetElementProps(QLatin1Char(c));
            m_known[c - '0'] = true;
        }
    }
    // Letters outside the alphabet go to GetElementProps, which raises the internal error.
    TBarElement operator()(const TBarcode& bc, QChar letter) const {
        const unsigned index = letter.unicode() - unsigned('0');
        if (index >= m_known.size() || !m_known[index])
            return bc.GetElementProps(letter);
        return m_elements[index];
    }

private:
    std::array<TBarElement, 'D' - '0' + 1> m_elements{};
    std::array<bool, 'D' - '0' + 1> m_known{};
};

// Errors carry the component's class name in place of "%s".
AppError error(const char* messageWithPlaceholder);

// Module-count digits "1"-"4" for bar, space, bar, ... turned into elements:
// odd positions become bars "5"-"8", even positions spaces "0"-"3".
QString widthDigitsToPattern(QString widthDigits);

// The EAN/UPC check digit: weights 3, 1, 3, ... from the right, complement of
// the sum modulo 10. Every character must be a digit (else the integer
// conversion error).
QChar modulo10CheckDigit(const QString& digits);

// The 5-digit add-on's check digit: weights 3, 9, 3, ... from the right, the
// sum modulo 10 itself.
QChar supp5CheckDigit(const QString& digits);

// Nearest integer, halves to the even neighbour.
inline int roundHalfEven(double v) {
    if (std::fabs(v - std::trunc(v)) == 0.5)
        return int(2.0 * std::round(v / 2.0));
    return int(std::round(v));
}

// Digit value of a character known to be "0" to "9".
inline int digitValue(QChar c) {
    return c.unicode() - '0';
}

} // namespace zw::barcode
