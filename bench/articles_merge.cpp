// The EAN list merge at start-up: 20,000 articles and a list of 100,000
// lines, read, merged, written and read back; beside it the rule's plain
// articles-times-lines form, and a list of several hundred megabytes.
//
//   bench_articles_merge [--full-reference] [--big-mb N]
//
// The plain form takes minutes on the whole data, so by default it runs on
// the first 1 % of the articles and its time is scaled up (it is linear in
// the number of articles); --full-reference runs it on all of them.

#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"

#include "EanMergeReference.h"
#include "articles_data.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace zw;
using namespace zw::bench;

namespace {

constexpr int kArticles = 20000;
constexpr int kLines = 100000;

// Mostly 7-digit numbers, some of 10 and a few of other lengths, as suppliers have them.
TArtikel benchArticle(int i) {
    const int digits = i % 10 == 0 ? 10 : (i % 50 == 1 ? 8 : 7);
    TArtikel a = sampleArticle(1000000 + i * 37, digits);
    a.Benennung = QStringLiteral("vor dem Abgleich");
    return a;
}

// Every article has lines, some several (the last wins); the rest belongs to others.
QString benchLine(int i) {
    if (i % 10 < 4) {
        const TArtikel a = benchArticle(int((qint64(i) * 7919) % kArticles));
        return sampleEanLine(a.MaterialNr, i);
    }
    return sampleEanLine(QString::number(5000000 + i), i);
}

// The list of kLines lines, repeated until it holds at least `minBytes`.
void writeList(const QString& path, qint64 minBytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        std::exit(2);
    qint64 written = f.write("\xEF\xBB\xBF");
    for (int i = 0; i < kLines || written < minBytes; ++i)
        written += f.write((benchLine(i % kLines) + QStringLiteral("\r\n")).toUtf8());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool fullReference = args.contains(QStringLiteral("--full-reference"));
    const int bigIndex = int(args.indexOf(QStringLiteral("--big-mb")));
    const qint64 bigMb = bigIndex > 0 ? args.value(bigIndex + 1).toLongLong() : 300;

    QTemporaryDir dir;
    ProgramScope globals(nullptr);
    TDataModule1& dm = globals.createDataModule();
    dm.ArtikelnummerPflegePfad = dir.path() + QLatin1Char('/');
    const QString articleFile = dm.ArtikelnummerPflegePfad + dm.sAktArtikelliste;
    const QString list = dm.ArtikelnummerPflegePfad + dm.EAN_File_Name;

    TArtikelListe& articles = dm.myDaten.ArtikelListe;
    for (int i = 0; i < kArticles; ++i)
        articles.Add(benchArticle(i));
    QFile(articleFile).open(QIODevice::WriteOnly);
    dm.SchreibeArtikelINI();
    dm.LeseArtikelINI();
    const QByteArray original = [&] {
        QFile f(articleFile);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    writeList(list, 0);

    // The plain rule on (a sample of) the articles as they are before the merge.
    const int sample = fullReference ? kArticles : kArticles / 100;
    TArtikelListe reference;
    for (int i = 0; i < sample; ++i)
        reference.Add(articles.Artikel(i));
    TextDocument lines;
    readTextFile(list, lines);
    const Timing plain = measure(1, [&] { test::referenceMerge(reference, lines.lines); });
    const double plainAll = plain.bestCpu * double(kArticles) / double(sample);

    // Every run starts from the article file before the merge.
    auto restore = [&] {
        QFile f(articleFile);
        f.open(QIODevice::WriteOnly);
        f.write(original);
        f.close();
        dm.LeseArtikelINI();
        dm.sLogger.clear();
    };
    const Timing fast = measure(5, [&] {
        restore();
        dm.AktualisiereDatensaetze();
    });
    bool same = articles.Count() == kArticles;
    for (int i = 0; same && i < sample; ++i)
        same = articles.Artikel(i) == reference.Artikel(i);

    std::printf("EAN list merge: %d articles, list of %d lines (%.1f MB)\n", kArticles, kLines,
                double(QFileInfo(list).size()) / 1e6);
    std::printf("  whole merge (read list, merge, write, re-read): best %7.1f ms, median %7.1f ms "
                "(processor time %7.1f ms)\n",
                fast.best, fast.median, fast.bestCpu);
    std::printf("  plain articles x lines rule: %9.1f ms processor time%s\n", plainAll,
                fullReference ? "" : " (scaled up from 1 % of the articles)");
    std::printf("  ratio plain / whole merge: %.0f\n", plainAll / fast.bestCpu);
    std::printf("  result equals the plain rule on %d articles: %s\n", sample, same ? "yes" : "NO");

    if (bigMb > 0) {
        writeList(list, bigMb << 20);
        restore();
        resetPeak();
        const double before = peakMb();
        const Timing big = measure(1, [&] { dm.AktualisiereDatensaetze(); });
        std::printf("  list of %.0f MB: whole merge %7.1f ms (processor time %7.1f ms), peak memory %.0f MB "
                    "(+%.1f MB over the state before)\n",
                    double(QFileInfo(list).size()) / 1e6, big.best, big.bestCpu, peakMb(), peakMb() - before);
    }
    return same ? 0 : 1;
}
