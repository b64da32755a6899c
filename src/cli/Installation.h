#pragma once

#include "cli/Commands.h"
#include "cli/ConsolePlatform.h"
#include "core/DataModule.h"
#include "core/IniFile.h"
#include "platform/QtPlatform.h"

#include <QFileInfo>
#include <QString>

namespace zw::cli {

// An existing folder as an absolute path with a trailing "/", or empty.
inline QString existingFolder(const QString& path) {
    const QFileInfo info(path);
    return info.isDir() ? withTrailingSlash(info.absoluteFilePath()) : QString();
}

// The article folder and the language as the start-up takes them from the
// program folder's Barcode.ini (`settings`): ArtNrPfad, else the home folder;
// "Englisch" selects "GB", anything else "D". The home folder must be set.
inline void readFolderAndLanguage(TDataModule1& dm, const IniFile& settings) {
    const QString section = QStringLiteral("Einstellungen");
    dm.ArtikelnummerPflegePfad = settings.readString(section, QStringLiteral("ArtNrPfad"), dm.homedir);
    if (dm.ArtikelnummerPflegePfad.isEmpty())
        dm.ArtikelnummerPflegePfad = dm.homedir;
    dm.ArtikelnummerPflegePfad = withTrailingSlash(dm.ArtikelnummerPflegePfad);
    const QString language = settings.readString(section, QStringLiteral("Sprache"), QStringLiteral("Deutsch"));
    dm.Sprache = language == QLatin1String("Englisch") ? QStringLiteral("GB") : QStringLiteral("D");
}

// The program and home folders the command line names, as absolute paths with
// a trailing "/"; reports the first that does not exist. Returns GoOn or the exit status.
inline int resolveInstallationFolders(CommandOptions& cmd, const QString& programArg, const QString& homeArg,
                                      QString& programFolder, QString& homeFolder) {
    programFolder = existingFolder(programArg);
    if (programFolder.isEmpty())
        return cmd.badInput(QStringLiteral("program folder not found: ") + programArg);
    homeFolder = existingFolder(homeArg);
    if (homeFolder.isEmpty())
        return cmd.badInput(QStringLiteral("home folder not found: ") + homeArg);
    return GoOn;
}

// Sets up `dm` as the start-up does from the program folder's Barcode.ini, with
// `home` as the home folder; returns that settings file.
inline IniFile readInstallationSettings(TDataModule1& dm, const QString& home) {
    dm.homedir = home;
    IniFile settings(dm.GibPfadToInstallationsOrdner(dm.sAktBarcodeFile));
    readFolderAndLanguage(dm, settings);
    return settings;
}

// Without any article file every material number would be "not found", and a
// merge would have nothing to write: say what is missing. Returns GoOn or the exit status.
inline int requireArticleFile(CommandOptions& cmd, const TDataModule1& dm) {
    const QString articleFile = dm.ArtikelnummerPflegePfad + dm.sAktArtikelliste;
    if (!platform().fileExists(articleFile) &&
        !platform().fileExists(dm.ArtikelnummerPflegePfad + QStringLiteral("open_Artikel.ini")))
        return cmd.badInput(QStringLiteral("no article file: ") + articleFile);
    return GoOn;
}

} // namespace zw::cli
