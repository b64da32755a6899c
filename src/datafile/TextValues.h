#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace zw {

// A date-time as days since 1899-12-30, the time of day as the fraction; before
// that day the fraction still counts forwards (-1.25 is 1899-12-29 06:00).
using TDateTime = double;

TDateTime encodeDateTime(const QDate& date, const QTime& time = QTime(0, 0));
// False for values outside the years 1 to 9999 (and for NaN or infinity).
bool decodeDateTime(TDateTime value, QDate& date, QTime& time);

// The value texts of the text representation. Numbers and dates follow
// `locale`, which writer and reader must share.

// Shortest text that reads back to the same value, in fixed notation from
// 0.00001 up to 15 digits before the separator and as "1.5E-6" beyond.
QString floatToText(double value, const QLocale& locale);
// Takes "." and "," alike as the separator. Raises AppError for anything else
// than a plain decimal number, "INF", "-INF" or "NAN".
double textToFloat(const QString& text, const QLocale& locale);

// The locale's short date (with a four-digit year), then its long time unless
// the time is midnight; seconds are the finest unit.
QString dateTimeToText(TDateTime value, const QLocale& locale);
TDateTime textToDateTime(const QString& text, const QLocale& locale);

// A string value as its text token (without the ";" that ends it) and back.
// Values free of ";", braces and line breaks are quoted as they are; others
// are written %"..." with those characters as %XXXX, so every string survives.
QString quoteText(const QString& value, bool boolErsetzeEnter);
QString unquoteText(const QString& token, bool boolErsetzeEnter);

} // namespace zw
