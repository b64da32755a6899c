#include "cli/Installation.h"

#include "platform/Platform.h"
#include "platform/QtPlatform.h"

#include <QFileInfo>

namespace zw::cli {

namespace {

// An existing folder as an absolute path with a trailing "/", or empty.
QString existingFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() ? withTrailingSlash(info.absoluteFilePath()) : QString();
}

// The platform must know the program folder before the data module reads Barcode.ini.
ConsolePlatform& onProgramFolder(ConsolePlatform& console, const QString& programFolder) {
    console.programFolderOverride = programFolder;
    return console;
}

} // namespace

int resolveInstallationFolders(CommandOptions& cmd, const QString& programArg, const QString& homeArg,
                               QString& programFolder, QString& homeFolder) {
    programFolder = existingFolder(programArg);
    if (programFolder.isEmpty())
        return cmd.badInput(QStringLiteral("program folder not found: ") + programArg);
    homeFolder = existingFolder(homeArg);
    if (homeFolder.isEmpty())
        return cmd.badInput(QStringLiteral("home folder not found: ") + homeArg);
    return GoOn;
}

Installation::Installation(CliIo& io, const QString& programFolder, const QString& home)
    : console(io.err), globals(&onProgramFolder(console, programFolder)), dm(globals.createDataModule()), startup(dm) {
    dm.logSaveFailed = [&io](const QString& error) {
        io.err << "warning: the run log is not saved: " << error << "\n";
    };
    startup.useHomeFolder(home);
}

int Installation::requireArticleFile(CommandOptions& cmd) const {
    const QString articleFile = dm.ArtikelnummerPflegePfad + dm.sAktArtikelliste;
    if (!platform().fileExists(articleFile) &&
        !platform().fileExists(dm.ArtikelnummerPflegePfad + QStringLiteral("open_Artikel.ini")))
        return cmd.badInput(QStringLiteral("no article file: ") + articleFile);
    return GoOn;
}

} // namespace zw::cli
