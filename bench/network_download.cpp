// Time and memory of downloading large EAN lists from a server on 127.0.0.1.
// The body is streamed to disk, so the client's memory must not grow with the
// file. The server holds the body in memory: the peak includes that one copy.

#include "core/DataModule.h"
#include "core/ProgramScope.h"

#include "TestHttpServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// A figure of /proc/self/status in MB: "VmHWM:" (peak resident) or "VmRSS:".
double statusMb(const QByteArray& key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// Lets VmHWM measure from now on.
void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

QByteArray eanList(qint64 bytes) {
    const QByteArray line = "000000000001234567@Sechskantschraube M8x40 verzinkt@4006381333931@12-34-567-890@01@"
                            "00-00-000-000@00@00-00-000-000@00@Hex bolt@Vis@Vite@Tornillo@Schroef@Skruv\r\n";
    QByteArray body;
    body.reserve(bytes + line.size());
    while (body.size() < bytes)
        body += line;
    return body;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    zw::ProgramScope globals(nullptr);
    zw::TDataModule1& dm = globals.createDataModule();
    zw::test::TestHttpServer server;
    std::printf("%-10s %10s %10s %22s\n", "size", "seconds", "MB/s", "memory growth (MB)");
    for (const qint64 mb : {1, 16, 64, 256}) {
        const QByteArray body = eanList(mb * 1024 * 1024);
        // In pieces, so the server's socket buffer does not hold a second copy.
        zw::test::HttpResponse response = zw::test::HttpResponse::ok(body);
        response.pieceSize = 1024 * 1024;
        server.setResponse(QStringLiteral("/list"), response);
        const QString dest = dir.filePath(QStringLiteral("artikel_ean_liste.txt"));
        const double before = statusMb("VmRSS:");
        resetPeak();
        QElapsedTimer t;
        t.start();
        const bool ok = dm.downloadFileFromUrl(server.url(QStringLiteral("/list")), dest);
        const double seconds = t.nsecsElapsed() / 1e9;
        if (!ok || QFileInfo(dest).size() != body.size()) {
            std::fprintf(stderr, "download of %lld MB failed\n", static_cast<long long>(mb));
            return 1;
        }
        std::printf("%7lld MB %10.3f %10.1f %22.1f\n", static_cast<long long>(mb), seconds, mb / seconds,
                    statusMb("VmHWM:") - before);
    }
    return 0;
}
