#include "cli/Commands.h"

namespace zw::cli {

int runRow(const QStringList&, CliIo& io) {
    io.err << "zeichwerk-cli row: not available in this build\n";
    return ExitBadInput;
}

} // namespace zw::cli
