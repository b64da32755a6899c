#pragma once

#include "platform/QtPlatform.h"

namespace zw {

// The desktop program's platform: real modal dialogs on top of QtPlatform.
class WidgetPlatform : public QtPlatform {
public:
    bool openWith(const QString& path) override;
    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                              const QString& text) override;
    QString chooseFolder(const QString& caption, const QString& startFolder) override;
    bool inputBox(const QString& caption, const QString& prompt, QString& value) override;
};

} // namespace zw
