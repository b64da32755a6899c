#include "platform/QtPlatform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QNetworkInformation>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>

namespace zw {

namespace {
QtPlatform& defaultPlatform() {
    static QtPlatform p;
    return p;
}
Platform* g_platform = nullptr;
} // namespace

Platform& platform() {
    return g_platform ? *g_platform : defaultPlatform();
}
void setPlatform(Platform* p) {
    g_platform = p;
}
Platform* installedPlatform() {
    return g_platform;
}

QString withTrailingSlash(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

QString QtPlatform::documentsFolder() {
    return withTrailingSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

QString QtPlatform::programFolder() {
    // Before a QCoreApplication exists applicationDirPath() is empty; fall back to
    // the executable's link in /proc, which is where Linux keeps it.
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (dir.isEmpty())
        dir = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    return withTrailingSlash(dir);
}

QString QtPlatform::currentFolder() {
    return withTrailingSlash(QDir::currentPath());
}

QString QtPlatform::userHomeFolder() {
    return withTrailingSlash(QDir::homePath());
}

bool QtPlatform::fileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    QFileInfo fi(path);
    return fi.exists() && !fi.isDir();
}

bool QtPlatform::deleteFile(const QString& path) {
    return QFile::remove(path);
}

bool QtPlatform::moveFileNoOverwrite(const QString& from, const QString& to) {
    // QFile::rename refuses an existing target, but checking first keeps the
    // rule explicit for folders and case-insensitive file systems too.
    if (QFileInfo::exists(to))
        return false;
    return QFile::rename(from, to);
}

bool QtPlatform::createEmptyFile(const QString& path) {
    // Exclusive creation: a file another workstation made meanwhile stays untouched.
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

bool QtPlatform::createFolder(const QString& path) {
    return QDir().mkpath(path);
}

QString QtPlatform::fileNameIgnoringCase(const QString& folder, const QString& name) {
    if (fileExists(withTrailingSlash(folder) + name))
        return name;
    const QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& f : files)
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return f;
    return {};
}

bool QtPlatform::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtPlatform::openWith(const QString&, const QString&) {
    return false;
}

MessageAnswer QtPlatform::showMessage(MessageIcon, MessageButtons buttons, const QString& caption,
                                      const QString& text) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel; // nobody to ask: change nothing
    }
    return MessageAnswer::Ok;
}

int QtPlatform::showChoice(MessageIcon, const QString& caption, const QString& text, const QStringList&) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(caption), qPrintable(text));
    return -1;
}

QString QtPlatform::chooseFolder(const QString&, const QString&) {
    return {};
}

bool QtPlatform::inputBox(const QString&, const QString&, QString&) {
    return false;
}

std::optional<QString> QtPlatform::clipboardText() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}

bool QtPlatform::setClipboardText(const QString& text) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return false;
    QGuiApplication::clipboard()->setText(text);
    return true;
}

bool QtPlatform::isConnected() {
    // Without a backend (no D-Bus, no NetworkManager) the state is unknown:
    // answer "connected" and let the download decide.
    if (!QNetworkInformation::instance() && !QNetworkInformation::loadDefaultBackend())
        return true;
    auto* info = QNetworkInformation::instance();
    if (!info)
        return true;
    switch (info->reachability()) {
    case QNetworkInformation::Reachability::Disconnected:
        return false;
    case QNetworkInformation::Reachability::Unknown:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
    case QNetworkInformation::Reachability::Online:
        break;
    }
    return true;
}

QDateTime QtPlatform::now() {
    // Local time costs a time-zone lookup per call (glibc re-reads the zone
    // when TZ is unset), which dominated logging one line per article. The UTC
    // clock is cheap; the offset to local time is looked up at most once a second.
    static QElapsedTimer sinceLookup;
    static int offsetSeconds = 0;
    const QDateTime utc = QDateTime::currentDateTimeUtc();
    if (!sinceLookup.isValid() || sinceLookup.elapsed() >= 1000) {
        offsetSeconds = QDateTime::currentDateTime().offsetFromUtc();
        sinceLookup.start();
    }
    return utc.toOffsetFromUtc(offsetSeconds);
}

} // namespace zw
