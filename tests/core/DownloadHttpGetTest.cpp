#include "core/HttpGet.h"

#include "TestHttpServer.h"

#include <QBuffer>
#include <QTimer>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::HttpResponse;
using zw::test::TestHttpServer;

namespace {

// A disk that is full.
class FullDevice : public QIODevice {
public:
    FullDevice() {
        open(QIODevice::WriteOnly);
        setErrorString(QStringLiteral("No space left on device"));
    }
    int writes = 0;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override {
        ++writes;
        return -1;
    }
};

TEST(HttpGet, WritesOnlyTheBodyOfASuccessResponse) {
    TestHttpServer server;
    struct Row {
        const char* name;
        HttpResponse response;
        QByteArray written;
    };
    HttpResponse notFound = HttpResponse::error(404, "Not Found");
    notFound.body = "<html>error page</html>";
    HttpResponse created = HttpResponse::error(201, "Created");
    created.body = "2xx counts as success";
    const Row rows[] = {
        {"200", HttpResponse::ok("liste"), "liste"},
        {"201", created, "2xx counts as success"},
        {"404 with an error page", notFound, ""},
        {"302 with a page", HttpResponse::redirect("/elsewhere"), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        server.setResponse(QStringLiteral("/f"), row.response);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        const QString error = httpGet(server.url(QStringLiteral("/f")), {}, out);
        EXPECT_EQ(error.isNull(), row.response.status / 100 == 2) << error.toStdString();
        EXPECT_EQ(out.data(), row.written);
    }
}

TEST(HttpGet, StreamsTheBodyAsItArrives) {
    TestHttpServer server;
    const QByteArray body(4 * 65536, 'e');
    HttpResponse slow = HttpResponse::ok(body);
    slow.pieceSize = 65536;
    slow.pieceDelayMs = 150;
    server.setResponse(QStringLiteral("/big"), slow);

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    // The GET waits in a local event loop, so a timer can watch the device meanwhile.
    qint64 largestPartial = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (out.size() < body.size())
            largestPartial = std::max(largestPartial, out.size());
    });
    poll.start(10);
    EXPECT_TRUE(httpGet(server.url(QStringLiteral("/big")), {}, out).isNull());
    poll.stop();

    EXPECT_GT(largestPartial, 0) << "nothing was written before the whole body had arrived";
    EXPECT_EQ(out.data(), body);
}

TEST(HttpGet, ADeviceThatRefusesTheBodyEndsTheTransferWithItsError) {
    TestHttpServer server;
    HttpResponse slow = HttpResponse::ok(QByteArray(20 * 1024, 'e'));
    slow.pieceSize = 1024;
    slow.pieceDelayMs = 50;
    server.setResponse(QStringLiteral("/big"), slow);

    FullDevice full;
    EXPECT_EQ(httpGet(server.url(QStringLiteral("/big")), {}, full), QStringLiteral("No space left on device"));
    EXPECT_EQ(full.writes, 1) << "the transfer goes on after the first failed write";
}

} // namespace
