#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace zw {

// Windows-1252 is the "8-bit system code page" of the installations whose files we read.
enum class TextEncoding { Windows1252, Utf8, Utf16LE, Utf16BE };

struct TextDocument {
    QStringList lines;
    TextEncoding encoding = TextEncoding::Windows1252;
    bool byteOrderMark = false;
};

// Windows-1252 both ways. The five bytes the code page leaves undefined map to
// U+0081 etc. and back, so any byte sequence survives a round trip; characters
// the code page lacks are written as "?".
QString decodeWindows1252(const QByteArray& bytes);
QByteArray encodeWindows1252(const QString& text);
// Whether encodeWindows1252 keeps every character of `text`.
bool fitsWindows1252(const QString& text);

QString decodeBytes(const QByteArray& bytes, TextEncoding encoding);
QByteArray encodeText(const QString& text, TextEncoding encoding);

// Splits at CR LF, LF or CR. A line end at the very end does not start another line.
QStringList splitLines(const QString& text);

// Detects a byte-order mark (UTF-8, UTF-16 LE/BE); without one the bytes are
// decoded as `fallback`. The mark itself is not part of the first line.
TextDocument decodeTextFile(const QByteArray& bytes, TextEncoding fallback = TextEncoding::Windows1252);

// Reads a text file as lines. Returns false (and leaves `doc` empty) when the
// file is missing or cannot be read.
bool readTextFile(const QString& path, TextDocument& doc, TextEncoding fallback = TextEncoding::Windows1252);
// Reads the raw bytes; false when the file is missing or cannot be read.
bool readFileBytes(const QString& path, QByteArray& bytes);

// Every line followed by CR LF, optionally preceded by the encoding's mark.
QByteArray encodeLines(const QStringList& lines, TextEncoding encoding, bool byteOrderMark);

// Replaces the file's content atomically: the bytes go into a temporary file in
// the same folder, which is renamed over the target only when complete. A failure
// raises AppError and leaves the previous file untouched.
void writeFileAtomically(const QString& path, const QByteArray& bytes);
// The same for a file that may only be replaced, never created: `stillThere`
// is asked once the bytes are written, right before the rename. When it answers
// false the temporary file is dropped and nothing is written (false returned).
bool replaceFileAtomically(const QString& path, const QByteArray& bytes, const std::function<bool()>& stillThere);
void writeTextFile(const QString& path, const QStringList& lines, TextEncoding encoding, bool byteOrderMark);

} // namespace zw
