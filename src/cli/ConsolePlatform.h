#pragma once

#include "core/DataModule.h"
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
    bool openWith(const QString&) override { return true; }

private:
    QTextStream& m_err;
};

// Installs a platform for the lifetime of the scope and restores the previous one after.
class ScopedPlatform {
public:
    explicit ScopedPlatform(Platform* p) : m_previous(installedPlatform()) { setPlatform(p); }
    ~ScopedPlatform() { setPlatform(m_previous); }
    ScopedPlatform(const ScopedPlatform&) = delete;
    ScopedPlatform& operator=(const ScopedPlatform&) = delete;

private:
    Platform* m_previous;
};

// Makes `dm` the program's data module (DataModule1) for the lifetime of the scope.
class ScopedDataModule {
public:
    explicit ScopedDataModule(TDataModule1* dm) : m_previous(DataModule1) { DataModule1 = dm; }
    ~ScopedDataModule() { DataModule1 = m_previous; }
    ScopedDataModule(const ScopedDataModule&) = delete;
    ScopedDataModule& operator=(const ScopedDataModule&) = delete;

private:
    TDataModule1* m_previous;
};

} // namespace zw::cli
