#pragma once

#include "core/Artikel.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace zw {

// The application data module: folders, settings, the article list, the
// language code, the online state, the proxy values and the run log.
// Exactly one instance exists while the program runs (DataModule1).
class TDataModule1 {
public:
    TDataModule1();  // runs DataModuleCreate
    ~TDataModule1(); // runs DataModuleDestroy
    TDataModule1(const TDataModule1&) = delete;
    TDataModule1& operator=(const TDataModule1&) = delete;

    QString loggerNameAndTimestamp;
    QString homedir; // ends in "/" once set
    QString EAN_File_Name;
    QString EAN_Download_Pfad;
    QString ArtikelnummerPflegePfad; // ends in "/"
    TMyDaten myDaten;
    QStringList slGeraetetyp;
    QStringList slLagerplatz;
    QString Sprache; // "D" or "GB"
    QStringList slSorted;
    bool boolOnline = false;
    QString sAktArtikelliste;
    QString sAktBarcodeFile;
    bool OFFLINE_Modus = false;
    QStringList sLogger;
    bool schreibeLog = false;
    QString PROXY_TEST_PFAD;
    QString proxyName;
    int proxyPort = 0;
    QString proxyUser;
    QString proxyPswd;

    void DataModuleCreate();
    void DataModuleDestroy();
    void LadeGeraetetypUndLagerplatz();

    QString GibPfadToEigeneDateien(const QString& s) const;
    QString GibPfadToInstallationsOrdner(const QString& s) const;
    QString SaveToEigeneDateien(const QString& s) const;

    void writeLog(const QString& s);
    // Raises the file error to the caller, unless logSaveFailed is set: then
    // that is told, and the log stays in memory only from then on.
    void saveLog();
    // The command line sets this: a log that cannot be saved must not end a run.
    std::function<void(const QString& error)> logSaveFailed;

    // Article file.
    void LeseArtikelINI();
    void SchreibeArtikelINI();

    // EAN list update.
    void AktualisiereDatensaetze();

    // Internet access.
    bool IstMitInternetVerbunden();
    bool downloadFileFromUrl(const QString& url, const QString& zieldatei);

    // "host[:port]" of the download server: key DownloadServer in section
    // Einstellungen of the program folder's Barcode.ini, else the built-in default.
    static QString downloadServer();
    static const char* const DefaultDownloadServer;

private:
    // Copies the article file beside itself before a write drops sections the last read left out.
    void keepFileWithUnreadSections(const QString& path);
    // The article file whose last read left sections out, else empty.
    QString m_fileWithUnreadSections;
    // The "[stamp] " prefix of the last log line and its second, reused while
    // the second lasts: a large article file logs one line per article.
    QString m_logPrefix;
    qint64 m_logPrefixSecond = -1;
};

// The one data module; set while it exists.
extern TDataModule1* DataModule1;

// The user's documents folder, as the shell's special-folder lookup gives it.
class TSysFolderLocation {
public:
    explicit TSysFolderLocation(int CSIDL) : _CSIDL(CSIDL) {}
    // Raises AppError "Argument ungültig", "Ordner kann nicht ermittelt werden"
    // or "Ordner existiert nicht".
    QString GetShellFolder() const;

    int _CSIDL;
    static constexpr int CSIDL_PERSONAL = 5;
};

} // namespace zw
