// The rules of the paid-leave window's grid and its jump, without widgets.
#include "leave/ledger_grid.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "base/test_folder.h"
#include "core/month_file.h"
#include "core/month_record.h"
#include "leave/ledger.h"
#include "leave/ledger_jump.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {

void PrintTo(const LedgerTabMove& m, std::ostream* os) {
    *os << "{kind " << m.kind << ", row " << m.row << ", column " << LedgerColumnNumber(m.column)
        << "}";
}

namespace {

Ledger LedgerOf(std::initializer_list<const char*> dates) {
    Ledger ledger;
    int slot = 1;
    for (const char* date : dates) ledger.entry(slot++).date = date;
    return ledger;
}

// Two neighbouring entries and whether a grant-year line separates them.
struct SeparatorCase {
    const char* name;
    int yukyuMonth;
    const char* date;
    const char* next;  // "" for a free slot below
    bool line;
};

void PrintTo(const SeparatorCase& c, std::ostream* os) {
    *os << "YukyuMonth " << c.yukyuMonth << ": " << c.date << " / [" << c.next << "]";
}

class SeparatorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(SeparatorTest, LineUnderTheLastEntryOfAGrantYear) {
    const SeparatorCase& c = GetParam();
    const Ledger ledger = LedgerOf({c.date, c.next});
    EXPECT_EQ(GrantYearLineBelow(ledger, 1, c.yukyuMonth), c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, SeparatorTest,
    ::testing::Values(SeparatorCase{"MarchThenApril", 4, "2024/03/31", "2024/04/01", true},
                      SeparatorCase{"AprilThenMay", 4, "2024/04/01", "2024/05/10", false},
                      SeparatorCase{"AprilThenNextApril", 4, "2024/04/01", "2025/04/01", true},
                      SeparatorCase{"MarchThenMarchNextYear", 4, "2024/03/31", "2025/03/01", true},
                      SeparatorCase{"JanuaryGrantDecemberThenJanuary", 1, "2023/12/31",
                                    "2024/01/01", true},
                      SeparatorCase{"JanuaryGrantSameYear", 1, "2024/01/01", "2024/12/31", false},
                      SeparatorCase{"LastEntryHasNone", 4, "2024/03/31", "", false},
                      SeparatorCase{"Off", 0, "2024/03/31", "2024/04/01", false},
                      SeparatorCase{"UnnormalisedDateCounts", 4, "2024/3/31", "2024/04/01", true},
                      SeparatorCase{"NoDateNoLine", 4, "x", "2024/04/01", false}),
    test::ByName());

TEST(LedgerGrid, TheSeparatorIsDrawnAcrossTheRow) {
    Settings s;
    s.YukyuMonth = 4;
    const Ledger ledger = LedgerOf({"2024/03/31", "2024/04/01", "2024/05/10"});
    for (int c = 0; c < LedgerColumnCount; ++c) {
        EXPECT_TRUE(LedgerStyleFor(ledger, 1, LedgerColumnAt(c), s).yearLine) << c;
        EXPECT_FALSE(LedgerStyleFor(ledger, 2, LedgerColumnAt(c), s).yearLine) << c;
    }
}

// A double click on the kind, from the kind the slot holds.
struct KindCycleCase {
    const char* name;
    const char* date;
    const char* kind;
    const char* days;
    const char* wantDate;
    const char* wantKind;
    const char* wantDays;
};

void PrintTo(const KindCycleCase& c, std::ostream* os) {
    *os << "[" << c.date << "] [" << c.kind << "] [" << c.days << "]";
}

class KindCycleTest : public ::testing::TestWithParam<KindCycleCase> {};

TEST_P(KindCycleTest, AdvancesAndWritesTheDaysOfWholeAndHalfDays) {
    const KindCycleCase& c = GetParam();
    Ledger ledger;
    ledger.SetHalfDayValues(-0.4, -0.6);
    LeaveEntry& e = ledger.entry(7);
    e.date = c.date;
    e.kind = c.kind;
    e.days = c.days;
    SetEntryKind(ledger, 7, std::nullopt);
    EXPECT_EQ(e.date, c.wantDate);
    EXPECT_EQ(e.kind, c.wantKind);
    EXPECT_EQ(e.days, c.wantDays);
    EXPECT_EQ(e.weekday, e.date.empty() ? "" : "金");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindCycleTest,
    ::testing::Values(
        KindCycleCase{"NoneToPaidLeave", "2024/4/5", "", "", "2024/04/05", "有給", " -1.0"},
        KindCycleCase{"PaidLeaveToMorning", "2024/04/05", "有給", " -1.0", "2024/04/05", "午前",
                      " -0.4"},
        KindCycleCase{"MorningToAfternoon", "2024/04/05", "午前", " -0.4", "2024/04/05", "午後",
                      " -0.6"},
        KindCycleCase{"AfternoonToIncreaseKeepsTheDays", "2024/04/05", "午後", " -0.6",
                      "2024/04/05", "増加", " -0.6"},
        KindCycleCase{"IncreaseToDecrease", "2024/04/05", "増加", "20.0", "2024/04/05", "減少",
                      "20.0"},
        KindCycleCase{"DecreaseToOther", "2024/04/05", "減少", "3", "2024/04/05", "ｿﾉ他", "3"},
        KindCycleCase{"OtherWrapsToPaidLeave", "2024/04/05", "ｿﾉ他", "3.0", "2024/04/05", "有給",
                      " -1.0"},
        KindCycleCase{"UnknownKindIsLeftAlone", "2024/04/05", "代休", "2.0", "2024/04/05", "代休",
                      "2.0"},
        KindCycleCase{"NoDateChangesOnlyTheDate", "abc", "", "5.0", "", "", "5.0"}),
    test::ByName());

TEST(LedgerGrid, KindMenuSetsTheKindDirectly) {
    Ledger ledger;
    ledger.entry(1).date = "2024/04/05";
    ledger.entry(1).days = "3.0";
    EXPECT_TRUE(SetEntryKind(ledger, 1, LeaveKind::Other));
    EXPECT_EQ(ledger.entry(1).kind, "ｿﾉ他");
    EXPECT_EQ(ledger.entry(1).days, "3.0");
    EXPECT_TRUE(SetEntryKind(ledger, 1, LeaveKind::Morning));
    EXPECT_EQ(ledger.entry(1).days, " -0.5");
    // The menu also sets a kind the cycle would leave alone.
    ledger.entry(1).kind = "代休";
    EXPECT_TRUE(SetEntryKind(ledger, 1, LeaveKind::PaidLeave));
    EXPECT_EQ(ledger.entry(1).kind, "有給");
}

TEST(LedgerGrid, DateDoubleClick) {
    Ledger ledger;
    FillEntryDate(ledger, 3, {2025, 3, 28});
    EXPECT_EQ(ledger.entry(3).date, "2025/03/28");
    EXPECT_EQ(ledger.entry(3).weekday, "金");
    // A date already there is only normalised.
    ledger.entry(4).date = " 24/4/1";
    FillEntryDate(ledger, 4, {2025, 3, 28});
    EXPECT_EQ(ledger.entry(4).date, "0024/04/01");
    ledger.entry(5).date = "2024/13/40";
    FillEntryDate(ledger, 5, {2025, 3, 28});
    EXPECT_EQ(ledger.entry(5).weekday, "？");
    // Text that is no date is dropped, and with it the weekday.
    ledger.entry(6).date = "today";
    ledger.entry(6).weekday = "月";
    FillEntryDate(ledger, 6, {2025, 3, 28});
    EXPECT_EQ(ledger.entry(6).date, "");
    EXPECT_EQ(ledger.entry(6).weekday, "");
}

TEST(LedgerGrid, DeleteByDateStartsTwoYearsAndAMonthBack) {
    EXPECT_EQ(DeleteUpToInitialDate({2025, 3, 28}), (Date{2023, 2, 28}));
    EXPECT_EQ(DeleteUpToInitialDate({2026, 3, 1}), (Date{2024, 2, 29}));
    EXPECT_EQ(DeleteUpToInitialDate({2025, 1, 10}), (Date{2022, 12, 31}));
    EXPECT_EQ(DeleteUpToInitialDate({2025, 12, 31}), (Date{2023, 11, 30}));
}

struct TabCase {
    const char* name;
    int row;
    LedgerColumn column;
    bool backward;
    bool ctrl;
    LedgerTabMove want;
};

void PrintTo(const TabCase& c, std::ostream* os) {
    *os << "row " << c.row << " column " << LedgerColumnNumber(c.column)
        << (c.backward ? " Shift" : "") << (c.ctrl ? " Ctrl" : "");
}

class TabTest : public ::testing::TestWithParam<TabCase> {};

TEST_P(TabTest, MovesOverTheTabStops) {
    const TabCase& c = GetParam();
    EXPECT_EQ(LedgerTabTarget(c.row, c.column, c.backward, c.ctrl), c.want);
}

using C = LedgerColumn;
using M = LedgerTabMove;

INSTANTIATE_TEST_SUITE_P(
    Moves, TabTest,
    ::testing::Values(
        TabCase{"DateToKind", 5, C::Date, false, false, {M::Cell, 5, C::Kind}},
        TabCase{"WeekdayToKind", 5, C::Weekday, false, false, {M::Cell, 5, C::Kind}},
        TabCase{"KindToDays", 5, C::Kind, false, false, {M::Cell, 5, C::Days}},
        TabCase{"RemainingToMemo", 5, C::Remaining, false, false, {M::Cell, 5, C::Memo}},
        TabCase{"MemoToNextDate", 5, C::Memo, false, false, {M::Cell, 6, C::Date}},
        TabCase{"LastMemoToCalc", 500, C::Memo, false, false, {M::CalcButton}},
        TabCase{"CtrlTabToCalc", 5, C::Kind, false, true, {M::CalcButton}},
        TabCase{"BackDateToMemoAbove", 5, C::Date, true, false, {M::Cell, 4, C::Memo}},
        TabCase{"BackFirstDateToCancel", 1, C::Date, true, false, {M::CancelButton}},
        TabCase{"BackKindToDate", 5, C::Kind, true, false, {M::Cell, 5, C::Date}},
        TabCase{"BackDaysToKind", 5, C::Days, true, false, {M::Cell, 5, C::Kind}},
        TabCase{"BackMemoToDays", 5, C::Memo, true, false, {M::Cell, 5, C::Days}},
        TabCase{"BackRemainingToDays", 5, C::Remaining, true, false, {M::Cell, 5, C::Days}}),
    test::ByName());

TEST(LedgerGrid, InksBackgroundsAndHints) {
    Settings s;
    s.CellColorCheck[1] = true;  // 有給
    s.CellColor[1] = 0x123456;
    s.CellColorCheck[6] = true;  // Saturdays
    s.CellColor[6] = 0x111111;
    s.CellColorCheck[7] = true;  // Sundays
    s.CellColor[7] = 0x654321;
    Ledger ledger;
    ledger.entry(1) = {"2024/04/07", "日", "増加", " 20.0", "", "", 0};
    ledger.entry(2) = {"2024/04/06", "土", "有給", " -1.0", "", "通院", 0x00FF00};
    ledger.entry(3) = {"2024/04/08", "月", "", "  0.0", "", "", 0};

    const auto style = [&](int slot, LedgerColumn c) { return LedgerStyleFor(ledger, slot, c, s); };
    EXPECT_EQ(style(1, C::Weekday).ink, 0x0000FF);  // Sunday red
    EXPECT_EQ(style(2, C::Weekday).ink, 0xFF0000);  // Saturday blue
    EXPECT_EQ(style(1, C::Days).ink, 0xFF0000);     // a grant in blue
    EXPECT_EQ(style(2, C::Days).ink, std::nullopt);
    EXPECT_EQ(style(3, C::Days).ink, std::nullopt);
    EXPECT_EQ(style(2, C::Memo).ink, 0x00FF00);
    EXPECT_EQ(style(1, C::Memo).cellColor, 7);  // Sunday background
    EXPECT_EQ(style(2, C::Memo).cellColor, 1);  // the kind's colour wins over Saturday's
    EXPECT_EQ(style(3, C::Memo).cellColor, -1);
    EXPECT_TRUE(style(1, C::No).fixed);
    EXPECT_EQ(style(1, C::No).cellColor, -1);

    EXPECT_EQ(LedgerCellText(ledger.entry(1), 7, C::No), "  7");
    EXPECT_EQ(LedgerCellHint(ledger.entry(1), C::Memo), "メモを入力してください。");
    EXPECT_EQ(LedgerCellHint(ledger.entry(2), C::Memo), "通院");
    EXPECT_EQ(LedgerCellHint(ledger.entry(2), C::Kind),
              "有給区分を選択してください。\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰが表示されます。");
    EXPECT_EQ(LedgerCellHint(ledger.entry(2), C::No), "");
}

// Month files of the accounting months around a closing day of 20.
class LedgerJumpTest : public ::testing::Test {
protected:
    void writeMonth(YearMonth ym) {
        Settings s;
        s.SimeDay = 20;
        MonthRecord m;
        NewMonth(m, ym, s, AnnualHolidayTable{});
        ASSERT_TRUE(SaveMonth(m, path(ym), s).io.ok());
    }
    std::string path(YearMonth ym) const {
        return folder.file(std::to_string(ym.year * 100 + ym.month) + ".dat");
    }
    std::optional<MonthDayRow> find(const char* date) const {
        return FindLedgerDay(date, [this](YearMonth ym) { return path(ym); });
    }
    test::TestFolder folder;
};

TEST_F(LedgerJumpTest, FindsTheDayInItsOwnMonthOrTheNext) {
    writeMonth({2024, 4});  // 3/21 .. 4/20
    writeMonth({2024, 5});  // 4/21 .. 5/20
    // Up to the closing day: April's file, the row of the day.
    EXPECT_EQ(find("2024/04/05"), (MonthDayRow{{2024, 4}, 16}));
    // After the closing day the day lies in May's file, although April's
    // file holds a 25th (of March).
    EXPECT_EQ(find("2024/04/25"), (MonthDayRow{{2024, 5}, 5}));
    EXPECT_EQ(find("2024/4/21"), (MonthDayRow{{2024, 5}, 1}));
    // March 25th is in April's file, but the search starts in March.
    EXPECT_EQ(find("2024/03/25"), (MonthDayRow{{2024, 4}, 5}));
}

TEST_F(LedgerJumpTest, DecemberWrapsToJanuary) {
    writeMonth({2025, 1});  // 2024/12/21 .. 2025/1/20
    EXPECT_EQ(find("2024/12/25"), (MonthDayRow{{2025, 1}, 5}));
}

TEST_F(LedgerJumpTest, NothingWithoutAFileOrADate) {
    writeMonth({2024, 4});
    EXPECT_EQ(find("2024/06/01"), std::nullopt);  // no file for June or July
    EXPECT_EQ(find("2024/05/25"), std::nullopt);  // May's own file is missing
    EXPECT_EQ(find("2024/13/40"), std::nullopt);
    EXPECT_EQ(find(""), std::nullopt);
}

}  // namespace
}  // namespace tkv
