#include "base/TextFile.h"

#include "base/AppError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>

namespace zw {

namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char encodeWindows1252Char(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *dst++ = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray encodeWindows1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    for (const QChar c : text)
        *dst++ = encodeWindows1252Char(c.unicode());
    return out;
}

bool fitsWindows1252(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c == QLatin1Char('?') || encodeWindows1252Char(c.unicode()) != '?'; });
}

QString decodeBytes(const QByteArray& bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        return decodeWindows1252(bytes);
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Utf16LE: {
        QStringDecoder dec(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        return dec.decode(bytes);
    }
    case TextEncoding::Utf16BE: {
        QStringDecoder dec(QStringConverter::Utf16BE, QStringConverter::Flag::Stateless);
        return dec.decode(bytes);
    }
    }
    return {};
}

QByteArray encodeText(const QString& text, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Windows1252:
        return encodeWindows1252(text);
    case TextEncoding::Utf8:
        return text.toUtf8();
    case TextEncoding::Utf16LE: {
        QStringEncoder enc(QStringConverter::Utf16LE, QStringConverter::Flag::Stateless);
        return enc.encode(text);
    }
    case TextEncoding::Utf16BE: {
        QStringEncoder enc(QStringConverter::Utf16BE, QStringConverter::Flag::Stateless);
        return enc.encode(text);
    }
    }
    return {};
}

QStringList splitLines(const QString& text) {
    QStringList lines;
    forEachLine(text, [&](QStringView line, QStringView) { lines.append(line.toString()); });
    return lines;
}

bool isValidUtf8(QByteArrayView bytes) {
    return bytes.isValidUtf8();
}

namespace {

// The encoding a byte-order mark names, and the mark's length (0: none).
TextEncoding markedEncoding(QByteArrayView bytes, TextEncoding fallback, qsizetype& markLength) {
    markLength = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        markLength = 3;
        return TextEncoding::Utf8;
    }
    if (bytes.startsWith("\xFF\xFE")) {
        markLength = 2;
        return TextEncoding::Utf16LE;
    }
    if (bytes.startsWith("\xFE\xFF")) {
        markLength = 2;
        return TextEncoding::Utf16BE;
    }
    return fallback;
}

} // namespace

DecodedText decodeText(const QByteArray& bytes, TextEncoding fallback) {
    DecodedText d;
    qsizetype mark = 0;
    d.encoding = markedEncoding(bytes, fallback, mark);
    d.byteOrderMark = mark > 0;
    const QByteArray content = mark ? bytes.mid(mark) : bytes;
    if (d.encoding == TextEncoding::Utf8 && !isValidUtf8(content)) {
        d.encoding = TextEncoding::Windows1252;
        d.byteOrderMark = false;
    }
    d.text = decodeBytes(content, d.encoding);
    return d;
}

TextDocument decodeTextFile(const QByteArray& bytes, TextEncoding fallback) {
    DecodedText d = decodeText(bytes, fallback);
    TextDocument doc;
    doc.encoding = d.encoding;
    doc.byteOrderMark = d.byteOrderMark;
    doc.lines = splitLines(d.text);
    return doc;
}

bool readFileBytes(const QString& path, QByteArray& bytes) {
    bytes.clear();
    if (path.isEmpty())
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool readTextFile(const QString& path, TextDocument& doc, TextEncoding fallback) {
    doc = TextDocument{};
    doc.encoding = fallback;
    QByteArray bytes;
    if (!readFileBytes(path, bytes))
        return false;
    doc = decodeTextFile(bytes, fallback);
    return true;
}

QByteArray encodeLines(const QStringList& lines, TextEncoding encoding, bool byteOrderMark) {
    QString text;
    qsizetype total = 0;
    for (const QString& l : lines)
        total += l.size() + 2;
    text.reserve(total);
    for (const QString& l : lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    QByteArray out;
    if (byteOrderMark) {
        switch (encoding) {
        case TextEncoding::Utf8:
            out = QByteArrayLiteral("\xEF\xBB\xBF");
            break;
        case TextEncoding::Utf16LE:
            out = QByteArrayLiteral("\xFF\xFE");
            break;
        case TextEncoding::Utf16BE:
            out = QByteArrayLiteral("\xFE\xFF");
            break;
        case TextEncoding::Windows1252:
            break;
        }
    }
    out += encodeText(text, encoding);
    return out;
}

bool replaceFileAtomically(const QString& path, const QByteArray& bytes, const std::function<bool()>& stillThere) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, f.errorString()));
    if (f.write(bytes) != bytes.size()) {
        const QString reason = f.errorString();
        f.cancelWriting();
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, reason));
    }
    if (stillThere && !stillThere()) {
        f.cancelWriting();
        f.commit(); // removes the temporary file
        return false;
    }
    if (!f.commit())
        throw AppError(QStringLiteral("Cannot write file \"%1\". %2").arg(path, f.errorString()));
    return true;
}

