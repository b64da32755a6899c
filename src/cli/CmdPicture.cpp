#include "cli/Commands.h"

namespace zw::cli {

int runPicture(const QStringList&, CliIo& io) {
    io.err << "zeichwerk-cli picture: not available in this build\n";
    return ExitBadInput;
}

} // namespace zw::cli
