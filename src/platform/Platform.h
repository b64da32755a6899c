#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace zw {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };

// Every operating-system service the program uses. Nothing outside src/platform
// calls the operating system directly; tests install a fake through setPlatform.
class Platform {
public:
    virtual ~Platform() = default;

    // Folders, each returned with a trailing "/".
    virtual QString documentsFolder() = 0;
    virtual QString programFolder() = 0;
    virtual QString currentFolder() = 0;
    // The user's own folder, where folder choices start.
    virtual QString userHomeFolder() = 0;

    // Files.
    virtual bool fileExists(const QString& path) = 0;
    virtual bool deleteFile(const QString& path) = 0;
    // Fails, leaving both files as they are, when `to` exists.
    virtual bool moveFileNoOverwrite(const QString& from, const QString& to) = 0;
    // Creates an empty file; fails, leaving it as it is, when `path` exists.
    virtual bool createEmptyFile(const QString& path) = 0;
    virtual bool createFolder(const QString& path) = 0;
    // The name of the file in `folder` that is `name` without regard to letter
    // case (the exact name when it is there), or empty when there is none: the
    // file systems the settings were written for compare names so.
    virtual QString fileNameIgnoringCase(const QString& folder, const QString& name) = 0;

    // Desktop shell. openDocument also opens a folder in the file manager.
    virtual bool openDocument(const QString& path) = 0;
    // Lets the user choose a program for the file (a dialog with the caption
    // given) and starts it with the file; false when cancelled or not started.
    virtual bool openWith(const QString& path, const QString& caption) = 0;

    // Modal dialogs. A caption of "" means the application's name.
    virtual MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                                      const QString& text) = 0;
    // A modal box with the buttons given; the index of the button pressed, -1
    // when the box was closed without one.
    virtual int showChoice(MessageIcon icon, const QString& caption, const QString& text,
                           const QStringList& buttons) = 0;
    // Empty when the user cancels.
    virtual QString chooseFolder(const QString& caption, const QString& startFolder) = 0;
    // Returns false when the user cancels; `value` holds the entered text otherwise.
    virtual bool inputBox(const QString& caption, const QString& prompt, QString& value) = 0;

    // Plain-text clipboard. No value when the clipboard offers no plain text;
    // setClipboardText answers false when the clipboard cannot be reached.
    virtual std::optional<QString> clipboardText() = 0;
    virtual bool setClipboardText(const QString& text) = 0;

    // Network state; answers true when the platform cannot tell.
    virtual bool isConnected() = 0;

    // Local time.
    virtual QDateTime now() = 0;
};

// The platform in use. Until setPlatform is called this is the Qt platform
// without dialogs (dialogs answer as if cancelled / OK; see QtPlatform).
Platform& platform();
// Installs `p` (not owned); nullptr restores the default.
void setPlatform(Platform* p);
// What setPlatform installed last (nullptr for the default).
Platform* installedPlatform();

// Convenience wrappers for the common message kinds.
inline void showError(const QString& caption, const QString& text) {
    platform().showMessage(MessageIcon::Error, MessageButtons::Ok, caption, text);
}
inline void showWarning(const QString& caption, const QString& text) {
    platform().showMessage(MessageIcon::Warning, MessageButtons::Ok, caption, text);
}
inline void showInformation(const QString& caption, const QString& text) {
    platform().showMessage(MessageIcon::Information, MessageButtons::Ok, caption, text);
}
inline bool askYesNo(const QString& caption, const QString& text) {
    return platform().showMessage(MessageIcon::Question, MessageButtons::YesNo, caption, text) == MessageAnswer::Yes;
}

} // namespace zw
