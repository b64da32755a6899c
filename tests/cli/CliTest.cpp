#include "cli/Commands.h"

#include "CliRun.h"

#include <gtest/gtest.h>

using namespace zw::cli;
using zw::test::CliResult;
using zw::test::runCliCommand;

namespace {

TEST(Cli, DispatchAndUsage) {
    struct Row {
        QStringList args;
        int status;
        const char* outContains;
        const char* errContains;
    };
    const Row rows[] = {
        {{QStringLiteral("--help")}, ExitOk, "Usage: zeichwerk-cli", ""},
        {{QStringLiteral("--version")}, ExitOk, "zeichwerk-cli " ZW_VERSION, ""},
        {{}, ExitBadInput, "", "Usage: zeichwerk-cli"},
        {{QStringLiteral("frobnicate")}, ExitBadInput, "", "unknown command 'frobnicate'"},
    };
    for (const Row& r : rows) {
        const CliResult res = runCliCommand(r.args);
        EXPECT_EQ(res.status, r.status) << r.args.join(' ').toStdString();
        EXPECT_TRUE(res.out.contains(QString::fromUtf8(r.outContains))) << res.out.toStdString();
        EXPECT_TRUE(res.err.contains(QString::fromUtf8(r.errContains))) << res.err.toStdString();
    }
}

TEST(Cli, HelpListsEveryCommand) {
    const CliResult res = runCliCommand({QStringLiteral("--help")});
    for (const Command& c : commands())
        EXPECT_TRUE(res.out.contains(QString::fromLatin1(c.name))) << c.name;
}

} // namespace
