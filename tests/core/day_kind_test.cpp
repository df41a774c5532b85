#include "core/day_kind.h"

#include <gtest/gtest.h>

namespace tkv {
namespace {

TEST(DayKindTest, TextsAndNamesMapBothWays) {
    struct Case {
        DayKind kind;
        const char* text;
        const char* longName;
    };
    const Case cases[] = {
        {DayKind::Ordinary, "  ", ""},           {DayKind::Holiday, "○", "休日"},
        {DayKind::PaidLeave, "有", "有給"},      {DayKind::MorningLeave, "前", "午前"},
        {DayKind::AfternoonLeave, "後", "午後"}, {DayKind::Compensatory, "代", "代休"},
        {DayKind::Absence, "欠", "欠勤"},        {DayKind::ShortDay, "半", "半ド"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayKindText(c.kind), c.text);
        EXPECT_EQ(DayKindLongName(c.kind), c.longName);
        EXPECT_EQ(DayKindFromText(c.text), c.kind);
        EXPECT_EQ(DayKindFromCode(static_cast<int>(c.kind)), c.kind);
        if (c.kind != DayKind::Ordinary) {
            EXPECT_EQ(DayKindFromName(c.longName), c.kind);
            EXPECT_EQ(DayKindFromName(c.text), c.kind);
        }
    }
}

TEST(DayKindTest, LooseTextFallsBackToOrdinary) {
    EXPECT_EQ(DayKindFromText(" 有 "), DayKind::PaidLeave);
    EXPECT_EQ(DayKindFromText(""), DayKind::Ordinary);
    EXPECT_EQ(DayKindFromText("有給"), DayKind::Ordinary);  // a long name is no grid text
    EXPECT_EQ(DayKindFromText("x"), DayKind::Ordinary);
    EXPECT_EQ(DayKindFromName(" 代休 "), DayKind::Compensatory);
    EXPECT_FALSE(DayKindFromName("").has_value());
    EXPECT_FALSE(DayKindFromName("none").has_value());
    EXPECT_FALSE(DayKindFromCode(8).has_value());
    EXPECT_FALSE(DayKindFromCode(-1).has_value());
}

}  // namespace
}  // namespace tkv
