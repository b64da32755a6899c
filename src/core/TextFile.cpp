#include "core/TextFile.h"

#include "core/AppError.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>

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
    const qsizetype n = text.size();
    const QChar* p = text.constData();
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = p[i].unicode();
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && p[i + 1].unicode() == u'\n')
                ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

TextDocument decodeTextFile(const QByteArray& bytes, TextEncoding fallback) {
    TextDocument doc;
    doc.encoding = fallback;
    qsizetype skip = 0;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        doc.encoding = TextEncoding::Utf8;
        skip = 3;
    } else if (bytes.startsWith("\xFF\xFE")) {
        doc.encoding = TextEncoding::Utf16LE;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        doc.encoding = TextEncoding::Utf16BE;
        skip = 2;
    }
    doc.byteOrderMark = skip > 0;
    doc.lines = splitLines(decodeBytes(skip ? bytes.mid(skip) : bytes, doc.encoding));
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

} // namespace zw
