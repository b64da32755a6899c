#include "core/EanList.h"

#include "base/AppError.h"
#include "base/Convert.h"
#include "base/TextFile.h"

namespace zw {

namespace {

const QString kNoNumber = QStringLiteral("00-00-000-000");
const QString kNoIndex = QStringLiteral("00");

QString orDefault(QStringView value, const QString& fallback) {
    return trimControl(value).isEmpty() ? fallback : value.toString();
}

QString trimmedCut(QStringView value, qsizetype length) {
    return cutToLength(trimControl(value.toString()), length);
}

// Sets `target` and reports whether it changed.
bool assign(QString& target, QString value) {
    if (target == value)
        return false;
    target = std::move(value);
    return true;
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
        changed |= assign(*languages[i], trimmedCut(f[std::size_t(i) + 9], 72));
    return changed;
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
