#include "core/HttpGet.h"

#include "base/Convert.h"

#include <QEventLoop>
#include <QIODevice>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include <memory>

namespace zw {

namespace {

constexpr int DefaultHttpPort = 80;
// Bounds what the network layer holds before it reaches the file, however large the list.
constexpr qint64 ReadBufferSize = 1024 * 1024;

// Local event loops of httpGet now running (a nested one runs inside a timer of the outer).
int g_waiting = 0;

struct Waiting {
    Waiting() { ++g_waiting; }
    ~Waiting() { --g_waiting; }
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;
};

bool isSuccessStatus(int status) {
    return status >= 200 && status <= 299;
}

int statusOf(const QNetworkReply& reply) {
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

// The text for a status the network layer lets through (a redirect under the
// manual policy): worded like its own "server replied" errors, with the code.
QString statusError(const QUrl& url, const QNetworkReply& reply) {
    const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    return trimControl(QStringLiteral("Error transferring %1 - server replied: %2 %3")
                           .arg(url.toString(), QString::number(statusOf(reply)), reason));
}

} // namespace

bool httpGetWaiting() {
    return g_waiting > 0;
}

QString httpGet(const QString& url, const HttpProxySettings& proxy, QIODevice& out) {
    const QUrl target(url);
    // The network layer would also read file: and other schemes; only web
    // addresses are downloads.
    const QString scheme = target.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return QStringLiteral("Protocol \"%1\" is unknown").arg(target.scheme());

    QNetworkAccessManager manager;
    if (!proxy.host.isEmpty())
        manager.setProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host,
                                       quint16(proxy.port > 0 && proxy.port <= 65535 ? proxy.port : DefaultHttpPort),
                                       proxy.user, proxy.password));

    QNetworkRequest request(target);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));
    reply->setReadBufferSize(ReadBufferSize);

    QEventLoop loop;
    QString writeError;
    auto takeBody = [&] {
        // An aborted reply is closed: reading it again only draws a warning.
        if (!writeError.isNull() || !reply->isOpen())
            return;
        const QByteArray chunk = reply->readAll();
        // Only a success response's body belongs in the file.
        if (chunk.isEmpty() || !isSuccessStatus(statusOf(*reply)))
            return;
        // A file short of room first takes what fits; only the next write
        // fails, with the system's reason ("No space left on device").
        for (qsizetype done = 0; done < chunk.size();) {
            const qint64 n = out.write(chunk.constData() + done, chunk.size() - done);
            if (n <= 0) {
                writeError = out.errorString();
                reply->abort();
                return;
            }
            done += n;
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, takeBody);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished()) {
        const Waiting waiting;
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (!reply->isFinished())
        reply->abort(); // no event loop to wait in
    takeBody();

    if (!writeError.isNull())
        return writeError;
    const int status = statusOf(*reply);
    const bool hasReason =
        !trimControl(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()).isEmpty();
    if (reply->error() != QNetworkReply::NoError)
        // Its "server replied: <reason>" says nothing when the reason is empty; then name the code.
        return (status != 0 && !hasReason) ? statusError(target, *reply) : reply->errorString();
    if (!isSuccessStatus(status))
        return statusError(target, *reply);
    return {};
}

} // namespace zw
