#pragma once

#include "platform/QtPlatform.h"

#include <QTextStream>

namespace zw::cli {

// The command line's platform: no windows. Messages go to the error stream,
// Yes/No questions get the answer the command set beforehand, documents are
// never opened (the command prints their path instead).
class ConsolePlatform : public QtPlatform {
public:
    explicit ConsolePlatform(QTextStream& err) : m_err(err) {}

    MessageAnswer questionAnswer = MessageAnswer::No;
    QStringList shownMessages;
    // A command working on an installation named on its command line sets this
    // (with a trailing "/"); empty means the executable's folder.
    QString programFolderOverride;

    QString programFolder() override {
        return programFolderOverride.isEmpty() ? QtPlatform::programFolder() : programFolderOverride;
    }

    MessageAnswer showMessage(MessageIcon icon, MessageButtons buttons, const QString& caption,
                              const QString& text) override {
        Q_UNUSED(icon);
        Q_UNUSED(caption);
        shownMessages.append(text);
        m_err << text << "\n";
        m_err.flush();
        return buttons == MessageButtons::YesNo ? questionAnswer : MessageAnswer::Ok;
    }
    bool openDocument(const QString&) override { return true; }
    bool openWith(const QString&, const QString&) override { return true; }

private:
    QTextStream& m_err;
};

} // namespace zw::cli
