#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QThread>

#include <functional>

class QTcpServer;

namespace zw::test {

// One canned HTTP/1.1 answer.
struct HttpResponse {
    int status = 200;
    QByteArray reason = "OK";
    // Extra header lines in order. Content-Length is added unless listed here.
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    // When >= 0, Content-Length announces this many bytes but only `body` is
    // sent before the connection is closed: a transfer broken off mid-body.
    qint64 announcedLength = -1;
    // Send the body in pieces of this size with `pieceDelayMs` between them (0: at once).
    int pieceSize = 0;
    int pieceDelayMs = 0;

    // 200 OK with `body`.
    static HttpResponse ok(const QByteArray& body);
    // A status without body, e.g. error(404, "Not Found") or error(500, "Internal Server Error").
    static HttpResponse error(int status, const QByteArray& reason);
    // A redirect to `location`; 302 "Found" unless told otherwise. Carries a small HTML body.
    static HttpResponse redirect(const QByteArray& location, int status = 302, const QByteArray& reason = "Found");
    // Announces `announced` bytes, sends `sent` and closes the connection.
    static HttpResponse brokenOff(const QByteArray& sent, qint64 announced);
};

// One request as the server received it.
struct ReceivedRequest {
    QByteArray method;
    // The request target as sent: "/path" from a client, "http://host:port/path" through a proxy.
    QByteArray target;
    QByteArray version;
    QList<QPair<QByteArray, QByteArray>> headers; // in order, names as sent
    QByteArray body;

    // Value of the first header named `name` (case-insensitive); empty when absent.
    QByteArray header(const QByteArray& name) const;
    bool hasHeader(const QByteArray& name) const;
    // The target's path: "/path" also for the absolute form a proxy receives.
    QByteArray path() const;
    bool viaProxy() const { return !target.startsWith('/'); }
};

// A small real HTTP/1.1 server for tests. It listens on 127.0.0.1 on a free
// port and serves from its own thread, so a synchronous client on the test's
// thread can talk to it. Answers are looked up by path (query included); an
// unknown path gets 404 "Not Found". Requests in absolute form (as a client
// sends them to a proxy) are served by their path too, so the server can also
// stand in for an HTTP proxy: pass 127.0.0.1 and port() as the proxy and check
// requests().at(i).viaProxy().
//
//   TestHttpServer server;
//   server.setResponse("/_download/list.txt", HttpResponse::ok("a@b\r\n"));
//   download(server.url("/_download/list.txt"), ...);
//   EXPECT_EQ(server.requests().size(), 1);
//
// Each connection serves requests until the client closes it (keep-alive),
// except after a broken-off answer or one with "Connection: close".
class TestHttpServer {
public:
    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    quint16 port() const { return m_port; }
    // "http://127.0.0.1:<port>" + path.
    QString url(const QString& path) const;
    // "127.0.0.1:<port>", the form DataModule's download-server setting takes.
    QString hostAndPort() const;

    // Thread-safe; may be changed between requests.
    void setResponse(const QString& path, const HttpResponse& response);
    // Answers every request with 407 until it carries Basic credentials `user`:`password`
    // in Proxy-Authorization (a proxy that wants a login). Empty user: no login needed.
    void requireProxyLogin(const QByteArray& user, const QByteArray& password);

    // Runs on the server's thread for every request, before it is answered: lets a
    // test look at the client's state (files, log) while its request is in flight.
    void setRequestHook(std::function<void(const ReceivedRequest&)> hook);

    QList<ReceivedRequest> requests() const;
    void clearRequests();

    // A URL on 127.0.0.1 where nothing listens: a connection there is refused.
    static QString refusedUrl(const QString& path);

private:
    class Worker;
    friend class Worker;

    HttpResponse responseFor(const ReceivedRequest& request) const;
    void record(const ReceivedRequest& request);

    mutable QMutex m_mutex;
    QHash<QByteArray, HttpResponse> m_responses;
    QList<ReceivedRequest> m_requests;
    QByteArray m_proxyCredentials; // base64 "user:password", empty when not required
    std::function<void(const ReceivedRequest&)> m_hook;
    QThread m_thread;
    Worker* m_worker = nullptr;
    quint16 m_port = 0;
};

} // namespace zw::test
