#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "cli/cli_runner.h"

namespace tkv {
namespace {

using test::CliRunner;

std::string line(const std::string& out, const std::string& name) {
    std::istringstream in(out);
    for (std::string l; std::getline(in, l);)
        if (l.rfind(name + "\t", 0) == 0)
            return l.substr(name.size() + 1);
    return "<missing>";
}

TEST(SettingsCli, ListCreatesTheFirstRunValues) {
    CliRunner cli;
    const auto r = cli.run({"settings", "list"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(line(r.out, "SimeDay"), "31");
    EXPECT_EQ(line(r.out, "Time11"), " 8:00,17:00");
    EXPECT_EQ(line(r.out, "Pass"), "");
    EXPECT_EQ(line(r.out, "NameTitle"), "所属：ＸＸＸＸＸ課  氏名：ＸＸ ＸＸ");

    std::string reg;
    ASSERT_TRUE(ReadWholeFile(cli.configDir() + "/registry.ini", reg).ok());
    for (const char* expected :
         {"SimeDay=31\r\n", "Time01=12:00,13:00\r\n", "Time11= 8:00,17:00\r\n", "Time17=,\r\n",
          "Time21= 8:00,12:00\r\n", "Time22= 4:00,\r\n"})
        EXPECT_NE(reg.find(expected), std::string::npos) << expected;
    EXPECT_NE(reg.find(cp932::fromUtf8("ＭＳ ゴシック")), std::string::npos);

    const std::string set = cli.readData("tokivane.SET");
    std::size_t lines = 0;
    for (std::size_t p = set.find("\r\n"); p != std::string::npos; p = set.find("\r\n", p + 2))
        ++lines;
    EXPECT_EQ(lines, 37u);
}

TEST(SettingsCli, SetAppliesRepairsAndMasksPasswords) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"settings", "set", "Pass", "Secret"}).exitCode, 0);
    EXPECT_EQ(line(cli.run({"settings", "list"}).out, "Pass"), "********");
    EXPECT_EQ(cli.run({"settings", "get", "pass"}).out, "Secret\n");

    ASSERT_EQ(cli.run({"settings", "set", "Time12", "22:00, 0:00"}).exitCode, 0);
    EXPECT_EQ(cli.run({"settings", "get", "Time12"}).out, "22:00, 5:00\n");
    ASSERT_EQ(cli.run({"settings", "set", "SimeDay", "20"}).exitCode, 0);
    EXPECT_EQ(cli.run({"settings", "get", "SimeDay"}).out, "20\n");
}

TEST(SettingsCli, UsersHaveTheirOwnKeyAndFolder) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"--user", "taro", "settings", "set", "SimeDay", "25"}).exitCode, 0);
    EXPECT_EQ(cli.run({"settings", "get", "SimeDay"}).out, "31\n");
    EXPECT_EQ(cli.run({"--user", "taro", "settings", "get", "SimeDay"}).out, "25\n");
    EXPECT_FALSE(cli.readData("taro/tokivane.SET").empty());
}

TEST(SettingsCli, UsageErrors) {
    CliRunner cli;
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"settings", "set", "NoSuchValue", "1"},
          {"settings", "get"},
          {"settings"},
          {"frobnicate"},
          {},
          {"--user"},
          {"--user", "../etc", "settings", "list"},
          {"--at", "2025-02-30 10:00", "settings", "list"},
          {"settings", "set", "PrivateName", "😀"}}) {
        const auto r = cli.run(args);
        EXPECT_EQ(r.exitCode, 1) << (args.empty() ? "" : args[0]);
        EXPECT_FALSE(r.err.empty());
    }
}

TEST(SettingsCli, UnreadableRegistryIsAFileError) {
    CliRunner cli;
    std::filesystem::create_directories(cli.configDir() + "/registry.ini");  // a folder, not a file
    EXPECT_EQ(cli.run({"settings", "list"}).exitCode, 2);
}

}  // namespace
}  // namespace tkv
