#include "cli/Commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Drawing barcodes needs fonts, hence a GUI application; headless runs
    // use the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Scheduled jobs often run without a session; give Qt a private runtime
    // folder so batch output carries no warning about the missing one.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/zeichwerk-runtime-") +
                            QString::fromLocal8Bit(qgetenv("USER").isEmpty() ? QByteArray("user") : qgetenv("USER"));
        if (QDir().mkpath(dir) &&
            QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
    }
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zeichwerk-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZW_VERSION));
    QTextStream out(stdout);
    QTextStream err(stderr);
    zw::cli::CliIo io{out, err};
    const int status = zw::cli::runCli(QCoreApplication::arguments(), io);
    out.flush();
    err.flush();
    return status;
}
