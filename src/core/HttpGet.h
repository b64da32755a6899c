#pragma once

#include <QString>

class QIODevice;

namespace zw {

// An HTTP proxy to send requests through; an empty host means none.
struct HttpProxySettings {
    QString host;
    int port = 0; // below 1: the HTTP default port
    QString user;
    QString password;
};

// A synchronous plain HTTP GET of `url` with the client's default headers: waits
// in a local event loop on the calling thread (user input is held back, no
// time-out) and writes the body of a success response into `out` as it arrives.
// Redirects are not followed. Returns a null string on success (a 2xx status and
// the whole body received), otherwise the error's text: the network layer's own,
// "… server replied: <reason>" style for HTTP statuses, the device's error when
// `out` refuses the body.
QString httpGet(const QString& url, const HttpProxySettings& proxy, QIODevice& out);

// Whether an httpGet waits in its local event loop: timers run there, and a
// timer that changes the article list must wait until the download is done.
bool httpGetWaiting();

} // namespace zw
