#include "core/EanList.h"

#include "core/AppError.h"
#include "core/Convert.h"
#include "core/TextFile.h"

#include <QFile>
#include <QStringDecoder>

#include <optional>

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

// Decodes pieces of a file in the encoding its first bytes announce.
class PieceDecoder {
public:
    // `head` holds at least the first three bytes of the file (fewer only for a shorter file).
    qsizetype start(const QByteArray& head) {
        const TextDocument probe = decodeTextFile(head.left(3));
        m_encoding = probe.encoding;
        switch (m_encoding) {
        case TextEncoding::Utf8:
            m_decoder.emplace(QStringConverter::Utf8);
            break;
        case TextEncoding::Utf16LE:
            m_decoder.emplace(QStringConverter::Utf16LE);
            break;
        case TextEncoding::Utf16BE:
            m_decoder.emplace(QStringConverter::Utf16BE);
            break;
        case TextEncoding::Windows1252:
            break;
        }
        return !probe.byteOrderMark ? 0 : (m_encoding == TextEncoding::Utf8 ? 3 : 2);
    }

    // Keeps the state of a character split between two pieces.
    void append(const QByteArray& piece, qsizetype skip, QString& out) {
        if (m_decoder)
            out += m_decoder->decode(QByteArrayView(piece).sliced(skip));
        else
            out += decodeWindows1252(skip ? piece.mid(skip) : piece);
    }

private:
    TextEncoding m_encoding = TextEncoding::Windows1252;
    std::optional<QStringDecoder> m_decoder;
};

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
    auto readFailed = [&] {
        return AppError(QStringLiteral("Cannot read file \"%1\". %2").arg(path, file.errorString()));
    };

    constexpr qint64 kPiece = 1 << 20;
    QByteArray piece = file.read(kPiece);
    while (piece.size() < 3 && !file.atEnd()) { // a pipe may deliver less; the mark needs three bytes
        const QByteArray more = file.read(kPiece);
        if (more.isEmpty())
            break;
        piece += more;
    }
    if (file.error() != QFileDevice::NoError)
        throw readFailed();

    PieceDecoder decoder;
    qsizetype skip = decoder.start(piece);
    QString buffer;        // undelivered text: the start of a line whose end has not been read yet
    qsizetype scanned = 0; // buffer[0, scanned) holds no line end
    bool afterCr = false;  // the last line ended with CR: an LF right after it belongs to it
    while (!piece.isEmpty()) {
        decoder.append(piece, skip, buffer);
        skip = 0;
        const qsizetype n = buffer.size();
        const QChar* p = buffer.constData();
        qsizetype lineStart = 0;
        qsizetype i = scanned;
        if (afterCr && i < n) {
            if (p[i] == QLatin1Char('\n'))
                lineStart = ++i;
            afterCr = false;
        }
        for (; i < n; ++i) {
            const char16_t c = p[i].unicode();
            if (c != u'\r' && c != u'\n')
                continue;
            onLine(QStringView(p + lineStart, i - lineStart));
            if (c == u'\r') {
                if (i + 1 < n) {
                    if (p[i + 1] == QLatin1Char('\n'))
                        ++i;
                } else {
                    afterCr = true;
                }
            }
            lineStart = i + 1;
        }
        buffer.remove(0, lineStart);
        scanned = buffer.size();
        piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError)
            throw readFailed();
    }
    if (!buffer.isEmpty())
        onLine(buffer);
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
