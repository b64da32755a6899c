#include "platform/WidgetPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

namespace zw {

bool WidgetPlatform::openWith(const QString& path) {
    const QString program = QFileDialog::getOpenFileName(QApplication::activeWindow(), QStringLiteral("Öffnen mit"),
                                                         QStringLiteral("/usr/bin"));
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {path});
}

MessageAnswer WidgetPlatform::showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                                          const QString& text) {
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        qicon = QMessageBox::Information;
        break;
    case MessageIcon::Warning:
        qicon = QMessageBox::Warning;
        break;
    case MessageIcon::Error:
        qicon = QMessageBox::Critical;
        break;
    case MessageIcon::Question:
        qicon = QMessageBox::Question;
        break;
    }
    const auto qbuttons = buttons == MessageButtons::YesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok;
    const QString title = caption.isEmpty() ? QApplication::applicationName() : caption;
    QMessageBox box(qicon, title, text, qbuttons, QApplication::activeWindow());
    const int answer = box.exec();
    if (buttons == MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

QString WidgetPlatform::chooseFolder(const QString& caption, const QString& startFolder) {
    const QString dir = QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, startFolder);
    return dir.isEmpty() ? QString() : withTrailingSlash(dir);
}

bool WidgetPlatform::inputBox(const QString& caption, const QString& prompt, QString& value) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), caption, prompt, QLineEdit::Normal, value, &ok);
    if (ok)
        value = text;
    return ok;
}

} // namespace zw
