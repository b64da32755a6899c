#pragma once

// The merge of the EAN list exactly as the rule reads: every article against
// every line, field by field cut from the front of a copy of the line. Slow on
// purpose; the tests and the benchmark compare the real merge with it.

#include "base/Convert.h"
#include "core/Artikel.h"

#include <QStringList>

namespace zw::test {

// Takes the text before the next "@" and removes it with the "@"; empty and
// nothing removed when the line has no "@" left.
inline QString referenceTakeField(QString& rest) {
    const qsizetype at = rest.indexOf(QLatin1Char('@'));
    if (at < 0)
        return QString();
    QString field = rest.left(at);
    rest.remove(0, at + 1);
    return field;
}

inline void referenceApplyLine(TArtikel& a, const QString& line) {
    QString rest = line;
    QStringList f;
    for (int i = 1; i <= 14; ++i)
        f.append(referenceTakeField(rest));
    const qsizetype at = rest.indexOf(QLatin1Char('@'));
    f.append(at < 0 ? rest : rest.left(at));

    auto blank = [](const QString& s) { return trimControl(s).isEmpty(); };
    a.Benennung = trimControl(f[1]).left(40);
    a.EAN = f[2];
    a.ZeichnNr = blank(f[3]) ? QStringLiteral("00-00-000-000") : f[3];
    a.IndexZNr = blank(f[4]) ? QStringLiteral("00") : f[4];
    a.MQSNr = blank(f[5]) ? QStringLiteral("00-00-000-000") : f[5];
    a.IndexMQS = blank(f[6]) ? QStringLiteral("00") : f[6];
    a.KSTNr = blank(f[7]) ? QStringLiteral("00-00-000-000") : f[7];
    a.IndexKST = blank(f[8]) ? QStringLiteral("00") : f[8];
    a.Sprache_1 = trimControl(f[9]).left(72);
    a.Sprache_2 = trimControl(f[10]).left(72);
    a.Sprache_3 = trimControl(f[11]).left(72);
    a.Sprache_4 = trimControl(f[12]).left(72);
    a.Sprache_5 = trimControl(f[13]).left(72);
    a.Sprache_6 = trimControl(f[14]).left(72);
}

inline void referenceMerge(TArtikelListe& articles, const QStringList& lines) {
    for (int i = 0; i < articles.Count(); ++i) {
        TArtikel& a = articles.Artikel(i);
        const qsizetype n = a.MaterialNr.size();
        if (n != 7 && n != 10)
            continue;
        for (const QString& line : lines) {
            const qsizetype at = line.indexOf(QLatin1Char('@'));
            const QString key = at < 0 ? QString() : line.left(at);
            if (key.right(n) == a.MaterialNr)
                referenceApplyLine(a, line);
        }
    }
}

} // namespace zw::test
