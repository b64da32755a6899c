#pragma once

#include "platform/QtPlatform.h"

#include "TestFiles.h"

#include <QList>
#include <QSet>
#include <QTemporaryDir>

#include <functional>

namespace zw::test {

// A platform for tests: real files, but folders, clock, network state, shell
// and dialogs are under the test's control and every dialog is recorded.
class FakePlatform : public QtPlatform {
public:
    struct Message {
        MessageIcon icon;
        MessageButtons buttons;
        QString caption;
        QString text;
    };

    QString documents;
    QString program;
    QString current;
    QString userHome;
    QDateTime clock = QDateTime(QDate(2020, 2, 3), QTime(9, 5, 7));
    bool connected = true;

    QList<Message> messages;
    // Answers for Yes/No questions, taken from the front; when empty, `defaultAnswer`.
    QList<MessageAnswer> answers;
    MessageAnswer defaultAnswer = MessageAnswer::No;

    QStringList openedDocuments;
    bool openDocumentResult = true;
    QStringList openedWith;
    QStringList openWithCaptions;
    bool openWithResult = true;

    // Boxes with buttons of their own (showChoice), and the index answered,
    // taken from the front; when empty, -1 (closed without a button).
    struct Choice {
        MessageIcon icon;
        QString caption;
        QString text;
        QStringList buttons;
    };
    QList<Choice> choices;
    QList<int> choiceAnswers;

    QStringList folderRequests; // captions of chooseFolder calls
    QStringList folderStarts;   // their start folders
    QString folderChoice;       // empty: the user cancels

    QStringList inputRequests;   // captions of inputBox calls
    QStringList inputPrompts;    // their prompts
    QList<QString> inputAnswers; // taken from the front; when empty, cancelled

    // Files that cannot be deleted (held open by another program).
    QSet<QString> heldFiles;
    // Runs before each fileExists answer: lets a test act as another
    // workstation (move a file away) at the moment the program looks.
    std::function<void(const QString& path)> beforeFileExists;
    // Runs before each move: another workstation may take the file first.
    std::function<void(const QString& from, const QString& to)> beforeMove;

    // The clipboard: no value means no plain text on it; setClipboardText
    // stores there unless the clipboard is unavailable.
    std::optional<QString> clipboard;
    bool clipboardAvailable = true;

    QString documentsFolder() override { return documents; }
    QString programFolder() override { return program; }
    QString currentFolder() override { return current; }
    QString userHomeFolder() override { return userHome; }
    bool fileExists(const QString& path) override;
    bool deleteFile(const QString& path) override;
    bool moveFileNoOverwrite(const QString& from, const QString& to) override;
    bool openDocument(const QString& path) override;
    bool openWith(const QString& path, const QString& caption) override;
    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                              const QString& text) override;
    int showChoice(MessageIcon icon, const QString& caption, const QString& text, const QStringList& buttons) override;
    QString chooseFolder(const QString& caption, const QString& startFolder) override;
    bool inputBox(const QString& caption, const QString& prompt, QString& value) override;
    std::optional<QString> clipboardText() override { return clipboard; }
    bool setClipboardText(const QString& text) override;
    bool isConnected() override { return connected; }
    QDateTime now() override { return clock; }

    // The texts of all messages shown so far.
    QStringList messageTexts() const;
};

// Installs a FakePlatform whose documents, program and current folders are
// sub-folders of a fresh temporary folder; restores the previous platform at the end.
class ScopedFakePlatform {
public:
    ScopedFakePlatform();
    ~ScopedFakePlatform();
    FakePlatform* operator->() { return &fake; }
    FakePlatform& operator*() { return fake; }
    // The temporary folder, with a trailing "/".
    QString root() const;

    FakePlatform fake;

private:
    QTemporaryDir m_dir;
};

} // namespace zw::test
