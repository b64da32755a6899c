#pragma once

#include "platform/QtPlatform.h"

namespace zw {

// The desktop program's platform: real modal dialogs on top of QtPlatform.
class WidgetPlatform : public QtPlatform {
public:
    bool openWith(const QString& path, const QString& caption) override;
    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                              const QString& text) override;
    // The buttons in the order given; Escape means the last one.
    int showChoice(MessageIcon icon, const QString& caption, const QString& text, const QStringList& buttons) override;
    QString chooseFolder(const QString& caption, const QString& startFolder) override;
    bool inputBox(const QString& caption, const QString& prompt, QString& value) override;
};

} // namespace zw
