#include "core/EanList.h"

#include "core/AppError.h"
#include "core/Convert.h"
#include "core/TextFile.h"

#include <QFile>
#include <QStringDecoder>

namespace zw {

namespace {

const QString kNoNumber = QStringLiteral("00-00-000-000");
const QString kNoIndex = QStringLiteral("00");

QString orDefault(QStringView value, const QString& fallback) {
    return trimControl(value.toString()).isEmpty() ? fallback : value.toString();
}

QString trimmedCut(QStringView value, qsizetype length) {
    return trimControl(value.toString()).left(length);
}

// Sets `target` and reports whether it changed.
bool assign(QString& target, QString value) {
    if (target == value)
        return false;
    target = std::move(value);
    return true;
}

// The text of one line's bytes. Lines are cut at the bytes (or UTF-16 units)
// of CR and LF, which never occur inside a character, so decoding line by line
// gives what decoding the whole file gives.
QString decodeLine(QByteArrayView bytes, TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf8:
        return QString::fromUtf8(bytes);
    case TextEncoding::Windows1252:
        return decodeWindows1252(QByteArray::fromRawData(bytes.data(), bytes.size()));
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE: {
        QStringDecoder decoder(encoding == TextEncoding::Utf16LE ? QStringConverter::Utf16LE
                                                                 : QStringConverter::Utf16BE,
                               QStringConverter::Flag::Stateless);
        return decoder.decode(bytes);
    }
    }
    return {};
}

// The code of the unit at `at`: a byte, or a UTF-16 unit in the file's byte order.
char16_t unitAt(const char* p, TextEncoding encoding) {
    const auto b0 = static_cast<unsigned char>(p[0]);
    switch (encoding) {
    case TextEncoding::Utf16LE:
        return char16_t(b0 | (static_cast<unsigned char>(p[1]) << 8));
    case TextEncoding::Utf16BE:
        return char16_t((b0 << 8) | static_cast<unsigned char>(p[1]));
    default:
        return b0;
    }
}

} // namespace

EanLineFields splitEanLine(QStringView line) {
    EanLineFields f;
    QStringView rest = line;
    for (int i = 0; i < EanLineFields::Count - 1; ++i) {
        const qsizetype at = rest.indexOf(QLatin1Char('@'));
        if (at < 0)
            continue; // empty, nothing removed
        f.field[std::size_t(i)] = rest.first(at);
        rest = rest.sliced(at + 1);
    }
    const qsizetype at = rest.indexOf(QLatin1Char('@'));
    f.field[EanLineFields::Count - 1] = at < 0 ? rest : rest.first(at);
    return f;
}

QStringView eanLineKey(QStringView line) {
    const qsizetype at = line.indexOf(QLatin1Char('@'));
    return at < 0 ? QStringView() : line.first(at);
}

bool applyEanLine(TArtikel& a, QStringView line) {
    const EanLineFields l = splitEanLine(line);
    const auto& f = l.field;
    bool changed = false;
    changed |= assign(a.Benennung, trimmedCut(f[1], 40));
    changed |= assign(a.EAN, f[2].toString());
    changed |= assign(a.ZeichnNr, orDefault(f[3], kNoNumber));
    changed |= assign(a.IndexZNr, orDefault(f[4], kNoIndex));
    changed |= assign(a.MQSNr, orDefault(f[5], kNoNumber));
    changed |= assign(a.IndexMQS, orDefault(f[6], kNoIndex));
    changed |= assign(a.KSTNr, orDefault(f[7], kNoNumber));
    changed |= assign(a.IndexKST, orDefault(f[8], kNoIndex));
    QString* languages[] = {&a.Sprache_1, &a.Sprache_2, &a.Sprache_3, &a.Sprache_4, &a.Sprache_5, &a.Sprache_6};
    for (int i = 0; i < 6; ++i)
        changed |= assign(*languages[i], trimmedCut(f[std::size_t(9 + i)], 72));
    return changed;
}

