#include "cli/Commands.h"
#include "cli/ConsolePlatform.h"
#include "cli/Installation.h"

#include "core/AppError.h"
#include "core/DataModule.h"
#include "core/IniFile.h"

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

    ConsolePlatform console(io.err);
    console.programFolderOverride = programFolder;
    ScopedPlatform platformScope(&console);
    TDataModule1 dm;
    ScopedDataModule dataModuleScope(&dm);

    const IniFile settings = readInstallationSettings(dm, home);
    dm.schreibeLog = settings.readBool(QStringLiteral("Einstellungen"), QStringLiteral("Logger"), false);
    dm.writeLog(QStringLiteral("~ ART.NR PATH: ") + dm.ArtikelnummerPflegePfad);

    if (const int status = requireArticleFile(cmd, dm); status != GoOn)
        return status;
    const bool inUse = !platform().fileExists(dm.ArtikelnummerPflegePfad + dm.sAktArtikelliste);

    dm.writeLog(QStringLiteral("~ READ DATASETS:"));
    dm.LeseArtikelINI();

    const QString eanList = dm.ArtikelnummerPflegePfad + dm.EAN_File_Name;
    if (parser.isSet(downloadOption)) {
        dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD"));
        bool downloaded = false;
        try {
            downloaded = dm.downloadFileFromUrl(dm.EAN_Download_Pfad, eanList);
        } catch (const AppError& e) {
            io.err << e.message() << "\n"; // the routine shows only request errors itself
        }
        if (!downloaded) {
            dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD FAILED"));
            dm.saveLog();
            return ExitDownloadFailed;
        }
        dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD FINISHED"));
    }
    if (!platform().fileExists(eanList))
        return cmd.badInput(QStringLiteral("EAN list not found: ") + eanList + QStringLiteral("; nothing merged"));

    const TArtikelListe before = copyOf(dm.myDaten.ArtikelListe);
    dm.writeLog(QStringLiteral("~~~~ UPDATE ARTICLE"));
    dm.AktualisiereDatensaetze();
    dm.writeLog(QStringLiteral("~~~~ UPDATE ARTICLE FINISHED"));
    dm.saveLog();

    const TArtikelListe& after = dm.myDaten.ArtikelListe;
    io.out << after.Count() << " articles, " << countChanged(before, after) << " changed\n";
    if (inUse)
        io.err << "Artikel.ini is being edited (open_Artikel.ini): nothing written\n";
    return ExitOk;
}

} // namespace zw::cli
