#pragma once

#include <QString>

#include <exception>
#include <functional>

namespace zw {

// The application's title ("Kelb Zeichwerk v2.17.4", " - offline" appended in
// offline mode); the caption of the general error dialog.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// The general error dialog: an error that escaped a handler is shown with the
// error symbol and the program goes on.
void showGeneralError(const std::exception_ptr& error);

// Runs a handler the way the event loop runs one: whatever it raises goes to
// the general error dialog. Returns false when it raised.
bool runHandler(const std::function<void()>& handler);

} // namespace zw
