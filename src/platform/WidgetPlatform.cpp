#include "platform/WidgetPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

namespace zw {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::None:
        break;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QString titleOr(const QString& caption) {
    return caption.isEmpty() ? QApplication::applicationName() : caption;
}

} // namespace

bool WidgetPlatform::openWith(const QString& path, const QString& caption) {
    const QString program =
        QFileDialog::getOpenFileName(QApplication::activeWindow(), caption, QStringLiteral("/usr/bin"));
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {path});
}

MessageAnswer WidgetPlatform::showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                                          const QString& text) {
    QMessageBox::StandardButtons qbuttons = QMessageBox::Ok;
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::YesNo:
        qbuttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case MessageButtons::YesNoCancel:
        qbuttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    }
    QMessageBox box(qtIcon(icon), titleOr(caption), text, qbuttons, QApplication::activeWindow());
    const int answer = box.exec();
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::YesNo:
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    case MessageButtons::YesNoCancel:
        // The close box or Escape cancels.
        return answer == QMessageBox::Yes  ? MessageAnswer::Yes
               : answer == QMessageBox::No ? MessageAnswer::No
                                           : MessageAnswer::Cancel;
    }
    return MessageAnswer::Ok;
}

int WidgetPlatform::showChoice(MessageIcon icon, const QString& caption, const QString& text,
                               const QStringList& buttons) {
    QMessageBox box(qtIcon(icon), titleOr(caption), text, QMessageBox::NoButton, QApplication::activeWindow());
    // The path in the text may be copied with the mouse as well.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    QList<QAbstractButton*> added;
    for (const QString& caption : buttons)
        added.append(box.addButton(caption, QMessageBox::ActionRole));
    if (!added.isEmpty())
        box.setEscapeButton(added.last());
    box.exec();
    return int(added.indexOf(box.clickedButton()));
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
