#include "base/AppError.h"
#include "core/DataModule.h"

#include "ArtikelTestSupport.h"
#include "FakePlatform.h"
#include "TestHttpServer.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>
#include <QUrl>

#include <functional>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::HttpResponse;
using zw::test::readFile;
using zw::test::ReceivedRequest;
using zw::test::ScopedFakePlatform;
using zw::test::TestHttpServer;
using zw::test::writeFile;

namespace {

const QString Stamp = QStringLiteral("[2020.02.03 - 09:05:07] ");
const QByteArray PreviousList = "0001234567@Alte Liste@4006381333931\r\n\xE4lter\r\n";

class Download : public ::testing::Test {
protected:
    void SetUp() override {
        dm.homedir = p.root() + QStringLiteral("home/");
        QDir().mkpath(dm.homedir);
        dm.schreibeLog = true;
        folder = p.root() + QStringLiteral("articles/");
        QDir().mkpath(folder);
        dest = folder + QStringLiteral("artikel_ean_liste.txt");
    }

    static QStringList withoutStamps(const QStringList& lines) {
        QStringList texts;
        for (const QString& line : lines) {
            EXPECT_TRUE(line.startsWith(Stamp)) << line.toStdString();
            texts.append(line.mid(Stamp.size()));
        }
        return texts;
    }
    QStringList logTexts() const { return withoutStamps(dm.sLogger); }
    // What the last save point put on disk.
    QStringList savedLogTexts() const {
        QString text = QString::fromLatin1(readFile(dm.homedir + dm.loggerNameAndTimestamp));
        text.chop(2); // the last line's CR LF
        return withoutStamps(text.split(QStringLiteral("\r\n")));
    }
    QStringList folderEntries() const { return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System); }

    QStringList openingLines(const QString& url) const {
        return {QStringLiteral("~~~~~~~ DOWNLOAD URL: ") + url, QStringLiteral("~~~~~~~ DESTINATION FILE: ") + dest,
                QStringLiteral("~~~~~~~ CREATE FILESTREAM"), QStringLiteral("~~~~~~~ HTTP.GET")};
    }

    ScopedFakePlatform p;
    TDataModule1 dm;
    TestHttpServer server;
    QString folder;
    QString dest;
};

TEST_F(Download, SuccessReplacesTheDestinationWithTheExactBody) {
    struct Row {
        const char* name;
        QByteArray body;
        bool previousFile;
    };
    const Row rows[] = {
        {"text list, new file", "1234567@Schraube@4006381333931\r\n7654321@Mutter@\r\n", false},
        {"text list over an older one", "1234567@Schraube@4006381333931\r\n", true},
        // Bytes are stored as sent: BOM, NUL bytes and bare line ends survive.
        {"UTF-16 with mark", QByteArray("\xFF\xFE\x31\x00\x40\x00\r\x00\n\x00", 10), false},
        {"empty body", "", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.previousFile)
            writeFile(dest, PreviousList);
        else
            QFile::remove(dest);
        dm.sLogger.clear();
        server.clearRequests();
        server.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"), HttpResponse::ok(row.body));
        const QString url = server.url(QStringLiteral("/_download/artikel_ean_liste.txt"));

        // The last save point before the request must already be on disk, and
        // the previous file must still be whole while the body is on its way.
        QStringList savedAtRequest;
        QByteArray destinationAtRequest;
        server.setRequestHook([&](const ReceivedRequest&) {
            savedAtRequest = savedLogTexts();
            destinationAtRequest = readFile(dest);
        });

        EXPECT_TRUE(dm.downloadFileFromUrl(url, dest));
        server.setRequestHook({});

        EXPECT_EQ(readFile(dest), row.body);
        EXPECT_TRUE(QFile::exists(dest)) << "an empty body still gives a file";
        EXPECT_EQ(folderEntries(), QStringList(QStringLiteral("artikel_ean_liste.txt"))) << "no temporary file left";
        EXPECT_EQ(savedAtRequest, openingLines(url));
        EXPECT_EQ(destinationAtRequest, row.previousFile ? PreviousList : QByteArray());
        EXPECT_EQ(logTexts(), openingLines(url) << QStringLiteral("~~~~~~~ HTTP.GET FINISHED"));
        EXPECT_EQ(savedLogTexts(), logTexts());
        EXPECT_TRUE(p->messages.isEmpty());
        ASSERT_EQ(server.requests().size(), 1);
        EXPECT_EQ(server.requests()[0].method, "GET");
        EXPECT_FALSE(server.requests()[0].viaProxy());
    }
}

