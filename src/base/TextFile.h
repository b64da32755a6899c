#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

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
QString decodeWindows1252(QByteArrayView bytes);
QByteArray encodeWindows1252(const QString& text);
// Whether encodeWindows1252 keeps every character of `text`.
bool fitsWindows1252(const QString& text);

QString decodeBytes(QByteArrayView bytes, TextEncoding encoding);
QByteArray encodeText(const QString& text, TextEncoding encoding);

enum class LineInput {
    Whole, // the whole text: its last line may lack a line end
    Piece  // a piece of a longer text: what follows the last line end waits for the next piece
};

// The one line rule of every file we read: a line ends at CR LF, LF or CR, and
// a line end at the very end starts no further line. Calls onLine(line, ending)
// for each line, `ending` being "\r\n", "\n", "\r" or empty (a last line without
// one). Returns the number of characters taken; for a Piece the rest (and a CR
// at its very end, whose LF may follow) belongs in front of the next piece.
template <typename OnLine>
qsizetype forEachLine(QStringView text, OnLine&& onLine, LineInput input = LineInput::Whole) {
    const qsizetype n = text.size();
    const QChar* p = text.data();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = p[i].unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        qsizetype endLength = 1;
        if (c == u'\r') {
            if (i + 1 == n && input == LineInput::Piece)
                return start;
            if (i + 1 < n && p[i + 1].unicode() == u'\n')
                endLength = 2;
        }
        onLine(text.sliced(start, i - start), text.sliced(i, endLength));
        i += endLength - 1;
        start = i + 1;
    }
    if (input == LineInput::Piece)
        return start;
    if (start < n)
        onLine(text.sliced(start), QStringView());
    return n;
}

// The lines of `text` by the rule above.
QStringList splitLines(const QString& text);

// Whether `bytes` are well-formed UTF-8 (a character cut off at the end is not).
bool isValidUtf8(QByteArrayView bytes);

struct DecodedText {
    QString text;
    TextEncoding encoding = TextEncoding::Windows1252;
    bool byteOrderMark = false;
};
// Detects a byte-order mark (UTF-8, UTF-16 LE/BE); without one the bytes are
// decoded as `fallback`. UTF-8, marked or as the fallback, holds only for bytes
// that are valid UTF-8: others were written in the code page by an older tool
// (decoding them as UTF-8 would turn their umlauts into replacement characters,
// and the next write would make that permanent), so they are read as
// Windows-1252 without a mark. The mark itself is not part of the text.
DecodedText decodeText(const QByteArray& bytes, TextEncoding fallback = TextEncoding::Windows1252);
// decodeText split into lines.
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

// Calls `onLine` for every line of a text file, in file order, as
// decodeTextFile with the code page as fallback would give them. The file is
// read in pieces, so a file of any size needs memory only for its longest line.
// Raises AppError when the file cannot be opened or read.
void forEachTextLine(const QString& path, const std::function<void(QStringView)>& onLine);

} // namespace zw
