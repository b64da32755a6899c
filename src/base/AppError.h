#pragma once

#include <QByteArray>
#include <QString>

#include <exception>

namespace zw {

// The one exception type of the program. It carries the user-facing message
// exactly as it is to be shown ("Nr muss 2 Stellig sein", "%s: wrong BarcodeType", ...).
class AppError : public std::exception {
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}
    const QString& message() const noexcept { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace zw
