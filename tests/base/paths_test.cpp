#include "base/paths.h"

#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/param_names.h"

namespace tkv {
namespace {

TEST(Paths, MonthFilesAndUserFolders) {
    EXPECT_EQ(MonthFileName("/d", 2004, 3, ""), "/d/200403.dat");
    EXPECT_EQ(MonthFileName("/d", 2004, 3, "taro"), "/d/taro/200403.dat");
    EXPECT_EQ(MonthFileName("/d/", 999, 12, ""), "/d/099912.dat");
    EXPECT_EQ(UserFilePath("", "/d/Holiday.dat"), "/d/Holiday.dat");
    EXPECT_EQ(UserFilePath("太郎", "/d/Holiday.dat"), "/d/太郎/Holiday.dat");
    EXPECT_EQ(UserRegKey(""), "Software\\Varnholt\\Zangyo");
    EXPECT_EQ(UserRegKey("taro"), "Software\\Varnholt\\Zangyo\\User\\taro");
}

TEST(Paths, UserNamesThatWouldEscapeTheDataFolderAreRefused) {
    for (const char* bad :
         {"", ".", "..", "a/b", "a\\b", " taro", "ta\nro", "a]b", "[a", "a=b", "a\x7f", "a\tb"})
        EXPECT_FALSE(IsValidUserName(bad)) << bad;
    for (const char* good : {"taro", "山田 太郎", "user.2"})
        EXPECT_TRUE(IsValidUserName(good)) << good;
}

TEST(Paths, DataAndConfigFolders) {
    FolderInputs in;
    in.home = "/home/u";
    in.executableDir = "/opt/tokivane";
    EXPECT_EQ(DataFolder(in), "/home/u/.local/share/tokivane");
    EXPECT_EQ(ConfigFolder(in), "/home/u/.config/tokivane");
    in.xdgDataHome = "/x/data";
    in.xdgConfigHome = "/x/cfg";
    EXPECT_EQ(DataFolder(in), "/x/data/tokivane");
    EXPECT_EQ(ConfigFolder(in), "/x/cfg/tokivane");
    in.portableMarker = true;
    EXPECT_EQ(DataFolder(in), "/opt/tokivane");
    in.dataDirOverride = "/tmp/d";
    in.configDirOverride = "/tmp/c";
    EXPECT_EQ(DataFolder(in), "/tmp/d");
    EXPECT_EQ(ConfigFolder(in), "/tmp/c");
}

struct SwitchCase {
    std::vector<std::string> args;
    std::string user;
    bool multi;
    bool disp;
    bool down;
};

std::string Joined(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& a : args) line += (line.empty() ? "" : " ") + a;
    return line;
}

void PrintTo(const SwitchCase& c, std::ostream* os) {
    *os << "[" << Joined(c.args) << "] -> user [" << c.user << "]" << (c.multi ? " /M" : "")
        << (c.disp ? " /Disp" : "") << (c.down ? " /Down" : "");
}

std::string SwitchName(const ::testing::TestParamInfo<SwitchCase>& info) {
    return info.param.args.empty() ? "NoSwitches" : test::Identifier(Joined(info.param.args));
}

class SwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SwitchTest, Reads) {
    const auto& c = GetParam();
    EXPECT_EQ(UserSwitch(c.args), c.user);
    EXPECT_EQ(MultiUserSwitch(c.args), c.multi);
    EXPECT_EQ(DisplaySwitch(c.args), c.disp);
    EXPECT_EQ(DownSwitch(c.args), c.down);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, SwitchTest,
    ::testing::Values(SwitchCase{{}, "", false, false, false},
                      SwitchCase{{"/Disp", "/u:taro"}, "taro", false, true, false},
                      SwitchCase{{"/U:"}, "", false, false, false},
                      SwitchCase{{"/U:", "/U:hanako"}, "hanako", false, false, false},
                      SwitchCase{{"/disp"}, "", false, false, false},
                      SwitchCase{{"/m", "/Disp"}, "", true, false, false},
                      SwitchCase{{"/Down"}, "", false, false, true},
                      SwitchCase{{"/U:taro", "/Down"}, "taro", false, false, false}),
    SwitchName);

}  // namespace
}  // namespace tkv
