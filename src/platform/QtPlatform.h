#pragma once

#include "platform/Platform.h"

namespace zw {

// The production platform on QtCore/QtGui/QtNetwork. It has no windows: its
// dialogs write to stderr and answer OK, No or "cancelled"; the GUI installs
// WidgetPlatform, which overrides them, and the command line ConsolePlatform.
class QtPlatform : public Platform {
public:
    QString documentsFolder() override;
    QString programFolder() override;
    QString currentFolder() override;
    QString userHomeFolder() override;

    bool fileExists(const QString& path) override;
    bool deleteFile(const QString& path) override;
    bool moveFileNoOverwrite(const QString& from, const QString& to) override;
    bool createEmptyFile(const QString& path) override;
    bool createFolder(const QString& path) override;
    QString fileNameIgnoringCase(const QString& folder, const QString& name) override;

    bool openDocument(const QString& path) override;
    bool openWith(const QString& path, const QString& caption) override;

    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                              const QString& text) override;
    int showChoice(MessageIcon icon, const QString& caption, const QString& text, const QStringList& buttons) override;
    QString chooseFolder(const QString& caption, const QString& startFolder) override;
    bool inputBox(const QString& caption, const QString& prompt, QString& value) override;

    // Need a QGuiApplication; without one there is no clipboard.
    std::optional<QString> clipboardText() override;
    bool setClipboardText(const QString& text) override;

    bool isConnected() override;
    QDateTime now() override;
};

// Appends "/" unless the path already ends in one (an empty path stays empty).
QString withTrailingSlash(const QString& path);

} // namespace zw
