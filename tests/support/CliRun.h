#pragma once

// Runs a zeichwerk-cli command in-process (link zw_cli to use it).

#include "cli/Commands.h"

namespace zw::test {

struct CliResult {
    int status;
    QString out;
    QString err;
};

inline CliResult runCliCommand(const QStringList& args) {
    QString out, err;
    QTextStream o(&out), e(&err);
    cli::CliIo io{o, e};
    const int status = cli::runCli(QStringList(QStringLiteral("zeichwerk-cli")) + args, io);
    o.flush();
    e.flush();
    return {status, out, err};
}

} // namespace zw::test