void forEachTextLine(const QString& path, const std::function<void(QStringView)>& onLine) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    constexpr qint64 kPiece = 1 << 20;
    auto readPiece = [&] {
        QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError)
            throw AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
        return piece;
    };

    QByteArray buffer = readPiece();
    while (buffer.size() < 3 && !file.atEnd()) { // a pipe may deliver less; the mark needs three bytes
        const QByteArray more = readPiece();
        if (more.isEmpty())
            break;
        buffer += more;
    }
    const TextDocument probe = decodeTextFile(buffer.left(3));
    const TextEncoding encoding = probe.encoding;
    const qsizetype unit = encoding == TextEncoding::Utf16LE || encoding == TextEncoding::Utf16BE ? 2 : 1;
    buffer.remove(0, !probe.byteOrderMark ? 0 : (encoding == TextEncoding::Utf8 ? 3 : 2));
    qint64 contentBytes = buffer.size();

    qsizetype scanned = 0; // buffer[0, scanned) holds no line end
    bool afterCr = false;  // the last line ended with CR: an LF right after it belongs to it
    for (bool atEnd = false; !atEnd;) {
        const qsizetype n = buffer.size() - buffer.size() % unit;
        const char* p = buffer.constData();
        qsizetype lineStart = 0;
        qsizetype i = scanned;
        if (afterCr && i < n) {
            if (unitAt(p + i, encoding) == u'\n')
                lineStart = i += unit;
            afterCr = false;
        }
        for (; i < n; i += unit) {
            const char16_t c = unitAt(p + i, encoding);
            if (c != u'\r' && c != u'\n')
                continue;
            const QString line = decodeLine(QByteArrayView(p + lineStart, i - lineStart), encoding);
            onLine(line);
            if (c == u'\r') {
                if (i + unit < n) {
                    if (unitAt(p + i + unit, encoding) == u'\n')
                        i += unit;
                } else {
                    afterCr = true;
                }
            }
            lineStart = i + unit;
        }
        buffer.remove(0, lineStart);
        scanned = buffer.size() - buffer.size() % unit;
        const QByteArray piece = readPiece();
        atEnd = piece.isEmpty();
        contentBytes += piece.size();
        buffer += piece;
    }
    if (buffer.isEmpty())
        return;
    QString last = decodeLine(buffer, encoding);
    // Decoding a whole UTF-16 file turns a lone byte at its end into a
    // replacement character, unless that byte is all there is.
    if (unit == 2 && buffer.size() == 1 && contentBytes > 1)
        last = QString(QChar::ReplacementCharacter);
    if (!last.isEmpty())
        onLine(last);
}

EanMatcher::EanMatcher(const TArtikelListe& articles) {
    for (int i = 0; i < articles.Count(); ++i) {
        const QString& nr = articles.Artikel(i).MaterialNr;
        if (takesPart(nr))
            m_lastLine.insert(nr, QString());
    }
}

void EanMatcher::addLine(QStringView line) {
    if (m_lastLine.isEmpty())
        return;
    const QStringView key = eanLineKey(line);
    for (const qsizetype length : {7, 10}) {
        if (key.size() < length)
            break; // a shorter key is compared whole and cannot equal a number of this length
        const QStringView suffix = key.last(length);
        m_probe.setUnicode(suffix.data(), suffix.size()); // reuses the probe's buffer
        const auto it = m_lastLine.find(m_probe);
        if (it != m_lastLine.end())
            *it = line.toString(); // never empty: a matching line holds its key and an "@"
    }
}

const QString* EanMatcher::lineFor(const QString& materialNr) const {
    if (!takesPart(materialNr))
        return nullptr;
    const auto it = m_lastLine.constFind(materialNr);
    return it == m_lastLine.constEnd() || it->isEmpty() ? nullptr : &*it;
}

} // namespace zw
