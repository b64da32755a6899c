#include "TestHttpServer.h"

#include <QHostAddress>
#include <QMetaObject>
#include <QMutexLocker>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace zw::test {

namespace {

using HeaderList = QList<QPair<QByteArray, QByteArray>>;

bool sameName(const QByteArray& a, const QByteArray& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const QByteArray* findHeader(const HeaderList& headers, const QByteArray& name) {
    for (const auto& h : headers)
        if (sameName(h.first, name))
            return &h.second;
    return nullptr;
}

// Parses one request from the front of `buffer`; false while it is incomplete.
bool takeRequest(QByteArray& buffer, ReceivedRequest& request) {
    const qsizetype headEnd = buffer.indexOf("\r\n\r\n");
    if (headEnd < 0)
        return false;
    const QList<QByteArray> lines = buffer.left(headEnd).split('\n');
    ReceivedRequest r;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    r.method = requestLine.value(0);
    r.target = requestLine.value(1);
    r.version = requestLine.value(2);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            r.headers.emplaceBack(line.left(colon).trimmed(), line.mid(colon + 1).trimmed());
    }
    const QByteArray* length = findHeader(r.headers, "Content-Length");
    const qsizetype bodyLength = length ? length->toLongLong() : 0;
    const qsizetype total = headEnd + 4 + bodyLength;
    if (buffer.size() < total)
        return false;
    r.body = buffer.mid(headEnd + 4, bodyLength);
    buffer.remove(0, total);
    request = r;
    return true;
}

QByteArray headOf(const HttpResponse& response) {
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + response.reason + "\r\n";
    for (const auto& h : response.headers)
        head += h.first + ": " + h.second + "\r\n";
    if (!findHeader(response.headers, "Content-Length")) {
        const qint64 length = response.announcedLength >= 0 ? response.announcedLength : response.body.size();
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    return head + "\r\n";
}

bool closesAfter(const HttpResponse& response) {
    const QByteArray* connection = findHeader(response.headers, "Connection");
    return response.announcedLength >= 0 || (connection && sameName(*connection, "close"));
}

} // namespace

HttpResponse HttpResponse::ok(const QByteArray& body) {
    HttpResponse r;
    r.body = body;
    return r;
}

HttpResponse HttpResponse::error(int status, const QByteArray& reason) {
    HttpResponse r;
    r.status = status;
    r.reason = reason;
    return r;
}

HttpResponse HttpResponse::redirect(const QByteArray& location, int status, const QByteArray& reason) {
    HttpResponse r = error(status, reason);
    r.headers.emplaceBack("Location", location);
    r.headers.emplaceBack("Content-Type", "text/html");
    r.body = "<html><body>Moved to <a href=\"" + location + "\">here</a>.</body></html>";
    return r;
}

HttpResponse HttpResponse::brokenOff(const QByteArray& sent, qint64 announced) {
    HttpResponse r = ok(sent);
    r.announcedLength = announced;
    return r;
}

QByteArray ReceivedRequest::header(const QByteArray& name) const {
    const QByteArray* value = findHeader(headers, name);
    return value ? *value : QByteArray();
}

bool ReceivedRequest::hasHeader(const QByteArray& name) const {
    return findHeader(headers, name) != nullptr;
}

QByteArray ReceivedRequest::path() const {
    if (target.startsWith('/'))
        return target;
    const qsizetype scheme = target.indexOf("://");
    const qsizetype slash = target.indexOf('/', scheme < 0 ? 0 : scheme + 3);
    return slash < 0 ? QByteArray("/") : target.mid(slash);
}

// Lives in the server's thread: accepts connections and answers them.
class TestHttpServer::Worker : public QObject {
public:
    explicit Worker(TestHttpServer& owner) : m_owner(owner) {}

    quint16 listen() {
        m_server = new QTcpServer(this);
        if (!m_server->listen(QHostAddress::LocalHost, 0))
            return 0;
        QObject::connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                    m_connections.remove(socket);
                    socket->deleteLater();
                });
            }
        });
        return m_server->serverPort();
    }

