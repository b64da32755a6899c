#include "texts/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace zw {

namespace {
struct Installed {
    QString code;
    std::unique_ptr<QTranslator> translator;
};
Installed& installed() {
    static Installed i;
    return i;
}
} // namespace

void switchQtTranslations(const QString& languageCode) {
    if (!QCoreApplication::instance())
        return;
    Installed& now = installed();
    // Every label form reloads the language after a change; Qt's files need loading once.
    if (now.translator && now.code == languageCode)
        return;
    if (now.translator)
        QCoreApplication::removeTranslator(now.translator.get());
    now.translator.reset();
    now.code = languageCode;
    if (languageCode != QLatin1String("D"))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(translator.get()))
        now.translator = std::move(translator);
}

} // namespace zw
