#include "cli/Commands.h"

namespace zw::cli {

int runLabel(const QStringList&, CliIo& io) {
    io.err << "zeichwerk-cli label: not available in this build\n";
    return ExitBadInput;
}

} // namespace zw::cli
