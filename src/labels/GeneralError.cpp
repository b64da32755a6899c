#include "labels/GeneralError.h"

#include "base/AppError.h"
#include "platform/Platform.h"

namespace zw {

namespace {
QString& titleStore() {
    static QString title = QStringLiteral("Kelb Zeichwerk v2.17.4");
    return title;
}
} // namespace

QString applicationTitle() {
    return titleStore();
}

void setApplicationTitle(const QString& title) {
    titleStore() = title;
}

void showGeneralError(const std::exception_ptr& error) {
    QString text;
    try {
        std::rethrow_exception(error);
    } catch (const AppError& e) {
        text = e.message();
    } catch (const std::exception& e) {
        text = QString::fromLocal8Bit(e.what());
    } catch (...) {
        text = QStringLiteral("Unknown error");
    }
    showError(applicationTitle(), text);
}

bool runHandler(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (...) {
        showGeneralError(std::current_exception());
        return false;
    }
}

} // namespace zw
