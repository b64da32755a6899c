#include "forms/proxy/ProxySetting.h"

#include "core/DataModule.h"
#include "core/ProgramScope.h"

#include "FakePlatform.h"
#include "TestHttpServer.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

using namespace zw;
using zw::test::FakePlatform;
using zw::test::HttpResponse;
using zw::test::readFile;
using zw::test::ScopedFakePlatform;
using zw::test::TestHttpServer;
using zw::test::writeFile;

namespace {

class ProxyDialog : public ::testing::Test {
protected:
    void SetUp() override {
        dm.homedir = p.root() + QStringLiteral("home/");
        QDir().mkpath(dm.homedir);
    }

    QString iniPath() { return p->program + QStringLiteral("Barcode.ini"); }

    ScopedFakePlatform p;
    ProgramScope globals{&p.fake};
    TDataModule1& dm = globals.createDataModule();
};

TEST_F(ProxyDialog, ComponentsAndTabOrder) {
    TfrmProxySetting dlg;
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));

    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Proxy"));
    EXPECT_EQ(dlg.size(), QSize(273, 194));
    EXPECT_EQ(dlg.Label1->text(), QStringLiteral("ProxyName:"));
    EXPECT_EQ(dlg.Label2->text(), QStringLiteral("ProxyPort"));
    EXPECT_EQ(dlg.Label3->text(), QStringLiteral("ProxyUser:"));
    EXPECT_EQ(dlg.Label4->text(), QStringLiteral("ProxyPasswort:"));
    EXPECT_EQ(dlg.btnUebernehmen->text(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(dlg.btnProxyTesten->text(), QStringLiteral("Proxy testen"));
    EXPECT_EQ(dlg.findChild<QLineEdit*>(QStringLiteral("edProxyPasswortME")), dlg.edProxyPasswortME);
    EXPECT_EQ(dlg.edProxyPasswortME->echoMode(), QLineEdit::Password);
    EXPECT_EQ(dlg.edProxyPasswortME->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr,
                                                        dlg.edProxyPasswortME),
              int('*'));

    const QList<QWidget*> expected = {dlg.edProxyName,    dlg.edProxyPort,    dlg.edProxyUser,
                                      dlg.btnProxyTesten, dlg.btnUebernehmen, dlg.edProxyPasswortME};
    QList<QWidget*> chain;
    for (QWidget* w = expected.first(); chain.size() < expected.size(); w = w->nextInFocusChain())
        if (expected.contains(w))
            chain.append(w);
    EXPECT_EQ(chain, expected);
}

TEST_F(ProxyDialog, OpensWithTheValuesOfTheRun) {
    struct Row {
        int port;
        QString shown;
    };
    const Row rows[] = {{0, QString()}, {-8, QString()}, {1, QStringLiteral("1")}, {3128, QStringLiteral("3128")}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.port);
        dm.proxyName = QStringLiteral("proxy.firma.de");
        dm.proxyPort = row.port;
        dm.proxyUser = QStringLiteral("lieferant");
        dm.proxyPswd = QStringLiteral("geh eim");
        TfrmProxySetting dlg;
        EXPECT_EQ(dlg.edProxyName->text(), dm.proxyName);
        EXPECT_EQ(dlg.edProxyPort->text(), row.shown);
        EXPECT_EQ(dlg.edProxyUser->text(), dm.proxyUser);
        EXPECT_EQ(dlg.edProxyPasswortME->text(), dm.proxyPswd);
    }
}

TEST_F(ProxyDialog, AcceptStoresTheValuesInTheRunAndTheProgramFoldersSettings) {
    struct Row {
        const char* portText;
        int port;
        const char* storedPort;
        const char* shownNextTime;
    };
    const Row rows[] = {
        {"80a", 0, "0", ""},
        {"3128", 3128, "3128", "3128"},
        {"", 0, "0", ""},
        {"-1", -1, "-1", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.portText);
        writeFile(iniPath(), "; Kopf\r\n[Einstellungen]\r\nSprache=Deutsch\r\n");
        writeFile(dm.homedir + QStringLiteral("Barcode.ini"), "[Einstellungen]\r\n");
        TfrmProxySetting dlg;
        dlg.show();
        dlg.edProxyName->setText(QStringLiteral("proxy.firma.de"));
        dlg.edProxyPort->setText(QString::fromLatin1(row.portText));
        dlg.edProxyUser->setText(QStringLiteral("lieferant"));
        dlg.edProxyPasswortME->setText(QStringLiteral("geheim"));
        QTest::mouseClick(dlg.btnUebernehmen, Qt::LeftButton);

        EXPECT_TRUE(dlg.isVisible()) << "the dialog stays open";
        EXPECT_EQ(dm.proxyName, QStringLiteral("proxy.firma.de"));
        EXPECT_EQ(dm.proxyPort, row.port);
        EXPECT_EQ(dm.proxyUser, QStringLiteral("lieferant"));
        EXPECT_EQ(dm.proxyPswd, QStringLiteral("geheim"));
        EXPECT_EQ(readFile(iniPath()),
                  "; Kopf\r\n[Einstellungen]\r\nSprache=Deutsch\r\n[Proxy]\r\nname=proxy.firma.de\r\n"
                  "port=" +
                      QByteArray(row.storedPort) + "\r\nuser=lieferant\r\npswd=geheim\r\n");
        EXPECT_EQ(readFile(dm.homedir + QStringLiteral("Barcode.ini")), "[Einstellungen]\r\n")
            << "only the program folder's file is written";
        EXPECT_TRUE(p->messages.isEmpty());

        TfrmProxySetting next;
        EXPECT_EQ(next.edProxyPort->text(), QString::fromLatin1(row.shownNextTime));
    }
}

