#include "app/ZeichwerkApplication.h"

#include "labels/GeneralError.h"

namespace zw {

bool ZeichwerkApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showGeneralError(std::current_exception());
        return false;
    }
}

} // namespace zw
