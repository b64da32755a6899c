#pragma once

#include <QByteArray>
#include <QString>

namespace zw::test {

// Writes `bytes` to `path`, creating folders; fails the test when it cannot.
void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

} // namespace zw::test
