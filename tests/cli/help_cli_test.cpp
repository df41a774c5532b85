#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/version.h"
#include "cli/cli_runner.h"

namespace tkv {
namespace {

using test::CliRunner;

TEST(HelpCli, VersionIsTheProjectVersion) {
    CliRunner cli;
    const auto r = cli.run({"--version"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string("tokivane-cli ") + ProgramVersion + "\n");
    EXPECT_EQ(r.err, "");
}

TEST(HelpCli, HelpListsEveryCommandOnStandardOutput) {
    CliRunner cli;
    for (const char* flag : {"--help", "-h"}) {
        const auto r = cli.run({flag});
        EXPECT_EQ(r.exitCode, 0) << flag;
        EXPECT_EQ(r.err, "") << flag;
        for (const char* command : {"settings list", "month YEAR MONTH", "recalc YEAR MONTH",
                                    "day YYYY-MM-DD", "punch in|out", "holidays YEAR", "ledger"})
            EXPECT_NE(r.out.find(std::string("  ") + command), std::string::npos) << command;
    }
}

struct CommandHelpCase {
    const char* command;
    std::vector<std::string> args;  // --help somewhere among them
};

class CommandHelp : public ::testing::TestWithParam<CommandHelpCase> {};

// Every command explains itself with an example, and asking touches no file.
TEST_P(CommandHelp, ShowsFormsAndAnExample) {
    CliRunner cli;
    const CommandHelpCase& c = GetParam();
    const auto r = cli.run(c.args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find(std::string("\n  ") + c.command), std::string::npos) << r.out;
    EXPECT_NE(r.out.find(std::string("example:  tokivane-cli ") + c.command), std::string::npos)
        << r.out;
    EXPECT_FALSE(std::filesystem::exists(cli.dataDir()));
    EXPECT_FALSE(std::filesystem::exists(cli.configDir()));
}

void PrintTo(const CommandHelpCase& c, std::ostream* os) {
    *os << c.command;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CommandHelp,
    ::testing::Values(CommandHelpCase{"settings", {"settings", "--help"}},
                      CommandHelpCase{"month", {"month", "--help"}},
                      CommandHelpCase{"recalc", {"recalc", "2025", "-h"}},
                      CommandHelpCase{"day", {"day", "2025-05-12", "--in", "9:00", "--help"}},
                      CommandHelpCase{"punch", {"--user", "taro", "punch", "--help"}},
                      CommandHelpCase{"holidays", {"holidays", "--help"}},
                      CommandHelpCase{"ledger", {"ledger", "--help"}},
                      CommandHelpCase{"limits", {"limits", "2025", "--help"}}),
    [](const ::testing::TestParamInfo<CommandHelpCase>& p) {
        return std::string(p.param.command);
    });

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // the first line on stderr
    const char* usage;    // what the usage part must show
};

class UsageErrors : public ::testing::TestWithParam<UsageCase> {};

// A usage error says what was wrong and how it is used, on stderr, with exit 1.
TEST_P(UsageErrors, PrintMessageAndUsage) {
    CliRunner cli;
    const UsageCase& c = GetParam();
    const auto r = cli.run(c.args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), std::string("tokivane-cli: ") + c.message);
    EXPECT_NE(r.err.find(c.usage), std::string::npos) << r.err;
}

void PrintTo(const UsageCase& c, std::ostream* os) {
    *os << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Cli, UsageErrors,
    ::testing::Values(
        UsageCase{"UnknownGlobalOption",
                  {"--frobnicate", "month", "2025", "5"},
                  "unknown option: --frobnicate",
                  "commands:\n"},
        UsageCase{"UnknownShortOption", {"-x"}, "unknown option: -x", "commands:\n"},
        UsageCase{"UnknownCommand", {"frobnicate"}, "unknown command: frobnicate", "commands:\n"},
        UsageCase{"UnknownDayOption",
                  {"day", "2025-05-12", "--frob", "1"},
                  "unknown option: --frob",
                  "  day YYYY-MM-DD [--kind K]"},
        UsageCase{"BadPunch",
                  {"punch", "sideways"},
                  "punch wants in|out [--force]",
                  "  punch in|out [--force]"},
        UsageCase{"MissingUserValue", {"--user"}, "--user needs a value", "commands:\n"}),
    [](const ::testing::TestParamInfo<UsageCase>& p) { return std::string(p.param.name); });

}  // namespace
}  // namespace tkv
