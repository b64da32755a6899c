#include "cli/Commands.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // Drawing barcodes needs fonts, hence a GUI application; headless runs
    // use the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
