#include "core/DataModule.h"

#include "FakePlatform.h"
#include "TestHttpServer.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::HttpResponse;
using zw::test::readFile;
using zw::test::ReceivedRequest;
using zw::test::ScopedFakePlatform;
using zw::test::TestHttpServer;
using zw::test::writeFile;

namespace {

// The test server plays the proxy: a request for a host that does not exist
// can only succeed when it went through it.
TEST(DownloadThroughProxy, UsesTheProxyValuesOfTheDataModule) {
    const QString url = QStringLiteral("http://download.zeichwerk.invalid/_download/artikel_ean_liste.txt");
    struct Row {
        const char* name;
        QByteArray requiredUser, requiredPassword; // empty: the proxy wants no login
        QString user, password;                    // what the dialog stored
        bool succeeds;
    };
    const Row rows[] = {
        {"open proxy", "", "", "", "", true},
        {"login accepted", "lieferant", "geheim", "lieferant", "geheim", true},
        {"wrong password", "lieferant", "geheim", "lieferant", "falsch", false},
        {"login missing", "lieferant", "geheim", "", "", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScopedFakePlatform p;
        TestHttpServer proxy;
        proxy.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"), HttpResponse::ok("1234567@Liste\r\n"));
        proxy.requireProxyLogin(row.requiredUser, row.requiredPassword);
        TDataModule1 dm;
        dm.proxyName = QStringLiteral("127.0.0.1");
        dm.proxyPort = proxy.port();
        dm.proxyUser = row.user;
        dm.proxyPswd = row.password;
        const QString dest = p.root() + QStringLiteral("artikel_ean_liste.txt");
        writeFile(dest, "vorher");

        EXPECT_EQ(dm.downloadFileFromUrl(url, dest), row.succeeds);

        const QList<ReceivedRequest> requests = proxy.requests();
        ASSERT_FALSE(requests.isEmpty());
        for (const ReceivedRequest& r : requests)
            EXPECT_EQ(r.target, url.toUtf8()) << "every request goes to the proxy in absolute form";
        if (row.succeeds) {
            EXPECT_EQ(readFile(dest), "1234567@Liste\r\n");
            EXPECT_TRUE(p->messages.isEmpty());
            if (!row.requiredUser.isEmpty()) {
                EXPECT_EQ(requests.last().header("Proxy-Authorization"),
                          "Basic " + (row.requiredUser + ':' + row.requiredPassword).toBase64());
            }
        } else {
            EXPECT_EQ(readFile(dest), "vorher");
            ASSERT_EQ(p->messages.size(), 1);
            EXPECT_TRUE(p->messages[0].text.startsWith(
                QStringLiteral("A connection in use of your proxy could not be established. (")));
            EXPECT_EQ(dm.sLogger.size(), 6);
        }
    }
}

} // namespace
