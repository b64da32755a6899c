#pragma once

#include "barcode/Barcode.h"
#include "base/AppError.h"

#include <QString>

#include <ostream>

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace zw::test {

// Pattern letters written in groups separated by blanks ("505 2605 ..."), one
// group per digit or guard, as the tables list them.
inline QString letters(const char* groups) {
    return QString::fromLatin1(groups).remove(QLatin1Char(' '));
}

// Module counts "1"-"4" for bar, space, bar, ... as pattern letters, the way
// the published Code 93 and Code 128 tables are read; blanks separate symbols.
inline QString bars(const char* counts) {
    QString p;
    for (QChar c : letters(counts))
        p += QChar(c.unicode() + (p.size() % 2 == 0 ? 4 : -1));
    return p;
}

// The pattern, or the error message when the build fails.
inline QString patternOrError(TBarcode& bc) {
    try {
        return bc.BuildBarPattern();
    } catch (const AppError& e) {
        return QStringLiteral("error: ") + e.message();
    }
}

// A barcode with the given type, text and checksum setting, defaults otherwise.
struct BarcodeSetup {
    TBarcodeType type;
    QString text;
    bool checksum = false;
    double ratio = 2.0;
};

inline void configure(TBarcode& bc, const BarcodeSetup& s) {
    bc.setTyp(s.type);
    bc.setText(s.text);
    bc.setChecksum(s.checksum);
    bc.setRatio(s.ratio);
}

} // namespace zw::test
