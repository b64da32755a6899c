#pragma once

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

} // namespace zw::cli