TEST_F(ProxyDialog, AcceptWithoutSettingsFileKeepsTheValuesForTheRunOnly) {
    TfrmProxySetting dlg;
    dlg.edProxyName->setText(QStringLiteral("proxy"));
    dlg.edProxyPort->setText(QStringLiteral("8080"));
    QTest::mouseClick(dlg.btnUebernehmen, Qt::LeftButton);
    EXPECT_EQ(dm.proxyName, QStringLiteral("proxy"));
    EXPECT_EQ(dm.proxyPort, 8080);
    EXPECT_FALSE(QFile::exists(iniPath()));
    EXPECT_TRUE(p->messages.isEmpty());
}

TEST_F(ProxyDialog, ProxyTestShowsTheFirstLineAndAlwaysRemovesTheFile) {
    TestHttpServer server;
    const QString path = QStringLiteral("/_download/_proxytext_kelb_gmbh_ostrelt_zeichwerk");
    dm.PROXY_TEST_PFAD = server.url(path);
    const QString target = dm.homedir + QStringLiteral("proxytest");
    struct Row {
        const char* name;
        HttpResponse response;
        bool leftoverFile; // a "proxytest" from an earlier run lies in the home folder
        FakePlatform::Message message;
    };
    const QString failure = QStringLiteral("A connection in use of your proxy could not be established. (Error "
                                           "transferring %1 - server replied: Not Found)")
                                .arg(server.url(path));
    const Row rows[] = {
        {"text",
         HttpResponse::ok("Proxy OK\r\nzweite Zeile\r\n"),
         false,
         {MessageIcon::Information, MessageButtons::Ok, QStringLiteral("Informationen"), QStringLiteral("Proxy OK")}},
        {"UTF-8 with mark",
         HttpResponse::ok("\xEF\xBB\xBFProxy l\xC3\xA4uft"),
         true,
         {MessageIcon::Information, MessageButtons::Ok, QStringLiteral("Informationen"),
          QStringLiteral("Proxy läuft")}},
        {"empty first line",
         HttpResponse::ok("\r\nzweite Zeile\r\n"),
         false,
         {MessageIcon::Information, MessageButtons::Ok, QStringLiteral("Informationen"), QString()}},
        {"empty file",
         HttpResponse::ok(""),
         true,
         {MessageIcon::Error, MessageButtons::Ok, QStringLiteral("Fehler"), QStringLiteral("Proxytext failed.")}},
        {"download fails",
         HttpResponse::error(404, "Not Found"),
         true,
         {MessageIcon::Error, MessageButtons::Ok, QStringLiteral("Fehler"), failure}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        server.setResponse(path, row.response);
        if (row.leftoverFile)
            writeFile(target, "alt");
        p->messages.clear();
        TfrmProxySetting dlg;
        QTest::mouseClick(dlg.btnProxyTesten, Qt::LeftButton);

        ASSERT_EQ(p->messages.size(), 1);
        EXPECT_EQ(p->messages[0].icon, row.message.icon);
        EXPECT_EQ(p->messages[0].caption, row.message.caption);
        EXPECT_EQ(p->messages[0].text, row.message.text);
        EXPECT_FALSE(QFile::exists(target));
    }
}

TEST_F(ProxyDialog, ProxyTestIntoAMissingHomeFolderShowsTheFileError) {
    TestHttpServer server;
    dm.PROXY_TEST_PFAD = server.url(QStringLiteral("/proxytext"));
    dm.homedir = p.root() + QStringLiteral("gone/");
    TfrmProxySetting dlg;
    QTest::mouseClick(dlg.btnProxyTesten, Qt::LeftButton);

    ASSERT_EQ(p->messages.size(), 1);
    EXPECT_EQ(p->messages[0].icon, MessageIcon::Error);
    EXPECT_TRUE(p->messages[0].text.startsWith(QStringLiteral("Cannot create file \"") + dm.homedir + "proxytest"))
        << p->messages[0].text.toStdString();
    EXPECT_TRUE(server.requests().isEmpty());
}

} // namespace
