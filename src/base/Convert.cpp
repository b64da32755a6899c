#include "base/Convert.h"

#include "base/AppError.h"

#include <algorithm>
#include <limits>
#include <type_traits>

namespace zw {

QStringView trimControl(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin].unicode() <= 32)
        ++begin;
    while (end > begin && s[end - 1].unicode() <= 32)
        --end;
    return s.sliced(begin, end - begin);
}

QString trimControl(const QString& s) {
    const QStringView t = trimControl(QStringView(s));
    return t.size() == s.size() ? s : t.toString();
}

QString cutToLength(const QString& s, qsizetype length) {
    if (length <= 0)
        return {};
    if (s.size() <= length)
        return s;
    return s.left(s.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

QString lineBreaksToBlanks(const QString& s) {
    if (std::none_of(s.cbegin(), s.cend(), [](QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }))
        return s;
    QString v = s;
    v.replace(QLatin1String("\r\n"), QLatin1String(" "));
    v.replace(QLatin1Char('\r'), QLatin1Char(' '));
    v.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return v;
}

namespace {

// The integer conversion for 32 or 64 bits. Hexadecimal texts wrap into the
// signed range, as a register of that width would.
template <typename Int> bool tryParseInteger(const QString& s, Int& value) {
    using UInt = std::make_unsigned_t<Int>;
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && s.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < n && (s.at(i) == QLatin1Char('-') || s.at(i) == QLatin1Char('+'))) {
        negative = s.at(i) == QLatin1Char('-');
        ++i;
    }
    unsigned base = 10;
    if (i < n && s.at(i) == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && s.at(i) == QLatin1Char('0') &&
               (s.at(i + 1) == QLatin1Char('x') || s.at(i + 1) == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    UInt acc = 0;
    const UInt limit =
        base == 16 ? std::numeric_limits<UInt>::max() : UInt(std::numeric_limits<Int>::max()) + (negative ? 1 : 0);
    for (; i < n; ++i) {
        unsigned digit = 16;
        const ushort c = s.at(i).unicode();
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit >= base || acc > (limit - digit) / base)
            return false;
        acc = acc * base + digit;
    }
    // Two's complement negation in the unsigned type, then the wrap into Int.
    value = Int(negative ? UInt(0) - acc : acc);
    return true;
}

} // namespace

bool tryStrToInt(const QString& s, int& value) {
    return tryParseInteger(s, value);
}

bool tryStrToInt64(const QString& s, qint64& value) {
    return tryParseInteger(s, value);
}

int strToInt(const QString& s) {
    int v = 0;
    if (!tryStrToInt(s, v))
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return v;
}

qint64 strToInt64(const QString& s) {
    qint64 v = 0;
    if (!tryStrToInt64(s, v))
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return v;
}

int strToIntDef(const QString& s, int fallback) {
    int v = 0;
    return tryStrToInt(s, v) ? v : fallback;
}

bool strToBool(const QString& s) {
    if (s.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (s.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    int i = 0;
    if (tryStrToInt(s, i))
        return i != 0;
    bool ok = false;
    const QString t = trimControl(s);
    const double d = t.toDouble(&ok);
    if (ok && !t.isEmpty())
        return d != 0.0;
    throw AppError(QStringLiteral("'%1' is not a valid boolean value").arg(s));
}

QString boolToStr(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace zw
