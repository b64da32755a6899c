#include "base/AppError.h"
#include "core/DataModule.h"
#include "core/HttpGet.h"
#include "platform/Platform.h"

#include <QSaveFile>

namespace zw {

bool TDataModule1::IstMitInternetVerbunden() {
    return platform().isConnected();
}

namespace {

// Removes the temporary file at once, so nothing of a failed download lingers
// while the error dialog is open.
void discard(QSaveFile& file) {
    if (!file.isOpen())
        return; // a failed commit has removed it already
    file.cancelWriting();
    file.commit();
}

} // namespace

bool TDataModule1::downloadFileFromUrl(const QString& url, const QString& zieldatei) {
    writeLog(QStringLiteral("~~~~~~~ DOWNLOAD URL: ") + url);
    writeLog(QStringLiteral("~~~~~~~ DESTINATION FILE: ") + zieldatei);
    writeLog(QStringLiteral("~~~~~~~ CREATE FILESTREAM"));
    saveLog();

    // The body goes into a temporary file beside the destination, which replaces
    // the destination only once the whole body has arrived: a failed download
    // must not destroy the last good copy (the EAN list an offline start merges).
    QSaveFile file(zieldatei);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(zieldatei, file.errorString()));

    writeLog(QStringLiteral("~~~~~~~ HTTP.GET"));
    saveLog();

    HttpProxySettings proxy;
    proxy.host = proxyName;
    proxy.port = proxyPort;
    proxy.user = proxyUser;
    proxy.password = proxyPswd;
    QString error = httpGet(url, proxy, file);
    if (error.isNull() && !file.commit())
        error = file.errorString();

    if (error.isNull()) {
        writeLog(QStringLiteral("~~~~~~~ HTTP.GET FINISHED"));
        saveLog();
        return true;
    }
    discard(file);
    writeLog(QStringLiteral("~~~~~~~ ERROR [downloadFileFromUrl]"));
    writeLog(error);
    saveLog();
    showError(QStringLiteral("Fehler"),
              QStringLiteral("A connection in use of your proxy could not be established. (") + error +
                  QLatin1Char(')'));
    return false;
}

} // namespace zw
