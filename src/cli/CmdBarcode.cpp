#include "cli/Commands.h"

namespace zw::cli {

int runBarcode(const QStringList&, CliIo& io) {
    io.err << "zeichwerk-cli barcode: not available in this build\n";
    return ExitBadInput;
}

} // namespace zw::cli
