#include "base/command_lines.h"

#include <ostream>

#include <gtest/gtest.h>

#include "base/param_names.h"

namespace tkv {
namespace {

std::string Joined(const CommandLine& c) {
    std::string s = c.program;
    for (const std::string& a : c.args) s += " " + a;
    return s;
}

// Both directions of the hand-over carry the same user switch: /M wins over
// a user name, and no name gives no switch.
struct HandOverCase {
    const char* name;  // of the test row
    bool multiUser;
    const char* user;
    const char* idleTool;  // IdleToolCommand with IconSelect 1
    const char* display;   // DesktopCommand with /Disp
};

void PrintTo(const HandOverCase& c, std::ostream* os) {
    *os << (c.multiUser ? "/M " : "") << "user \"" << c.user << "\"";
}

class HandOverTest : public ::testing::TestWithParam<HandOverCase> {};

TEST_P(HandOverTest, CarriesTheUserSwitch) {
    const HandOverCase& c = GetParam();
    EXPECT_EQ(Joined(IdleToolCommand("/opt/t/bin", 1, c.multiUser, c.user)), c.idleTool);
    EXPECT_EQ(Joined(DesktopCommand("/opt/t/bin/", "/Disp", c.multiUser, c.user)), c.display);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, HandOverTest,
    ::testing::Values(HandOverCase{"NamedUser", false, "taro", "/opt/t/bin/drowsel /Idle 1 /U:taro",
                                   "/opt/t/bin/tokivane /Disp /U:taro"},
                      HandOverCase{"UserMenu", true, "", "/opt/t/bin/drowsel /Idle 1 /M",
                                   "/opt/t/bin/tokivane /Disp /M"},
                      HandOverCase{"UserMenuWinsOverAName", true, "taro",
                                   "/opt/t/bin/drowsel /Idle 1 /M", "/opt/t/bin/tokivane /Disp /M"},
                      HandOverCase{"NoSwitch", false, "", "/opt/t/bin/drowsel /Idle 1",
                                   "/opt/t/bin/tokivane /Disp"},
                      HandOverCase{"NameWithABlank", false, "山田 太郎",
                                   "/opt/t/bin/drowsel /Idle 1 /U:山田 太郎",
                                   "/opt/t/bin/tokivane /Disp /U:山田 太郎"}),
    test::ByName());

TEST(CommandLines, TheNameWithABlankStaysOneArgument) {
    const CommandLine c = IdleToolCommand("/b", 0, false, "山田 太郎");
    ASSERT_EQ(c.args.size(), 3u);
    EXPECT_EQ(c.args[2], "/U:山田 太郎");
}

struct IconCase {
    const char* name;
    std::vector<std::string> args;
    int icon;
};

void PrintTo(const IconCase& c, std::ostream* os) {
    for (const std::string& a : c.args) *os << a << ' ';
}

class IdleIconTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(IdleIconTest, Reads) {
    EXPECT_EQ(IdleIconSwitch(GetParam().args), GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(Arguments, IdleIconTest,
                         ::testing::Values(IconCase{"Computer", {"/Idle", "1", "/U:taro"}, 1},
                                           IconCase{"LetterCaseFree", {"/M", "/idle", "1"}, 1},
                                           IconCase{"Missing", {"/M"}, 0},
                                           IconCase{"NumberMissing", {"/Idle"}, 0},
                                           IconCase{"NotANumber", {"/Idle", "one"}, 0},
                                           IconCase{"Negative", {"/Idle", "-1"}, 0},
                                           IconCase{"TrailingText", {"/Idle", "1x"}, 0}),
                         [](const ::testing::TestParamInfo<IconCase>& p) {
                             return std::string(p.param.name);
                         });

}  // namespace
}  // namespace tkv
