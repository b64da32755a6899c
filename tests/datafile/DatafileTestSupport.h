#pragma once

#include "datafile/ReadWriteFile.h"

#include <QLocale>
#include <QString>

#include <random>

namespace zw::test {

// Makes `locale` the program's locale for one test.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~ScopedLocale() { QLocale::setDefault(m_saved); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale m_saved;
};

// Strings mixing the characters the text form treats specially with arbitrary
// UTF-16 code units, lone surrogates included.
inline QString randomString(std::mt19937& rng) {
    static const char16_t special[] = {u';', u'{', u'}', u'"', u'%', u'\r', u'\n', 14, 15, u'&', u'<', u' ', 0xD800};
    std::uniform_int_distribution<int> length(0, 12);
    std::uniform_int_distribution<int> kind(0, 2);
    std::uniform_int_distribution<int> pick(0, int(std::size(special)) - 1);
    std::uniform_int_distribution<int> unit(1, 0xFFFF);
    QString s;
    for (int n = length(rng); n > 0; --n)
        s += QChar(kind(rng) == 0 ? special[pick(rng)] : char16_t(kind(rng) == 1 ? unit(rng) % 128 : unit(rng)));
    return s;
}

// One writing pass in memory; returns GetAsText.
template <typename Body> QString writtenText(ReadwriteTyp rwt, Body body) {
    TReadWriteFile f(doGetAsString, QString(), rwt, QStringLiteral("<?xml version=\"1.0\"?>"));
    body(f);
    QString text = f.GetAsText();
    f.Destroy();
    return text;
}

// One reading pass over file bytes held in memory.
template <typename Body> void readBytes(const QByteArray& bytes, ReadwriteTyp rwt, Body body) {
    TReadWriteFile f(bytes, rwt);
    body(f);
    f.Destroy();
}

} // namespace zw::test