void writeFileAtomically(const QString& path, const QByteArray& bytes) {
    replaceFileAtomically(path, bytes, {});
}

void writeTextFile(const QString& path, const QStringList& lines, TextEncoding encoding, bool byteOrderMark) {
    writeFileAtomically(path, encodeLines(lines, encoding, byteOrderMark));
}

namespace {

// The bytes at the end of `bytes` that begin a UTF-8 character the piece does
// not complete; they go in front of the next piece.
qsizetype incompleteUtf8Tail(QByteArrayView bytes) {
    const qsizetype n = bytes.size();
    for (qsizetype k = 1; k <= 3 && k <= n; ++k) {
        const auto c = static_cast<unsigned char>(bytes[n - k]);
        if ((c & 0xC0) == 0x80)
            continue; // a continuation byte: its lead byte comes earlier
        const qsizetype length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        return length > k ? k : 0;
    }
    return 0;
}

class PieceReader {
public:
    explicit PieceReader(const QString& path) : m_file(path), m_path(path) {
        if (!m_file.open(QIODevice::ReadOnly))
            throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, m_file.errorString()));
    }
    QByteArray read() {
        QByteArray piece = m_file.read(kPiece);
        if (m_file.error() != QFileDevice::NoError)
            throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(m_path, m_file.errorString()));
        return piece;
    }
    bool atEnd() const { return m_file.atEnd(); }
    bool seekable() const { return !m_file.isSequential(); }
    void seek(qint64 position) {
        if (!m_file.seek(position))
            throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(m_path, m_file.errorString()));
    }

private:
    static constexpr qint64 kPiece = 1 << 20;
    QFile m_file;
    QString m_path;
};

// Whether `piece` and the rest of the file are valid UTF-8; reads to the end.
bool restIsValidUtf8(PieceReader& reader, QByteArray piece) {
    QByteArray carry;
    for (;;) {
        if (piece.isEmpty())
            return carry.isEmpty();
        const QByteArray chunk = carry + piece;
        const qsizetype hold = incompleteUtf8Tail(chunk);
        if (!isValidUtf8(QByteArrayView(chunk).first(chunk.size() - hold)))
            return false;
        carry = chunk.right(hold);
        piece = reader.read();
    }
}

} // namespace

void forEachTextLine(const QString& path, const std::function<void(QStringView)>& onLine) {
    PieceReader reader(path);
    QByteArray piece = reader.read();
    while (piece.size() < 3 && !reader.atEnd()) { // a pipe may deliver less; the mark needs three bytes
        const QByteArray more = reader.read();
        if (more.isEmpty())
            break;
        piece += more;
    }
    qsizetype mark = 0;
    TextEncoding encoding = markedEncoding(piece, TextEncoding::Windows1252, mark);
    piece.remove(0, mark);
    // The encoding must be known before the first line goes out (a pipe cannot be read twice).
    if (encoding == TextEncoding::Utf8 && reader.seekable()) {
        const qint64 afterPiece = mark + piece.size();
        if (!restIsValidUtf8(reader, piece))
            encoding = TextEncoding::Windows1252;
        reader.seek(afterPiece);
    }

    std::optional<QStringDecoder> decoder;
    if (encoding == TextEncoding::Utf8)
        decoder.emplace(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    else if (encoding != TextEncoding::Windows1252)
        decoder.emplace(encoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                        QStringConverter::Flag::Stateless);
    // Decoded as the whole file would be, but a character cut by a piece
    // boundary waits for the rest of its bytes.
    QByteArray carry;
    qint64 contentBytes = 0;
    auto decode = [&](const QByteArray& bytesOfPiece, bool last) -> QString {
        contentBytes += bytesOfPiece.size();
        if (!decoder)
            return decodeWindows1252(bytesOfPiece);
        const QByteArray bytes = carry + bytesOfPiece;
        const bool utf16 = encoding != TextEncoding::Utf8;
        // A lone byte at the end of a UTF-16 file is a replacement character,
        // unless it is all there is (as decoding the whole file gives).
        if (last && utf16 && bytes.size() == 1)
            return contentBytes > 1 ? QString(QChar::ReplacementCharacter) : QString();
        const qsizetype hold = last ? 0 : (utf16 ? bytes.size() % 2 : incompleteUtf8Tail(bytes));
        carry = bytes.right(hold);
        return decoder->decode(QByteArrayView(bytes).first(bytes.size() - hold));
    };
    auto deliver = [&](QStringView line, QStringView) { onLine(line); };

    QString pending;
    for (;;) {
        QByteArray next = reader.read();
        const bool last = next.isEmpty();
        const QString text = pending + decode(piece, last);
        const qsizetype taken = forEachLine(text, deliver, last ? LineInput::Whole : LineInput::Piece);
        if (last)
            return;
        pending = text.mid(taken);
        piece = std::move(next);
    }
}

} // namespace zw
