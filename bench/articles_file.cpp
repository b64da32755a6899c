// Reading and writing an article file of 100,000 articles. Reading includes
// the log line written per article, as at every start.

#include "core/DataModule.h"
#include "core/ProgramScope.h"

#include "articles_data.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

using namespace zw;
using namespace zw::bench;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    constexpr int runs = 5;

    QTemporaryDir dir;
    ProgramScope globals(nullptr);
    TDataModule1& dm = globals.createDataModule();
    dm.ArtikelnummerPflegePfad = dir.path() + QLatin1Char('/');
    const QString path = dm.ArtikelnummerPflegePfad + dm.sAktArtikelliste;
    QFile(path).open(QIODevice::WriteOnly); // the article file must exist to be written

    // Shuffled, so the write has to sort.
    for (int i = 0; i < count; ++i)
        dm.myDaten.ArtikelListe.Add(sampleArticle(int((qint64(i) * 7919) % count) + 1000000));

    const Timing write = measure(runs, [&] { dm.SchreibeArtikelINI(); });
    const Timing read = measure(runs, [&] {
        dm.sLogger.clear();
        dm.LeseArtikelINI();
    });
    // The read writes one log line per article; this is their share.
    const Timing log = measure(runs, [&] {
        dm.sLogger.clear();
        for (int i = 0; i < count; ++i)
            dm.writeLog(QStringLiteral("~~~~ READING ARTICLE: ") + dm.myDaten.ArtikelListe.Artikel(i).MaterialNr);
    });
    if (dm.myDaten.ArtikelListe.Count() != count) {
        std::fprintf(stderr, "read %d articles, expected %d\n", dm.myDaten.ArtikelListe.Count(), count);
        return 1;
    }
    std::printf("article file: %d articles, %.1f MB\n", count, double(QFileInfo(path).size()) / 1e6);
    auto print = [](const char* what, const Timing& t) {
        std::printf("  %-28s best %7.1f ms, median %7.1f ms (processor time %7.1f ms)\n", what, t.best, t.median,
                    t.bestCpu);
    };
    print("write (SchreibeArtikelINI):", write);
    print("read (LeseArtikelINI):", read);
    print("  of which the log lines:", log);
    return 0;
}
