#pragma once

#include "base/TextFile.h"

#include <QString>
#include <QStringList>

namespace zw {

// Key-by-key access to a settings file such as Barcode.ini. Every call opens the
// file, reads or writes, and closes it again. A write changes or appends only
// the key written; every other line keeps its bytes and its line end (unless a
// value needs characters beyond Windows-1252: then the file is rewritten as UTF-8
// with a mark, every line keeping its text). A file without a mark is read as
// UTF-8 when it is valid UTF-8, else in the code page, and written in the code
// page (each line keeping its text). Section and key names compare without
// regard to letter case; names and values are trimmed of codes up to 32.
// An empty path stands for "no file": reads yield the defaults, writes do nothing.
class IniFile {
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    bool exists() const;

    QString readString(const QString& section, const QString& key, const QString& defaultValue) const;
    // The integer value, or `defaultValue` when the key is missing or not an integer.
    int readInteger(const QString& section, const QString& key, int defaultValue) const;
    // Boolean text ("true"/"false" in any case, or a number); other text raises AppError.
    bool readBool(const QString& section, const QString& key, bool defaultValue) const;
    // The section's entries as "key=value" lines in file order (trimmed around "=").
    QStringList readSectionValues(const QString& section) const;
    bool sectionExists(const QString& section) const;

    // Raise AppError when the file cannot be read or written; the previous file then stays intact.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeInteger(const QString& section, const QString& key, int value);
    void writeBool(const QString& section, const QString& key, bool value);
    void eraseSection(const QString& section);

private:
    struct Line {
        QString text;   // without its line end
        QString ending; // "\r\n", "\n", "\r" or "" for a last line without one
    };
    struct Content {
        QList<Line> lines;
        TextEncoding encoding = TextEncoding::Windows1252;
        bool byteOrderMark = false;
    };
    bool load(Content& c) const;
    void save(const Content& c) const;

    QString m_path;
};

} // namespace zw