private:
    struct Connection {
        QByteArray buffer;
        bool busy = false; // an answer is still being sent in pieces
    };

    void serve(QTcpSocket* socket) {
        Connection& c = m_connections[socket];
        c.buffer += socket->readAll();
        if (c.busy)
            return;
        ReceivedRequest request;
        while (!c.busy && takeRequest(c.buffer, request)) {
            m_owner.record(request);
            const HttpResponse response = m_owner.responseFor(request);
            socket->write(headOf(response));
            if (response.pieceSize > 0 && response.body.size() > response.pieceSize) {
                c.busy = true;
                sendPieces(socket, response, 0);
                return;
            }
            socket->write(response.body);
            if (finish(socket, response))
                return;
        }
    }

    void sendPieces(QTcpSocket* socket, const HttpResponse& response, qsizetype offset) {
        // A piece goes out only once the previous one has left, so the socket
        // never buffers the whole body (the benchmarks measure memory).
        if (socket->bytesToWrite() > 0) {
            QTimer::singleShot(1, socket, [this, socket, response, offset] { sendPieces(socket, response, offset); });
            return;
        }
        socket->write(response.body.mid(offset, response.pieceSize));
        const qsizetype next = offset + response.pieceSize;
        if (next >= response.body.size()) {
            if (!finish(socket, response)) {
                m_connections[socket].busy = false;
                serve(socket); // requests that arrived meanwhile
            }
            return;
        }
        QTimer::singleShot(response.pieceDelayMs, socket,
                           [this, socket, response, next] { sendPieces(socket, response, next); });
    }

    // Closes the connection when the answer demands it; true when closed.
    bool finish(QTcpSocket* socket, const HttpResponse& response) {
        if (!closesAfter(response))
            return false;
        m_connections.remove(socket);
        socket->disconnectFromHost(); // after the pending bytes are written
        return true;
    }

    TestHttpServer& m_owner;
    QTcpServer* m_server = nullptr;
    QHash<QTcpSocket*, Connection> m_connections;
};

TestHttpServer::TestHttpServer() {
    m_worker = new Worker(*this);
    m_worker->moveToThread(&m_thread);
    m_thread.setObjectName(QStringLiteral("TestHttpServer"));
    m_thread.start();
    QMetaObject::invokeMethod(
        m_worker, [this] { m_port = m_worker->listen(); }, Qt::BlockingQueuedConnection);
}

TestHttpServer::~TestHttpServer() {
    // The worker and its sockets belong to the server thread: delete them there.
    QMetaObject::invokeMethod(
        m_worker, [this] { delete m_worker; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

QString TestHttpServer::url(const QString& path) const {
    return QStringLiteral("http://") + hostAndPort() + path;
}

QString TestHttpServer::hostAndPort() const {
    return QStringLiteral("127.0.0.1:%1").arg(m_port);
}

void TestHttpServer::setResponse(const QString& path, const HttpResponse& response) {
    QMutexLocker lock(&m_mutex);
    m_responses.insert(path.toUtf8(), response);
}

void TestHttpServer::requireProxyLogin(const QByteArray& user, const QByteArray& password) {
    QMutexLocker lock(&m_mutex);
    m_proxyCredentials = user.isEmpty() ? QByteArray() : (user + ':' + password).toBase64();
}

QList<ReceivedRequest> TestHttpServer::requests() const {
    QMutexLocker lock(&m_mutex);
    return m_requests;
}

void TestHttpServer::clearRequests() {
    QMutexLocker lock(&m_mutex);
    m_requests.clear();
}

HttpResponse TestHttpServer::responseFor(const ReceivedRequest& request) const {
    QMutexLocker lock(&m_mutex);
    if (!m_proxyCredentials.isEmpty() && request.header("Proxy-Authorization") != "Basic " + m_proxyCredentials) {
        HttpResponse login = HttpResponse::error(407, "Proxy Authentication Required");
        login.headers.emplaceBack("Proxy-Authenticate", "Basic realm=\"test\"");
        return login;
    }
    return m_responses.value(request.path(), HttpResponse::error(404, "Not Found"));
}

void TestHttpServer::setRequestHook(std::function<void(const ReceivedRequest&)> hook) {
    QMutexLocker lock(&m_mutex);
    m_hook = std::move(hook);
}

void TestHttpServer::record(const ReceivedRequest& request) {
    std::function<void(const ReceivedRequest&)> hook;
    {
        QMutexLocker lock(&m_mutex);
        m_requests.append(request);
        hook = m_hook;
    }
    if (hook)
        hook(request);
}

QString TestHttpServer::refusedUrl(const QString& path) {
    // Take a free port and give it back: nothing listens there afterwards.
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port) + path;
}

} // namespace zw::test
