// Prints how long the main window's start-up takes with a large article file
// (offline, with an EAN list to merge, as the demo installation starts), and
// how long re-reading the articles takes afterwards.
//
//   bench_main_startup [articles]      (default 100000)

#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "forms/main/FrmMain.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class BenchPlatform : public zw::QtPlatform {
public:
    QString root;
    QString documentsFolder() override { return root + QStringLiteral("documents/"); }
    QString programFolder() override { return root + QStringLiteral("program/"); }
    zw::MessageAnswer showMessage(zw::MessageIcon, zw::MessageButtons, const QString&, const QString& text) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return zw::MessageAnswer::Ok;
    }
};

void writeInstallation(const QString& root, int count) {
    for (const char* d : {"documents", "program", "articles"})
        QDir().mkpath(root + QLatin1String(d));
    zw::writeTextFile(root + QStringLiteral("program/Barcode.ini"),
                      {QStringLiteral("[Einstellungen]"),
                       QStringLiteral("ArtNrPfad=") + root + QStringLiteral("articles/"),
                       QStringLiteral("Offline=true"), QStringLiteral("SAPLieferantennummer=12345"),
                       QStringLiteral("LieferantennummerKurz=42")},
                      zw::TextEncoding::Windows1252, false);
    QStringList articles{QStringLiteral("[Anzahl]"), QStringLiteral("Anzahl=%1").arg(count), QString()};
    QStringList eans;
    for (int n = 1; n <= count; ++n) {
        const QString mat = QString::number(1000000 + n);
        articles << QStringLiteral("[TArtikel_%1]").arg(n) << QStringLiteral("MatNr=") + mat
                 << QStringLiteral("Bezeichnung=Artikel %1").arg(n) << QStringLiteral("EAN=")
                 << QStringLiteral("ZeichnNr=11-05-044-010") << QStringLiteral("IndexZNr=04")
                 << QStringLiteral("Lagerplatz=A-01-01") << QStringLiteral("Stueckzahl=1")
                 << QStringLiteral("Einheit=Stk") << QStringLiteral("100%_Pruef=false")
                 << QStringLiteral("Sicherheit=false") << QString();
        eans << QStringLiteral("00000000000%1@Artikel %2 neu@40123450%3@@@@@@@@@@@@")
                    .arg(mat)
                    .arg(n)
                    .arg(n % 100000, 5, 10, QLatin1Char('0'));
    }
    zw::writeTextFile(root + QStringLiteral("articles/Artikel.ini"), articles, zw::TextEncoding::Utf8, true);
    zw::writeTextFile(root + QStringLiteral("articles/artikel_ean_liste.txt"), eans, zw::TextEncoding::Utf8, true);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    BenchPlatform platform;
    platform.root = zw::withTrailingSlash(dir.path());
    zw::ProgramScope globals(&platform);
    writeInstallation(platform.root, count);
    zw::TDataModule1& dm = globals.createDataModule();
    QElapsedTimer t;
    t.start();
    auto* window = new zw::TfrmMain;
    const qint64 startup = t.elapsed();
    window->show();
    QApplication::processEvents();
    const qint64 shown = t.elapsed();
    t.restart();
    window->ArtikelNeuEinlesen();
    const qint64 reread = t.elapsed();
    t.restart();
    window->LadeMatNrNeu();
    const qint64 refill = t.elapsed();

    std::printf("articles: %d\n", dm.myDaten.ArtikelListe.Count());
    std::printf("start-up (read, six forms, EAN merge): %lld ms\n", static_cast<long long>(startup));
    std::printf("until first shown: %lld ms\n", static_cast<long long>(shown));
    std::printf("re-read articles and reset forms: %lld ms\n", static_cast<long long>(reread));
    std::printf("refill the five material-number boxes: %lld ms\n", static_cast<long long>(refill));
    delete window;
    return 0;
}
