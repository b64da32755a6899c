#pragma once

#include <QApplication>

namespace zw {

// The application object. An error that escapes an event handler is shown in
// the general error dialog and the program goes on, as the desktop library of
// the original platform does.
class ZeichwerkApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace zw
