#include "cli/Commands.h"

#include "CliRun.h"
#include "FakePlatform.h"
#include "TestHttpServer.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

using namespace zw;
using namespace zw::cli;
using namespace zw::test;

namespace {

const QByteArray kArticles = "\xEF\xBB\xBF[Anzahl]\r\nAnzahl=3\r\n"
                             "[TArtikel_1]\r\nMatNr=1234567\r\nBezeichnung=alt\r\n"
                             "[TArtikel_2]\r\nMatNr=2345678\r\nBezeichnung=alt\r\n"
                             "[TArtikel_3]\r\nMatNr=999\r\nBezeichnung=alt\r\n";
const QByteArray kList = "000000000001234567@Neu@4006381333931@@@@@@@@@@@@\r\n"
                         "000000000002345678@alt@@@@@@@@@@@@@\r\n";

// An installation: program folder with Barcode.ini, a home folder and an article folder.
struct Installation {
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program")) + QLatin1Char('/');
    QString home = dir.filePath(QStringLiteral("home")) + QLatin1Char('/');
    QString articles = dir.filePath(QStringLiteral("net/articles")) + QLatin1Char('/');

    explicit Installation(const QByteArray& extraSettings = QByteArray()) {
        QDir().mkpath(home);
        writeFile(program + QStringLiteral("Barcode.ini"),
                  "[Einstellungen]\r\nArtNrPfad=" + articles.toUtf8() + "\r\n" + extraSettings);
        writeFile(articles + QStringLiteral("Artikel.ini"), kArticles);
    }
    QString articleFile() const { return articles + QStringLiteral("Artikel.ini"); }
    QString list() const { return articles + QStringLiteral("artikel_ean_liste.txt"); }
    CliResult run(const QStringList& extra = {}) const {
        return runCliCommand(QStringList({QStringLiteral("update-articles"), QStringLiteral("--program-folder"),
                                          program, QStringLiteral("--home"), home}) +
                             extra);
    }
};

TEST(UpdateArticlesCli, RejectsBadArguments) {
    Installation inst;
    struct Row {
        QStringList args;
        int status;
        const char* errContains;
    };
    const Row rows[] = {
        {{}, ExitBadInput, "Usage: zeichwerk-cli update-articles"},
        {{"--program-folder", inst.program}, ExitBadInput, "Usage:"},
        {{"--home", inst.home}, ExitBadInput, "Usage:"},
        {{"--program-folder", inst.program, "--home", inst.home, "--frobnicate"}, ExitBadInput, "frobnicate"},
        {{"--program-folder", inst.program, "--home", inst.home, "extra"}, ExitBadInput, "Usage:"},
        {{"--program-folder", inst.dir.filePath("none"), "--home", inst.home},
         ExitBadInput,
         "program folder not found"},
        {{"--program-folder", inst.program, "--home", inst.dir.filePath("none")},
         ExitBadInput,
         "home folder not found"},
        {{"--help"}, ExitOk, ""},
    };
    for (const Row& r : rows) {
        const CliResult res = runCliCommand(QStringList(QStringLiteral("update-articles")) + r.args);
        EXPECT_EQ(res.status, r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE(res.err.contains(QString::fromUtf8(r.errContains))) << res.err.toStdString();
    }
    EXPECT_EQ(readFile(inst.articleFile()), kArticles);
}

TEST(UpdateArticlesCli, MergesTheListAndCountsTheChangedArticles) {
    Installation inst;
    writeFile(inst.list(), kList);
    const CliResult res = inst.run();
    EXPECT_EQ(res.status, ExitOk) << res.err.toStdString();
    // 1234567 takes a new designation and EAN; 2345678 gets default numbers; 999 is never changed.
    EXPECT_EQ(res.out, QStringLiteral("3 articles, 2 changed\n"));
    const QString file = QString::fromUtf8(readFile(inst.articleFile()));
    EXPECT_TRUE(
        file.contains(QStringLiteral("[TArtikel_1]\r\nMatNr=1234567\r\nBezeichnung=Neu\r\nEAN=4006381333931\r\n")))
        << file.toStdString();
    EXPECT_TRUE(file.contains(QStringLiteral("MatNr=999\r\nBezeichnung=alt\r\n")));

    // A second run finds nothing new.
    const CliResult again = inst.run();
    EXPECT_EQ(again.status, ExitOk);
    EXPECT_EQ(again.out, QStringLiteral("3 articles, 0 changed\n"));
}

TEST(UpdateArticlesCli, WithoutAListOrArticleFileNothingIsTouched) {
    {
        Installation inst;
        const CliResult res = inst.run();
        EXPECT_EQ(res.status, ExitBadInput);
        EXPECT_TRUE(res.err.contains(QStringLiteral("EAN list not found: ") + inst.list())) << res.err.toStdString();
        EXPECT_EQ(readFile(inst.articleFile()), kArticles);
    }
    {
        Installation inst;
        QFile::remove(inst.articleFile());
        writeFile(inst.list(), kList);
        const CliResult res = inst.run();
        EXPECT_EQ(res.status, ExitBadInput);
        EXPECT_TRUE(res.err.contains(QStringLiteral("no article file: ") + inst.articleFile()))
            << res.err.toStdString();
        EXPECT_FALSE(QFile::exists(inst.articleFile()));
    }
}

TEST(UpdateArticlesCli, WhileAnotherWorkstationEditsNothingIsWritten) {
    Installation inst;
    QFile::rename(inst.articleFile(), inst.articles + QStringLiteral("open_Artikel.ini"));
    writeFile(inst.list(), kList);
    const CliResult res = inst.run();
    EXPECT_EQ(res.status, ExitOk);
    EXPECT_EQ(res.out, QStringLiteral("3 articles, 0 changed\n"));
    EXPECT_TRUE(res.err.contains(QStringLiteral("being edited"))) << res.err.toStdString();
    EXPECT_EQ(readFile(inst.articles + QStringLiteral("open_Artikel.ini")), kArticles);
    EXPECT_FALSE(QFile::exists(inst.articleFile()));
}

TEST(UpdateArticlesCli, HomeFolderIsTheArticleFolderWhenNoneIsSet) {
    Installation inst;
    writeFile(inst.program + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\nArtNrPfad=\r\nLogger=True\r\n");
    writeFile(inst.home + QStringLiteral("Artikel.ini"), kArticles);
    writeFile(inst.home + QStringLiteral("artikel_ean_liste.txt"), kList);
    const CliResult res = inst.run();
    EXPECT_EQ(res.status, ExitOk) << res.err.toStdString();
    EXPECT_EQ(res.out, QStringLiteral("3 articles, 2 changed\n"));
    EXPECT_EQ(readFile(inst.articleFile()), kArticles) << "the configured folder of the other test stays untouched";

    // Logger on: the run's log lands in the home folder.
    const QStringList logs = QDir(inst.home).entryList({QStringLiteral("__*.log")}, QDir::Files);
    ASSERT_EQ(logs.size(), 1);
    const QByteArray log = readFile(inst.home + logs.first());
    EXPECT_TRUE(log.contains("] ~~~~~~~ UPDATE ARTICLE: 1234567\r\n"));
    EXPECT_TRUE(log.contains("] ~~~~ UPDATE ARTICLE FINISHED\r\n"));
}

TEST(UpdateArticlesCli, DownloadsTheListFirst) {
    struct Row {
        const char* name;
        bool serve; // false: the connection is refused
        int status; // HTTP status
        int exitStatus;
        const char* out;
        const char* err;
    };
    const Row rows[] = {
        {"served", true, 200, ExitOk, "3 articles, 2 changed\n", ""},
        {"not found", true, 404, ExitDownloadFailed, "",
         "A connection in use of your proxy could not be established. ("},
        {"refused", false, 0, ExitDownloadFailed, "", "A connection in use of your proxy could not be established. ("},
    };
    for (const Row& r : rows) {
        TestHttpServer server;
        server.setResponse(QStringLiteral("/_download/artikel_ean_liste.txt"),
                           r.status == 200 ? HttpResponse::ok(kList) : HttpResponse::error(r.status, "Not Found"));
        const QString host = r.serve ? server.hostAndPort() : QUrl(TestHttpServer::refusedUrl("/")).authority();
        Installation inst("DownloadServer=" + host.toUtf8() + "\r\n");
        // An older list lies in the article folder: a failed download must not merge it.
        writeFile(inst.list(), "000000000001234567@Alt und falsch@@@@@@@@@@@@@\r\n");

        const CliResult res = inst.run({QStringLiteral("--download")});
        EXPECT_EQ(res.status, r.exitStatus) << r.name << res.err.toStdString();
        EXPECT_EQ(res.out, QString::fromUtf8(r.out)) << r.name;
        EXPECT_TRUE(res.err.contains(QString::fromUtf8(r.err))) << r.name << res.err.toStdString();
        if (r.exitStatus == ExitDownloadFailed) {
            EXPECT_EQ(readFile(inst.articleFile()), kArticles) << r.name;
        } else {
            EXPECT_EQ(readFile(inst.list()), kList) << r.name;
            EXPECT_TRUE(readFile(inst.articleFile()).contains("Bezeichnung=Neu\r\n")) << r.name;
        }
        if (r.serve) {
            ASSERT_EQ(server.requests().size(), 1) << r.name;
            EXPECT_EQ(server.requests().first().path(), QByteArray("/_download/artikel_ean_liste.txt"));
        }
    }
}

} // namespace

namespace {

// A run log that cannot be saved (here: its name is taken by a folder, which
// stops root too) is a warning; the merge is done and reported.
TEST(UpdateArticlesCli, MergeIsReportedWhenTheLogCannotBeSaved) {
    Installation inst("Logger=True\r\n");
    writeFile(inst.list(), kList);
    const QDateTime now = QDateTime::currentDateTime();
    for (int s = -2; s <= 120; ++s)
        QDir().mkpath(inst.home + QStringLiteral("__") + now.addSecs(s).toString(QStringLiteral("yyyyMMdd_HHmmss")) +
                      QStringLiteral(".log"));
    const CliResult res = inst.run();
    EXPECT_EQ(res.status, ExitOk) << res.err.toStdString();
    EXPECT_EQ(res.out, QStringLiteral("3 articles, 2 changed\n"));
    EXPECT_EQ(res.err.count(QStringLiteral("warning: the run log is not saved: ")), 1) << res.err.toStdString();
    EXPECT_TRUE(readFile(inst.articleFile()).contains("Bezeichnung=Neu\r\n"));
}

} // namespace
