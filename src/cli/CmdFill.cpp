#include "cli/Commands.h"

namespace zw::cli {

int runFill(const QStringList&, CliIo& io) {
    io.err << "zeichwerk-cli fill: not available in this build\n";
    return ExitBadInput;
}

} // namespace zw::cli
