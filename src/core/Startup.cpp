#include "core/Startup.h"

#include "base/AppError.h"
#include "core/DataModule.h"
#include "core/Settings.h"
#include "platform/Platform.h"
#include "texts/Messages.h"
#include "texts/UebText.h"

#include <QDir>

namespace zw {

const QString Startup::ApplicationTitle = QStringLiteral("Kelb Zeichwerk v2.17.4");
const QString Startup::Separator = QString(57, QLatin1Char('#'));

void Startup::logTitle() {
    m_dm.writeLog(Separator);
    m_dm.writeLog(ApplicationTitle);
    m_dm.writeLog(platform().now().toString(QStringLiteral("yyyy.MM.dd - HH:mm:ss")));
    m_dm.writeLog(Separator);
}

void Startup::findHomeFolder() {
    QString documents;
    try {
        documents = TSysFolderLocation(TSysFolderLocation::CSIDL_PERSONAL).GetShellFolder();
    } catch (const AppError&) {
        // No documents folder: the user chooses the home folder below.
        documents.clear();
    }
    m_dm.homedir = documents;
    m_dm.writeLog(QStringLiteral("~ HOMEDIR:"));
    if (!documents.isEmpty() && QDir(documents).exists()) {
        m_dm.homedir = documents + QStringLiteral("/KELB_Zeichwerk");
        m_dm.writeLog(QStringLiteral("~~~~ FORCE PATH"));
        m_dm.writeLog(QStringLiteral("~~~~ ") + m_dm.homedir);
        if (!platform().createFolder(m_dm.homedir))
            throw AppError(QStringLiteral("Cannot create folder \"%1\".").arg(m_dm.homedir));
        m_dm.writeLog(QStringLiteral("~~~~ FORCE PATH SUCCESS"));
    } else {
        QString chosen;
        do {
            chosen = platform().chooseFolder(msgText(msg::AblageverzeichnisWaehlen), QString());
        } while (chosen.isEmpty() || !QDir(chosen).exists());
        while (chosen.size() > 1 && chosen.endsWith(QLatin1Char('/')))
            chosen.chop(1);
        m_dm.homedir = chosen;
        m_dm.writeLog(QStringLiteral("~~~~ PATH SELECTED"));
    }
    m_dm.homedir += QLatin1Char('/');
    m_dm.writeLog(QStringLiteral("~~~~ HOMEDIR (FINAL): ") + m_dm.homedir);
    m_dm.writeLog(Separator);
    m_dm.saveLog();
}

void Startup::useHomeFolder(const QString& folder) {
    m_dm.homedir = folder;
}

void Startup::readSettings() {
    const Settings ini = Settings::programFolder();
    m_dm.ArtikelnummerPflegePfad = ini.read(settings::ArtNrPfad, m_dm.homedir);
    m_dm.OFFLINE_Modus = ini.read(settings::Offline, false);
    if (m_dm.ArtikelnummerPflegePfad.isEmpty())
        m_dm.ArtikelnummerPflegePfad = m_dm.homedir;
    // The files of the folder are named by appending to it.
    if (!m_dm.ArtikelnummerPflegePfad.endsWith(QLatin1Char('/')))
        m_dm.ArtikelnummerPflegePfad += QLatin1Char('/');
    m_dm.writeLog(QStringLiteral("~ ART.NR PATH: ") + m_dm.ArtikelnummerPflegePfad);
    m_dm.writeLog(Separator);
    m_dm.saveLog();
    m_dm.Sprache = Settings::languageCode(ini.read(settings::Sprache, QStringLiteral("Deutsch")));
    m_dm.schreibeLog = ini.read(settings::Logger, false);
}

void Startup::readArticles() {
    m_dm.saveLog();
    m_dm.writeLog(QStringLiteral("~ READ DATASETS:"));
    m_dm.LeseArtikelINI();
    m_dm.writeLog(QStringLiteral("~~~~ SUCCESS"));
    m_dm.writeLog(Separator);
    m_dm.saveLog();
}

void Startup::loadLanguage() {
    LadeSprache(m_dm.Sprache);
}

QString Startup::eanListPath() const {
    return m_dm.ArtikelnummerPflegePfad + m_dm.EAN_File_Name;
}

void Startup::updateArticles(const std::function<void()>& merged) {
    const QString eanList = eanListPath();
    if (m_dm.OFFLINE_Modus) {
        if (platform().fileExists(eanList)) {
            m_dm.AktualisiereDatensaetze();
            if (merged)
                merged();
        }
        return;
    }
    m_dm.writeLog(QStringLiteral("~ CONNECTION"));
    m_dm.boolOnline = m_dm.IstMitInternetVerbunden();
    m_dm.writeLog(QStringLiteral("~~~~ INTERNET: ") +
                  (m_dm.boolOnline ? QStringLiteral("True") : QStringLiteral("False")));
    m_dm.saveLog();
    if (m_dm.boolOnline) {
        m_dm.saveLog();
        try {
            if (downloadEanList())
                mergeEanList(merged);
        } catch (...) {
            // The download has told the user; an update error leaves the articles as read.
        }
        return;
    }
    if (platform().fileExists(eanList)) {
        m_dm.writeLog(QStringLiteral("~~~~ LOCAL EAN EXISTS: ") + eanList);
        mergeEanList(merged);
        return;
    }
    m_dm.writeLog(QStringLiteral("~~~~ NO INTERNET CONNECTION POSSIBLE AND NO LOCAL EAN FILE"));
    m_dm.saveLog();
    showWarning(QStringLiteral("Warnung"),
                msgText(msg::KeineInternetverbindung) + QLatin1Char(' ') + msgText(msg::DatenNichtAktuell));
}

bool Startup::downloadEanList() {
    m_dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD"));
    if (!m_dm.downloadFileFromUrl(m_dm.EAN_Download_Pfad, eanListPath())) {
        m_dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD FAILED"));
        m_dm.saveLog();
        return false;
    }
    m_dm.writeLog(QStringLiteral("~~~~ EAN-LIST DOWNLOAD FINISHED"));
    m_dm.saveLog();
    return true;
}

void Startup::mergeEanList(const std::function<void()>& merged) {
    m_dm.writeLog(QStringLiteral("~~~~ UPDATE ARTICLE"));
    m_dm.AktualisiereDatensaetze();
    if (merged)
        merged();
    m_dm.writeLog(QStringLiteral("~~~~ UPDATE ARTICLE FINISHED"));
    m_dm.saveLog();
}

Startup::SupplierNumbers Startup::supplierNumbers() {
    const Settings ini = Settings::programFolder();
    return {ini.read(settings::SAPLieferantennummer, QString()), ini.read(settings::LieferantennummerKurz, QString())};
}

} // namespace zw
