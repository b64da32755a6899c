#include "cli/Commands.h"
#include "cli/Installation.h"

#include "base/AppError.h"
#include "core/DataModule.h"
#include "core/Startup.h"
#include "platform/Platform.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QHash>

namespace zw::cli {

namespace {

const char* const kUsage = "Usage: zeichwerk-cli update-articles --program-folder DIR --home DIR [--download]\n"
                           "Merges the EAN list of the installation's article folder into its Artikel.ini.\n"
                           "  --program-folder DIR  the installation's program folder (its Barcode.ini)\n"
                           "  --home DIR            the home folder (article folder unless ArtNrPfad names one)\n"
                           "  --download            fetch the EAN list from the download server first\n";

// Articles that are new or differ from the article of the same material number before.
int countChanged(const TArtikelListe& before, const TArtikelListe& after) {
    QHash<QString, const TArtikel*> old;
    for (int i = 0; i < before.Count(); ++i)
        old.insert(before.Artikel(i).MaterialNr, &before.Artikel(i)); // the later one is what the file keeps
    int changed = 0;
    for (int i = 0; i < after.Count(); ++i) {
        const TArtikel* o = old.value(after.Artikel(i).MaterialNr);
        if (!o || !(*o == after.Artikel(i)))
            ++changed;
    }
    return changed;
}

TArtikelListe copyOf(const TArtikelListe& list) {
    TArtikelListe copy;
    copy.Reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        copy.Add(list.Artikel(i));
    return copy;
}

} // namespace

int runUpdateArticles(const QStringList& args, CliIo& io) {
    CommandOptions cmd("update-articles", kUsage, io);
    QCommandLineParser& parser = cmd.parser;
    const QCommandLineOption programOption(QStringLiteral("program-folder"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption homeOption(QStringLiteral("home"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption downloadOption(QStringLiteral("download"));
    if (const int status = cmd.parse({programOption, homeOption, downloadOption}, args); status != GoOn)
        return status;
    if (!parser.positionalArguments().isEmpty() || !parser.isSet(programOption) || !parser.isSet(homeOption)) {
        return cmd.usageError();
    }
    QString programFolder, home;
    if (const int status =
            resolveInstallationFolders(cmd, parser.value(programOption), parser.value(homeOption), programFolder, home);
        status != GoOn)
        return status;

    Installation inst(io, programFolder, home);
    TDataModule1& dm = inst.dm;
    inst.startup.readSettings();
    if (const int status = inst.requireArticleFile(cmd); status != GoOn)
        return status;
    const bool inUse = !platform().fileExists(dm.ArtikelnummerPflegePfad + dm.sAktArtikelliste);
    inst.startup.readArticles();

    const QString eanList = inst.startup.eanListPath();
    if (parser.isSet(downloadOption)) {
        bool downloaded = false;
        try {
            downloaded = inst.startup.downloadEanList();
        } catch (const AppError& e) {
            io.err << e.message() << "\n"; // the routine shows only request errors itself
            dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD FAILED"));
            dm.saveLog();
        }
        if (!downloaded)
            return ExitDownloadFailed;
    }
    if (!platform().fileExists(eanList))
        return cmd.badInput(QStringLiteral("EAN list not found: ") + eanList + QStringLiteral("; nothing merged"));

    const TArtikelListe before = copyOf(dm.myDaten.ArtikelListe);
    inst.startup.mergeEanList({});

    const TArtikelListe& after = dm.myDaten.ArtikelListe;
    io.out << after.Count() << " articles, " << countChanged(before, after) << " changed\n";
    if (inUse)
        io.err << "Artikel.ini is being edited (open_Artikel.ini): nothing written\n";
    return ExitOk;
}

} // namespace zw::cli
