#pragma once

#include <QString>
#include <QStringView>

namespace zw {

// The one trim rule: removes leading and trailing characters with codes up to 32.
QString trimControl(const QString& s);
QStringView trimControl(QStringView s);
// The first `length` characters of `s`, one fewer where the cut would split a
// surrogate pair (a lone half would be written as "?").
QString cutToLength(const QString& s, qsizetype length);
// Each line break (CR LF, CR or LF) replaced by one blank: a value stored on
// one line of a settings or article file must not start further keys there.
QString lineBreaksToBlanks(const QString& s);

// Text to integer as the settings and article files need it: optional leading
// blanks, an optional sign, decimal digits, or hexadecimal after "$" or "0x".
// Anything else raises AppError("'<text>' is not a valid integer value").
int strToInt(const QString& s);
// As strToInt, but yields `fallback` instead of raising.
int strToIntDef(const QString& s, int fallback);
bool tryStrToInt(const QString& s, int& value);
// The same rules for 64 bits.
qint64 strToInt64(const QString& s);
bool tryStrToInt64(const QString& s, qint64& value);

// Boolean text: "true"/"false" in any letter case, or a number (0 is false,
// any other number true). Anything else raises AppError("'<text>' is not a valid boolean value").
bool strToBool(const QString& s);
// The settings writer's form: "True" or "False".
QString boolToStr(bool b);

} // namespace zw
