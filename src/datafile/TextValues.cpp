#include "datafile/TextValues.h"

#include "base/AppError.h"
#include "base/Convert.h"

#include <QRegularExpression>

#include <cmath>

namespace zw {

namespace {

constexpr qint64 kMsPerDay = 86400000;
// Day numbers of 0001-01-01 and of the day after 9999-12-31.
constexpr double kFirstDay = -693593.0;
constexpr double kEndDay = 2958466.0;

qint64 julianDayOfZero() {
    return QDate(1899, 12, 30).toJulianDay();
}

QString dateFormat(const QLocale& locale) {
    // Two-digit years would read back in the wrong century.
    QString f = locale.dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

QString timeFormat(const QLocale& locale, QLocale::FormatType type) {
    // The time zone of the long format belongs to no stored value.
    static const QRegularExpression zone(QStringLiteral("\\(?t+\\)?"));
    return locale.timeFormat(type).remove(zone).simplified();
}

bool isEscaped(char16_t c, bool boolErsetzeEnter) {
    switch (c) {
    case u';':
    case u'{':
    case u'}':
    case u'\r':
    case u'\n':
        return true;
    case 14:
    case 15:
        return boolErsetzeEnter; // they stand for line breaks there
    default:
        return false;
    }
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

bool isLoneSurrogate(const QString& s, qsizetype i) {
    const QChar c = s.at(i);
    if (c.isHighSurrogate())
        return i + 1 >= s.size() || !s.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !s.at(i - 1).isHighSurrogate();
    return false;
}

} // namespace

TDateTime encodeDateTime(const QDate& date, const QTime& time) {
    const double days = double(date.toJulianDay() - julianDayOfZero());
    const double fraction = double(time.isValid() ? time.msecsSinceStartOfDay() : 0) / double(kMsPerDay);
    return days >= 0 ? days + fraction : days - fraction;
}

bool decodeDateTime(TDateTime value, QDate& date, QTime& time) {
    if (!(value >= kFirstDay && value < kEndDay))
        return false;
    const double days = std::trunc(value);
    const qint64 ms = std::min<qint64>(std::llround(std::fabs(value - days) * double(kMsPerDay)), kMsPerDay - 1);
    date = QDate::fromJulianDay(julianDayOfZero() + qint64(days));
    time = QTime::fromMSecsSinceStartOfDay(int(ms));
    return true;
}

QString floatToText(double value, const QLocale& locale) {
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    if (value == 0)
        return QStringLiteral("0");
    // Shortest digits that read back exactly; this text is "d.ddde+XX".
    const QString e = QString::number(std::fabs(value), 'e', QLocale::FloatingPointShortest);
    const qsizetype ePos = e.indexOf(QLatin1Char('e'));
    const QString digits = e.left(ePos).remove(QLatin1Char('.'));
    const int exponent = e.mid(ePos + 1).toInt();
    const QString point = locale.decimalPoint();

    QString out = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= 15 || exponent < -5) {
        out += digits.left(1);
        if (digits.size() > 1)
            out += point + digits.mid(1);
        out += QLatin1Char('E') + QString::number(exponent);
    } else if (exponent < 0) {
        out += QLatin1Char('0') + point + QString(-exponent - 1, QLatin1Char('0')) + digits;
    } else if (digits.size() <= exponent + 1) {
        out += digits + QString(exponent + 1 - digits.size(), QLatin1Char('0'));
    } else {
        out += digits.left(exponent + 1) + point + digits.mid(exponent + 1);
    }
    return out;
}

double textToFloat(const QString& text, const QLocale& locale) {
    QString t = trimControl(text);
    // Files written under the other separator read all the same.
    const QString point = locale.decimalPoint();
    if (point == QLatin1String(",") && t.contains(QLatin1Char('.')))
        t.replace(t.indexOf(QLatin1Char('.')), 1, QLatin1String(","));
    else if (point == QLatin1String(".") && t.contains(QLatin1Char(',')))
        t.replace(t.indexOf(QLatin1Char(',')), 1, QLatin1String("."));

    const QString upper = t.toUpper();
    if (upper == QLatin1String("NAN"))
        return std::nan("");
    if (upper == QLatin1String("INF") || upper == QLatin1String("+INF"))
        return HUGE_VAL;
    if (upper == QLatin1String("-INF"))
        return -HUGE_VAL;

    const qsizetype p = t.indexOf(point);
    if (p >= 0)
        t.replace(p, point.size(), QLatin1String("."));
    static const QRegularExpression number(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    bool ok = number.match(t).hasMatch();
    const double value = ok ? t.toDouble(&ok) : 0.0;
    if (!ok)
        throw AppError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return value;
}

QString dateTimeToText(TDateTime value, const QLocale& locale) {
    QDate date;
    QTime time;
    if (!decodeDateTime(value, date, time))
        throw AppError(QStringLiteral("%1 is not a valid date and time").arg(value));
    QString out = locale.toString(date, dateFormat(locale));
    if (time.msecsSinceStartOfDay() != 0)
        out += QLatin1Char(' ') + locale.toString(time, timeFormat(locale, QLocale::LongFormat));
    return out;
}

TDateTime textToDateTime(const QString& text, const QLocale& locale) {
    const QString t = trimControl(text);
    const QString df = dateFormat(locale);
    // Only the years a date-time can hold, so whatever is read can be written again.
    const auto parseDate = [&](const QString& s) {
        const QDate d = locale.toDate(s, df);
        return d.year() >= 1 && d.year() <= 9999 ? d : QDate();
    };
    QDate date = parseDate(t);
    if (date.isValid())
        return encodeDateTime(date);
    // The date format may hold blanks itself: try every blank as the border.
    for (qsizetype i = t.indexOf(QLatin1Char(' ')); i > 0; i = t.indexOf(QLatin1Char(' '), i + 1)) {
        date = parseDate(t.left(i));
        if (!date.isValid())
            continue;
        const QString rest = trimControl(t.mid(i + 1));
        for (const auto type : {QLocale::LongFormat, QLocale::ShortFormat}) {
            const QTime time = locale.toTime(rest, timeFormat(locale, type));
            if (time.isValid())
                return encodeDateTime(date, time);
        }
    }
    throw AppError(QStringLiteral("'%1' is not a valid date and time").arg(text));
}

QString quoteText(const QString& value, bool boolErsetzeEnter) {
    // Line breaks under boolErsetzeEnter stay plain: they become codes 14 and 15.
    bool plain = true;
    for (qsizetype i = 0; i < value.size() && plain; ++i) {
        const char16_t c = value.at(i).unicode();
        const bool replacedBreak = boolErsetzeEnter && (c == u'\r' || c == u'\n');
        plain = replacedBreak || !(isEscaped(c, boolErsetzeEnter) || isLoneSurrogate(value, i));
    }
    if (plain) {
        QString v = value;
        if (boolErsetzeEnter) {
            v.replace(QLatin1Char('\n'), QChar(14));
            v.replace(QLatin1Char('\r'), QChar(15));
        }
        return QLatin1Char('"') + v + QLatin1Char('"');
    }
    QString out = QStringLiteral("%\"");
    out.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value.at(i).unicode();
        if (c == u'%' || isEscaped(c, true) || isLoneSurrogate(value, i))
            out += QLatin1Char('%') + QString::number(uint(c), 16).rightJustified(4, QLatin1Char('0')).toUpper();
        else
            out += QChar(c);
    }
    return out + QLatin1Char('"');
}

QString unquoteText(const QString& token, bool boolErsetzeEnter) {
    if (token.size() >= 3 && token.startsWith(QLatin1String("%\"")) && token.endsWith(QLatin1Char('"'))) {
        QString out;
        out.reserve(token.size());
        const qsizetype end = token.size() - 1;
        for (qsizetype i = 2; i < end; ++i) {
            int code = token.at(i) == QLatin1Char('%') && i + 4 < end ? 0 : -1;
            for (qsizetype k = i + 1; code >= 0 && k <= i + 4; ++k) {
                const int digit = hexDigit(token.at(k).unicode());
                code = digit < 0 ? -1 : code * 16 + digit;
            }
            if (code >= 0) {
                out += QChar(char16_t(code));
                i += 4;
            } else {
                out += token.at(i);
            }
        }
        return out;
    }
    // The form without escapes: whatever stands between the first and the last character.
    QString v = token.size() >= 2 ? token.mid(1, token.size() - 2) : QString();
    if (boolErsetzeEnter) {
        v.replace(QChar(14), QLatin1Char('\n'));
        v.replace(QChar(15), QLatin1Char('\r'));
    }
    return v;
}

} // namespace zw