TEST_F(Download, EveryFailureIsReportedOnceAndKeepsThePreviousFile) {
    const QString elsewhere = QStringLiteral("/_download/elsewhere.txt");
    server.setResponse(elsewhere, HttpResponse::ok("the redirect's target must not be fetched"));
    const QString existingLocalFile = p->program + QStringLiteral("local.txt");
    writeFile(existingLocalFile, "local content");

    struct Row {
        const char* name;
        std::function<QString()> prepare; // sets the server up, returns the URL
        QString error;                    // "%URL" stands for the URL
    };
    auto answer = [this](const HttpResponse& response) {
        return [this, response] {
            server.setResponse(QStringLiteral("/_download/list.txt"), response);
            return server.url(QStringLiteral("/_download/list.txt"));
        };
    };
    HttpResponse emptyReason = HttpResponse::error(500, "");
    emptyReason.body = "body of an error page";
    const Row rows[] = {
        {"404", answer(HttpResponse::error(404, "Not Found")),
         QStringLiteral("Error transferring %URL - server replied: Not Found")},
        {"302 redirect", answer(HttpResponse::redirect(server.url(elsewhere).toUtf8())),
         QStringLiteral("Error transferring %URL - server replied: 302 Found")},
        {"301 redirect", answer(HttpResponse::redirect(elsewhere.toUtf8(), 301, "Moved Permanently")),
         QStringLiteral("Error transferring %URL - server replied: 301 Moved Permanently")},
        {"500 without reason phrase", answer(emptyReason),
         QStringLiteral("Error transferring %URL - server replied: 500")},
        {"transfer broken off mid-body", answer(HttpResponse::brokenOff(QByteArray(3000, 'x'), 100000)),
         QStringLiteral("Connection closed")},
        {"connection refused", [] { return TestHttpServer::refusedUrl(QStringLiteral("/_download/list.txt")); },
         QStringLiteral("Connection refused")},
        {"not a web address", [&] { return QUrl::fromLocalFile(existingLocalFile).toString(); },
         QStringLiteral("Protocol \"file\" is unknown")},
    };
    for (const Row& row : rows) {
        for (const bool previousFile : {true, false}) {
            SCOPED_TRACE(std::string(row.name) + (previousFile ? ", previous file" : ", no previous file"));
            if (previousFile)
                writeFile(dest, PreviousList);
            else
                QFile::remove(dest);
            dm.sLogger.clear();
            p->messages.clear();
            server.clearRequests();
            const QString url = row.prepare();
            const QString error = QString(row.error).replace(QStringLiteral("%URL"), url);

            EXPECT_FALSE(dm.downloadFileFromUrl(url, dest));

            if (previousFile) {
                EXPECT_EQ(readFile(dest), PreviousList);
                EXPECT_EQ(folderEntries(), QStringList(QStringLiteral("artikel_ean_liste.txt")));
            } else {
                EXPECT_EQ(folderEntries(), QStringList()) << "a failed download leaves no file";
            }
            EXPECT_EQ(logTexts(), openingLines(url) << QStringLiteral("~~~~~~~ ERROR [downloadFileFromUrl]") << error);
            EXPECT_EQ(savedLogTexts(), logTexts());
            ASSERT_EQ(p->messages.size(), 1);
            EXPECT_EQ(p->messages[0].icon, MessageIcon::Error);
            EXPECT_EQ(p->messages[0].buttons, MessageButtons::Ok);
            EXPECT_EQ(p->messages[0].caption, QStringLiteral("Fehler"));
            EXPECT_EQ(p->messages[0].text,
                      QStringLiteral("A connection in use of your proxy could not be established. (") + error + ")");
            for (const ReceivedRequest& r : server.requests())
                EXPECT_NE(r.path(), elsewhere.toUtf8()) << "redirects are not followed";
        }
    }
}

TEST_F(Download, DestinationThatCannotBeCreatedIsRaisedBeforeAnyRequest) {
    server.setResponse(QStringLiteral("/_download/list.txt"), HttpResponse::ok("list"));
    const QString url = server.url(QStringLiteral("/_download/list.txt"));
    const QString folderAsDestination = folder + QStringLiteral("sub");
    QDir().mkpath(folderAsDestination);
    const QString rows[] = {p.root() + QStringLiteral("missing/artikel_ean_liste.txt"), folderAsDestination};
    for (const QString& target : rows) {
        SCOPED_TRACE(target.toStdString());
        dm.sLogger.clear();
        dest = target;
        try {
            dm.downloadFileFromUrl(url, target);
            ADD_FAILURE() << "no error raised";
        } catch (const AppError& e) {
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("Cannot create file \"") + target + "\". "))
                << e.message().toStdString();
        }
        const QStringList firstThree = openingLines(url).mid(0, 3);
        EXPECT_EQ(logTexts(), firstThree);
        EXPECT_EQ(savedLogTexts(), firstThree);
        EXPECT_TRUE(server.requests().isEmpty());
        EXPECT_TRUE(p->messages.isEmpty());
    }
    EXPECT_TRUE(QFileInfo(folderAsDestination).isDir());
}

TEST_F(Download, SendsOnlyTheClientsDefaultHeaders) {
    server.setResponse(QStringLiteral("/a"), HttpResponse::ok("a"));
    ASSERT_TRUE(dm.downloadFileFromUrl(server.url(QStringLiteral("/a")), dest));

    // A bare request of the same client is the reference for "default headers".
    QNetworkAccessManager manager;
    QEventLoop loop;
    QNetworkReply* reply = manager.get(QNetworkRequest(QUrl(server.url(QStringLiteral("/a")))));
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    delete reply;

    const QList<ReceivedRequest> requests = server.requests();
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].target, "/a");
    EXPECT_EQ(requests[0].headers, requests[1].headers);
}

} // namespace

namespace {

// A download into a file that runs out of room names the system's reason and
// leaves no Qt warning on stderr.
TEST_F(Download, FullDiskIsReportedWithTheSystemsMessage) {
    server.setResponse(QStringLiteral("/big"), HttpResponse::ok(QByteArray(200000, 'x')));
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings.append(text); });
    dm.schreibeLog = false; // the log must not be what hits the limit
    bool ok = true;
    {
        const zw::test::FileSizeLimit limit(50000);
        ok = dm.downloadFileFromUrl(server.url(QStringLiteral("/big")), dest);
    }
    qInstallMessageHandler(previous);
    EXPECT_FALSE(ok);
    ASSERT_EQ(p->messages.size(), 1);
    EXPECT_EQ(p->messages.first().text,
              QStringLiteral("A connection in use of your proxy could not be established. (File too large)"));
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_FALSE(QFile::exists(dest));
}

} // namespace
