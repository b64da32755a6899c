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

QChar windows1252Char(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
}

char encodeWindows1252Char(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == c)
            return char(0x80 + i);
    return '?';
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (const char ch : bytes)
        *dst++ = windows1252Char(ch);
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

QString decodeBytes(QByteArrayView bytes, TextEncoding encoding) {
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
    const QByteArrayView content = QByteArrayView(bytes).sliced(mark);
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
    // Appends the next piece to `bytes` (whose capacity is reused); 0 at the end.
    qint64 readInto(QByteArray& bytes) {
        const qsizetype old = bytes.size();
        bytes.resize(old + kPiece);
        const qint64 n = m_file.read(bytes.data() + old, kPiece);
        bytes.resize(old + std::max<qint64>(n, 0));
        if (n < 0 || m_file.error() != QFileDevice::NoError)
            throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(m_path, m_file.errorString()));
        return n;
    }
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

// Whether `bytes` and the rest of the file are valid UTF-8; reads to the end.
bool restIsValidUtf8(PieceReader& reader, QByteArray bytes) {
    for (;;) {
        const qsizetype hold = incompleteUtf8Tail(bytes);
        if (!isValidUtf8(QByteArrayView(bytes).first(bytes.size() - hold)))
            return false;
        bytes.remove(0, bytes.size() - hold);
        if (reader.readInto(bytes) == 0)
            return bytes.isEmpty();
    }
}

// Decodes a file piece by piece as decodeBytes decodes it whole: a character
// cut by a piece boundary waits in `bytes` for the rest of its bytes.
class PieceDecoder {
public:
    explicit PieceDecoder(TextEncoding encoding) : m_encoding(encoding) {
        if (encoding == TextEncoding::Utf8)
            m_decoder.emplace(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        else if (encoding != TextEncoding::Windows1252)
            m_decoder.emplace(encoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                              QStringConverter::Flag::Stateless);
    }

    // Appends the text of `bytes` to `text` and leaves in `bytes` what belongs to the next piece.
    void decode(QByteArray& bytes, bool last, QString& text) {
        const qsizetype old = text.size();
        if (!m_decoder) {
            text.resize(old + bytes.size());
            QChar* out = text.data() + old;
            for (const char c : std::as_const(bytes))
                *out++ = windows1252Char(c);
            bytes.resize(0);
            return;
        }
        m_contentBytes += bytes.size() - m_held;
        const bool utf16 = m_encoding != TextEncoding::Utf8;
        // A lone byte at the end of a UTF-16 file is a replacement character,
        // unless it is all there is.
        if (last && utf16 && bytes.size() == 1) {
            if (m_contentBytes > 1)
                text.append(QChar::ReplacementCharacter);
            bytes.resize(0);
            return;
        }
        const qsizetype hold = last ? 0 : (utf16 ? bytes.size() % 2 : incompleteUtf8Tail(bytes));
        const QByteArrayView now = QByteArrayView(bytes).first(bytes.size() - hold);
        text.resize(old + m_decoder->requiredSpace(now.size()));
        const QChar* end = m_decoder->appendToBuffer(text.data() + old, now);
        text.resize(end - text.constData());
        bytes.remove(0, now.size());
        m_held = hold;
    }

private:
    TextEncoding m_encoding;
    std::optional<QStringDecoder> m_decoder;
    qint64 m_contentBytes = 0;
    qsizetype m_held = 0; // bytes of `bytes` already counted
};

} // namespace

void forEachTextLine(const QString& path, const std::function<void(QStringView)>& onLine) {
    PieceReader reader(path);
    QByteArray bytes;
    while (bytes.size() < 3 && reader.readInto(bytes) > 0) {
        // a pipe may deliver less; the mark needs three bytes
    }
    qsizetype mark = 0;
    TextEncoding encoding = markedEncoding(bytes, TextEncoding::Windows1252, mark);
    bytes.remove(0, mark);
    // The encoding must be known before the first line goes out (a pipe cannot be read twice).
    if (encoding == TextEncoding::Utf8 && reader.seekable()) {
        const qint64 afterBytes = mark + bytes.size();
        if (!restIsValidUtf8(reader, bytes))
            encoding = TextEncoding::Windows1252;
        reader.seek(afterBytes);
    }

    PieceDecoder decoder(encoding);
    auto deliver = [&](QStringView line, QStringView) { onLine(line); };
    // Two buffers, reused: the bytes read ahead, and the text from the start of the unfinished line.
    QByteArray next;
    QString text;
    for (;;) {
        next.resize(0);
        const bool last = reader.readInto(next) == 0;
        decoder.decode(bytes, last, text);
        const qsizetype taken = forEachLine(text, deliver, last ? LineInput::Whole : LineInput::Piece);
        if (last)
            return;
        text.remove(0, taken);
        bytes.append(next);
    }
}

} // namespace zw
