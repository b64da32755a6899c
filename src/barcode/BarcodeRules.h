#pragma once

// Rules shared by the encoders; not part of the public interface.

#include "core/AppError.h"

#include <QString>

#include <cmath>

namespace zw::barcode {

// Errors carry the component's class name in place of "%s".
AppError error(const char* messageWithPlaceholder);

// Module-count digits "1"-"4" for bar, space, bar, ... turned into elements:
// odd positions become bars "5"-"8", even positions spaces "0"-"3".
QString widthDigitsToPattern(const QString& widthDigits);

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
