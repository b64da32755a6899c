#include "cli/Commands.h"

namespace zw::cli {

int runUpdateArticles(const QStringList&, CliIo& io) {
    io.err << "zeichwerk-cli update-articles: not available in this build\n";
    return ExitBadInput;
}

} // namespace zw::cli
