#include "forms/proxy/ProxySetting.h"

#include "base/Convert.h"
#include "base/TextFile.h"
#include "core/DataModule.h"
#include "core/Settings.h"
#include "platform/Platform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <exception>
#include <functional>

namespace zw {

namespace {

template <typename T> T* make(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* w = new T(text, parent);
    w->setObjectName(QLatin1String(name));
    w->setGeometry(geometry);
    return w;
}

// A raised error must not cross the event loop: it goes to an error dialog, as
// the application's general error handling shows it.
void runGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        showError(QString(), QString::fromUtf8(e.what()));
    }
}

// Removes the file when the scope ends, however it ends.
class DeleteOnExit {
public:
    explicit DeleteOnExit(QString path) : m_path(std::move(path)) {}
    ~DeleteOnExit() {
        if (platform().fileExists(m_path))
            platform().deleteFile(m_path);
    }
    DeleteOnExit(const DeleteOnExit&) = delete;
    DeleteOnExit& operator=(const DeleteOnExit&) = delete;

private:
    QString m_path;
};

} // namespace

TfrmProxySetting::TfrmProxySetting(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmProxySetting"));
    setWindowTitle(QStringLiteral("Proxy"));
    setFixedSize(273, 194);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);

    Label1 = make<QLabel>(this, "Label1", QStringLiteral("ProxyName:"), {16, 16, 90, 13});
    Label2 = make<QLabel>(this, "Label2", QStringLiteral("ProxyPort"), {16, 48, 90, 13});
    Label3 = make<QLabel>(this, "Label3", QStringLiteral("ProxyUser:"), {16, 80, 90, 13});
    Label4 = make<QLabel>(this, "Label4", QStringLiteral("ProxyPasswort:"), {16, 112, 90, 13});
    edProxyName = make<QLineEdit>(this, "edProxyName", QStringLiteral("edProxyName"), {112, 12, 145, 21});
    edProxyPort = make<QLineEdit>(this, "edProxyPort", QStringLiteral("Edit1"), {112, 44, 145, 21});
    edProxyUser = make<QLineEdit>(this, "edProxyUser", QStringLiteral("Edit1"), {112, 76, 145, 21});
    edProxyPasswortME =
        make<QLineEdit>(this, "edProxyPasswortME", QStringLiteral("edProxyPasswortME"), {112, 108, 145, 21});
    edProxyPasswortME->setEchoMode(QLineEdit::Password);
    edProxyPasswortME->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    btnProxyTesten = make<QPushButton>(this, "btnProxyTesten", QStringLiteral("Proxy testen"), {16, 152, 113, 25});
    btnUebernehmen = make<QPushButton>(this, "btnUebernehmen", QStringLiteral("Übernehmen"), {144, 152, 113, 25});
    // Neither button may close the dialog on Enter.
    btnProxyTesten->setAutoDefault(false);
    btnUebernehmen->setAutoDefault(false);

    setTabOrder(edProxyName, edProxyPort);
    setTabOrder(edProxyPort, edProxyUser);
    setTabOrder(edProxyUser, btnProxyTesten);
    setTabOrder(btnProxyTesten, btnUebernehmen);
    setTabOrder(btnUebernehmen, edProxyPasswortME);

    connect(btnUebernehmen, &QPushButton::clicked, this, [this] { runGuarded([this] { btnUebernehmenClick(); }); });
    connect(btnProxyTesten, &QPushButton::clicked, this, [this] { runGuarded([this] { btnProxyTestenClick(); }); });

    FormCreate();
}

void TfrmProxySetting::FormCreate() {
    edProxyName->setText(DataModule1->proxyName);
    edProxyPort->setText(DataModule1->proxyPort < 1 ? QString() : QString::number(DataModule1->proxyPort));
    edProxyUser->setText(DataModule1->proxyUser);
    edProxyPasswortME->setText(DataModule1->proxyPswd);
}

void TfrmProxySetting::btnUebernehmenClick() {
    TDataModule1& dm = *DataModule1;
    dm.proxyName = edProxyName->text();
    dm.proxyPort = strToIntDef(edProxyPort->text(), 0);
    dm.proxyUser = edProxyUser->text();
    dm.proxyPswd = edProxyPasswortME->text();

    Settings ini = Settings::programFolder();
    ini.write(settings::ProxyName, dm.proxyName);
    ini.write(settings::ProxyPort, dm.proxyPort);
    ini.write(settings::ProxyUser, dm.proxyUser);
    ini.write(settings::ProxyPswd, dm.proxyPswd);
}

void TfrmProxySetting::btnProxyTestenClick() {
    TDataModule1& dm = *DataModule1;
    const QString target = dm.homedir + QStringLiteral("proxytest");
    const DeleteOnExit cleanup(target);
    if (!dm.downloadFileFromUrl(dm.PROXY_TEST_PFAD, target))
        return; // the download has shown its error
    TextDocument doc;
    readTextFile(target, doc);
    if (doc.lines.isEmpty())
        showError(QStringLiteral("Fehler"), QStringLiteral("Proxytext failed."));
    else
        showInformation(QStringLiteral("Informationen"), doc.lines.first());
}

} // namespace zw
