#pragma once

// Generated article data and the measuring helpers of the article benchmarks.

#include "core/Artikel.h"

#include <QElapsedTimer>
#include <QFile>
#include <QString>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace zw::bench {

// A filled article as the editor and the merge leave it; `n` makes the
// material number and the texts that differ from article to article.
inline TArtikel sampleArticle(int n, int digits = 7) {
    TArtikel a;
    a.MaterialNr = QString::number(n).rightJustified(digits, QLatin1Char('0'));
    a.Benennung = QStringLiteral("Sechskantschraube M8x%1 verzinkt").arg(n % 977);
    a.EAN = QStringLiteral("400638%1").arg(n % 10000000, 7, 10, QLatin1Char('0'));
    a.ZeichnNr =
        n % 3
            ? QStringLiteral("12-34-%1-%2").arg(n % 1000, 3, 10, QLatin1Char('0')).arg(n % 997, 3, 10, QLatin1Char('0'))
            : QStringLiteral("00-00-000-000");
    a.IndexZNr = QStringLiteral("0%1").arg(n % 4);
    a.MQSNr = QStringLiteral("00-00-000-000");
    a.IndexMQS = QStringLiteral("00");
    a.KSTNr = QStringLiteral("00-00-000-000");
    a.IndexKST = QStringLiteral("00");
    a.Sprache_1 = QStringLiteral("Sechskantschraube M8x%1").arg(n);
    a.Sprache_2 = QStringLiteral("Hexagon head bolt M8x%1").arg(n);
    a.Sprache_3 = QStringLiteral("Vis à tête hexagonale M8x%1").arg(n);
    a.Sprache_4 = QStringLiteral("Tornillo hexagonal M8x%1").arg(n);
    a.Sprache_5 = QStringLiteral("Болт с шестигранной головкой M8x%1").arg(n);
    a.Kelblagerplatz = QStringLiteral("H3-R%1").arg(n % 40);
    a.Stueckzahl = QString::number(25 + n % 100);
    a.Einheit = n % 5 ? QStringLiteral("Stk") : QStringLiteral("kg");
    a.Lieferantenfeld = n % 7 ? QString() : QStringLiteral("Charge %1").arg(n % 50);
    a.Pruefung100 = n % 11 ? QStringLiteral("false") : QStringLiteral("true");
    a.SSymbol = n % 17 ? QStringLiteral("false") : QStringLiteral("true");
    return a;
}

// A line of the EAN list for material number `nr`, its key padded to 18 characters.
inline QString sampleEanLine(const QString& nr, int variant) {
    return nr.rightJustified(18, QLatin1Char('0')) +
           QStringLiteral("@  Sechskantschraube M8x40 Ausfuehrung %1  @40063813%2@12-34-567-890@0%3@@  @"
                          "00-00-000-000@00@Sechskantschraube@Hexagon head bolt@Vis@Tornillo@Болт@Skruv")
               .arg(variant)
               .arg(variant % 100000, 5, 10, QLatin1Char('0'))
               .arg(variant % 10);
}

// Runs `f` `runs` times; the fastest and the median wall-clock time and the
// fastest processor time of this process, in milliseconds. On a busy machine the
// processor time shows the cost better than the wall clock.
struct Timing {
    double best = 0;
    double median = 0;
    double bestCpu = 0;
};
inline double cpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}
inline Timing measure(int runs, const std::function<void()>& f) {
    std::vector<double> ms;
    double bestCpu = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        const double cpu = cpuMs();
        t.start();
        f();
        ms.push_back(double(t.nsecsElapsed()) / 1e6);
        bestCpu = std::min(bestCpu, cpuMs() - cpu);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2], bestCpu};
}

// Peak resident memory so far, in MB ("VmHWM" of /proc/self/status).
inline double peakMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Lets peakMb measure from now on.
inline void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

} // namespace zw::bench
