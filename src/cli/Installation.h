#pragma once

#include "cli/Commands.h"
#include "cli/ConsolePlatform.h"
#include "core/DataModule.h"
#include "core/ProgramScope.h"
#include "core/Startup.h"

#include <QString>

namespace zw::cli {

// The program folder and home folder the command line names, as absolute paths
// with a trailing "/"; reports the first that does not exist. Returns GoOn or the exit status.
int resolveInstallationFolders(CommandOptions& cmd, const QString& programArg, const QString& homeArg,
                               QString& programFolder, QString& homeFolder);

// An installation named on the command line, set up as the program sets itself
// up: the console platform on its program folder, the program's globals with a
// data module and catalogue of the command's own, and the given home folder.
// The command runs the start-up steps it needs through `startup`. A run log
// that cannot be saved is a warning on the error stream, not the end of the run.
class Installation {
public:
    Installation(CliIo& io, const QString& programFolder, const QString& home);
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

    // Without any article file every material number would be "not found", and
    // a merge would have nothing to write: say what is missing. Returns GoOn or the exit status.
    int requireArticleFile(CommandOptions& cmd) const;

    ConsolePlatform console;
    ProgramScope globals;
    TDataModule1& dm;
    Startup startup;
};

} // namespace zw::cli
