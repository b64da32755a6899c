#include "core/DataModule.h"

#include "base/AppError.h"
#include "base/Convert.h"
#include "base/TextFile.h"
#include "core/Settings.h"
#include "platform/Platform.h"

#include <QDir>

namespace zw {

TDataModule1* DataModule1 = nullptr;

// No real server is known at build time; installations name theirs with the
// key DownloadServer. The reserved .invalid domain never resolves, so an
// unconfigured installation fails its download instead of asking a stranger.
const char* const TDataModule1::DefaultDownloadServer = "download.zeichwerk.invalid";

TDataModule1::TDataModule1() {
    DataModuleCreate();
}

TDataModule1::~TDataModule1() {
    DataModuleDestroy();
}

void TDataModule1::DataModuleCreate() {
    myDaten.ArtikelListe.Clear();
    sLogger.clear();
    loggerNameAndTimestamp =
        QStringLiteral("__") + platform().now().toString(QStringLiteral("yyyyMMdd_HHmmss")) + QStringLiteral(".log");
    EAN_File_Name = QStringLiteral("artikel_ean_liste.txt");
    const QString server = QStringLiteral("http://") + downloadServer();
    EAN_Download_Pfad = server + QStringLiteral("/_download/artikel_ean_liste.txt");
    PROXY_TEST_PFAD = server + QStringLiteral("/_download/_proxytext_kelb_gmbh_ostrelt_zeichwerk");
    sAktArtikelliste = QStringLiteral("Artikel.ini");
    sAktBarcodeFile = QStringLiteral("Barcode.ini");
    slGeraetetyp.clear();
    slLagerplatz.clear();
    LadeGeraetetypUndLagerplatz();
}

void TDataModule1::DataModuleDestroy() {
    slGeraetetyp.clear();
    slLagerplatz.clear();
    myDaten.ArtikelListe.Clear();
}

void TDataModule1::LadeGeraetetypUndLagerplatz() {
    // Not yet DataModule1, so not Settings::homeFirst().
    const Settings ini(GibPfadToEigeneDateien(sAktBarcodeFile));
    slGeraetetyp = ini.read(settings::Geraetetyp);
    slLagerplatz = ini.read(settings::Lagerplatz);
}

QString TDataModule1::GibPfadToEigeneDateien(const QString& s) const {
    if (platform().fileExists(homedir + s))
        return homedir + s;
    return platform().programFolder() + s;
}

QString TDataModule1::GibPfadToInstallationsOrdner(const QString& s) const {
    const QString path = platform().programFolder() + s;
    return platform().fileExists(path) ? path : QString();
}

QString TDataModule1::SaveToEigeneDateien(const QString& s) const {
    return ArtikelnummerPflegePfad + s;
}

void TDataModule1::writeLog(const QString& s) {
    const QDateTime t = platform().now();
    const qint64 second = t.toSecsSinceEpoch();
    if (second != m_logPrefixSecond) {
        m_logPrefix = QLatin1Char('[') + t.toString(QStringLiteral("yyyy.MM.dd - HH:mm:ss")) + QStringLiteral("] ");
        m_logPrefixSecond = second;
    }
    sLogger.append(m_logPrefix + s);
}

void TDataModule1::saveLog() {
    if (!schreibeLog)
        return;
    try {
        writeTextFile(homedir + loggerNameAndTimestamp, sLogger, TextEncoding::Windows1252, false);
    } catch (const AppError& e) {
        if (!logSaveFailed)
            throw;
        schreibeLog = false;
        logSaveFailed(e.message());
    }
}

QString TDataModule1::downloadServer() {
    const QString host = Settings::programFolder().read(settings::DownloadServer, QString());
    return host.isEmpty() ? QString::fromLatin1(DefaultDownloadServer) : host;
}

QString TSysFolderLocation::GetShellFolder() const {
    if (_CSIDL != CSIDL_PERSONAL)
        throw AppError(QStringLiteral("Argument ungültig"));
    QString path = trimControl(platform().documentsFolder());
    if (path.isEmpty())
        throw AppError(QStringLiteral("Ordner kann nicht ermittelt werden"));
    if (!QDir(path).exists())
        throw AppError(QStringLiteral("Ordner existiert nicht"));
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    return path;
}

} // namespace zw
