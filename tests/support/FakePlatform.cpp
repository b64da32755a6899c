#include "FakePlatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace zw::test {

bool FakePlatform::fileExists(const QString& path) {
    if (beforeFileExists)
        beforeFileExists(path);
    return QtPlatform::fileExists(path);
}

bool FakePlatform::deleteFile(const QString& path) {
    if (heldFiles.contains(path))
        return false;
    return QtPlatform::deleteFile(path);
}

bool FakePlatform::moveFileNoOverwrite(const QString& from, const QString& to) {
    if (beforeMove)
        beforeMove(from, to);
    return QtPlatform::moveFileNoOverwrite(from, to);
}

bool FakePlatform::openDocument(const QString& path) {
    openedDocuments.append(path);
    return openDocumentResult;
}

bool FakePlatform::openWith(const QString& path, const QString& caption) {
    openedWith.append(path);
    openWithCaptions.append(caption);
    return openWithResult;
}

int FakePlatform::showChoice(MessageIcon icon, const QString& caption, const QString& text,
                             const QStringList& buttons) {
    choices.append({icon, caption, text, buttons});
    return choiceAnswers.isEmpty() ? -1 : choiceAnswers.takeFirst();
}

MessageAnswer FakePlatform::showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                                        const QString& text) {
    messages.append({icon, buttons, caption, text});
    if (buttons == MessageButtons::Ok)
        return MessageAnswer::Ok;
    return answers.isEmpty() ? defaultAnswer : answers.takeFirst();
}

QString FakePlatform::chooseFolder(const QString& caption, const QString& startFolder) {
    folderRequests.append(caption);
    folderStarts.append(startFolder);
    return folderChoice;
}

bool FakePlatform::inputBox(const QString& caption, const QString& prompt, QString& value) {
    inputRequests.append(caption);
    inputPrompts.append(prompt);
    if (inputAnswers.isEmpty())
        return false;
    value = inputAnswers.takeFirst();
    return true;
}

bool FakePlatform::setClipboardText(const QString& text) {
    if (!clipboardAvailable)
        return false;
    clipboard = text;
    return true;
}

QStringList FakePlatform::messageTexts() const {
    QStringList out;
    for (const Message& m : messages)
        out.append(m.text);
    return out;
}

ScopedFakePlatform::ScopedFakePlatform() {
    const QString base = root();
    for (const char* sub : {"documents", "program", "current", "user"})
        QDir().mkpath(base + QLatin1String(sub));
    fake.documents = base + QStringLiteral("documents/");
    fake.program = base + QStringLiteral("program/");
    fake.current = base + QStringLiteral("current/");
    fake.userHome = base + QStringLiteral("user/");
    setPlatform(&fake);
}

ScopedFakePlatform::~ScopedFakePlatform() {
    setPlatform(nullptr);
}

QString ScopedFakePlatform::root() const {
    return withTrailingSlash(m_dir.path());
}

} // namespace zw::test
