#include "core/IniFile.h"

#include "base/AppError.h"
#include "base/Convert.h"

#include <QFileInfo>

namespace zw {

namespace {

bool isSectionLine(const QString& line, QString* name) {
    const QStringView t = trimControl(QStringView(line));
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    if (name) {
        const qsizetype close = t.indexOf(QLatin1Char(']'));
        *name = trimControl(close < 0 ? t.sliced(1) : t.sliced(1, close - 1)).toString();
    }
    return true;
}

bool isEntryLine(const QString& line, QString* key, QString* value) {
    const QStringView t = trimControl(QStringView(line));
    if (t.isEmpty() || t.startsWith(QLatin1Char(';')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    if (key)
        *key = trimControl(t.first(eq)).toString();
    if (value)
        *value = trimControl(t.sliced(eq + 1)).toString();
    return true;
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index range [begin, end) of the body of the first section named `section`;
// begin is the header's index + 1. Returns false when there is no such section.
template <typename Lines> bool findSection(const Lines& lines, const QString& section, int& header, int& end) {
    QString name;
    for (int i = 0; i < lines.size(); ++i) {
        if (isSectionLine(lines[i].text, &name) && sameName(name, section)) {
            header = i;
            end = i + 1;
            while (end < lines.size() && !isSectionLine(lines[end].text, nullptr))
                ++end;
            return true;
        }
    }
    return false;
}

} // namespace

bool IniFile::exists() const {
    return !m_path.isEmpty() && QFileInfo(m_path).isFile();
}

bool IniFile::load(Content& c) const {
    c = Content{};
    QByteArray bytes;
    if (!readFileBytes(m_path, bytes))
        return false;
    // Linux editors write UTF-8 without a mark; valid UTF-8 is read as such.
    const DecodedText d = decodeText(bytes, TextEncoding::Utf8);
    c.byteOrderMark = d.byteOrderMark;
    // A file without a mark is written in the code page (unless a value needs more).
    c.encoding = d.byteOrderMark ? d.encoding : TextEncoding::Windows1252;
    forEachLine(d.text, [&](QStringView line, QStringView ending) {
        c.lines.append({line.toString(), ending.toString()});
    });
    return true;
}

void IniFile::save(const Content& c) const {
    QString text;
    for (const Line& l : c.lines) {
        text += l.text;
        text += l.ending;
    }
    TextEncoding encoding = c.encoding;
    bool byteOrderMark = c.byteOrderMark;
    // The code page cannot hold every value (a folder named "Łódź"); rather
    // than storing "?" the file turns UTF-8 with a mark, which reading detects.
    if (encoding == TextEncoding::Windows1252 && !fitsWindows1252(text)) {
        encoding = TextEncoding::Utf8;
        byteOrderMark = true;
    }
    QByteArray bytes;
    if (byteOrderMark)
        bytes = encodeLines({}, encoding, true);
    bytes += encodeText(text, encoding);
    writeFileAtomically(m_path, bytes);
}

QString IniFile::readString(const QString& section, const QString& key, const QString& defaultValue) const {
    Content c;
    if (!load(c))
        return defaultValue;
    int header = 0, end = 0;
    if (!findSection(c.lines, section, header, end))
        return defaultValue;
    QString k, v;
    for (int i = header + 1; i < end; ++i)
        if (isEntryLine(c.lines[i].text, &k, &v) && sameName(k, key))
            return v;
    return defaultValue;
}

int IniFile::readInteger(const QString& section, const QString& key, int defaultValue) const {
    return strToIntDef(readString(section, key, QString()), defaultValue);
}

bool IniFile::readBool(const QString& section, const QString& key, bool defaultValue) const {
    return strToBool(readString(section, key, boolToStr(defaultValue)));
}

QStringList IniFile::readSectionValues(const QString& section) const {
    QStringList out;
    Content c;
    if (!load(c))
        return out;
    int header = 0, end = 0;
    if (!findSection(c.lines, section, header, end))
        return out;
    QString k, v;
    for (int i = header + 1; i < end; ++i)
        if (isEntryLine(c.lines[i].text, &k, &v))
            out.append(k + QLatin1Char('=') + v);
    return out;
}

bool IniFile::sectionExists(const QString& section) const {
    Content c;
    int header = 0, end = 0;
    return load(c) && findSection(c.lines, section, header, end);
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    if (m_path.isEmpty())
        return;
    Content c;
    // Writing on after a failed read would replace the file with this one key.
    if (!load(c) && exists())
        throw AppError(QStringLiteral("Cannot open file \"%1\".").arg(m_path));
    const QString entry = key + QLatin1Char('=') + lineBreaksToBlanks(value);
    const QString crlf = QStringLiteral("\r\n");
    auto terminateLast = [&] {
        if (!c.lines.isEmpty() && c.lines.last().ending.isEmpty())
            c.lines.last().ending = crlf;
    };
    int header = 0, end = 0;
    if (!findSection(c.lines, section, header, end)) {
        terminateLast();
        c.lines.append({QLatin1Char('[') + section + QLatin1Char(']'), crlf});
        c.lines.append({entry, crlf});
        save(c);
        return;
    }
    QString k;
    for (int i = header + 1; i < end; ++i) {
        if (isEntryLine(c.lines[i].text, &k, nullptr) && sameName(k, key)) {
            if (c.lines[i].text == entry)
                return;
            c.lines[i].text = entry;
            save(c);
            return;
        }
    }
    // New key: after the section's last non-blank line, before blank lines that
    // separate it from the next section.
    int insertAt = end;
    while (insertAt > header + 1 && trimControl(QStringView(c.lines[insertAt - 1].text)).isEmpty())
        --insertAt;
    if (c.lines[insertAt - 1].ending.isEmpty())
        c.lines[insertAt - 1].ending = crlf;
    c.lines.insert(insertAt, {entry, crlf});
    save(c);
}

void IniFile::writeInteger(const QString& section, const QString& key, int value) {
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString& section, const QString& key, bool value) {
    writeString(section, key, boolToStr(value));
}

void IniFile::eraseSection(const QString& section) {
    Content c;
    if (m_path.isEmpty() || !load(c))
        return;
    int header = 0, end = 0;
    bool changed = false;
    while (findSection(c.lines, section, header, end)) {
        c.lines.remove(header, end - header);
        changed = true;
    }
    if (changed)
        save(c);
}

} // namespace zw
