#include "leave/ledger.h"

#include <cmath>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/param_names.h"

namespace tkv {
namespace {

struct TextCase {
    const char* name;
    const char* in;
    const char* out;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << "[" << c.in << "] -> [" << c.out << "]";
}

class NormalizeDateTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NormalizeDateTest, NormalisesAndIsStable) {
    const std::string once = NormalizeLedgerDate(GetParam().in);
    EXPECT_EQ(once, GetParam().out) << "input [" << GetParam().in << "]";
    EXPECT_EQ(NormalizeLedgerDate(once), once);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NormalizeDateTest,
    ::testing::Values(TextCase{"OneDigitFields", "2024/4/1", "2024/04/01"},
                      TextCase{"ShortYearInBlanks", " 24/4/1 ", "0024/04/01"},
                      TextCase{"FullWidth", "２０２４／４／１", "2024/04/01"},
                      TextCase{"BlanksInside", "2024/ 4/ 1", "2024/04/01"},
                      TextCase{"NoSuchDay", "2024/13/40", "2024/13/40"},
                      TextCase{"LongFields", "12345/123/456", "1234/12/45"},
                      TextCase{"NegativeMonth", "2024/-1/5", "2024/-1/05"},
                      TextCase{"NegativeYear", "-1/1/1", "-001/01/01"},
                      TextCase{"LetterMonth", "2024/x/1", "2024/00/01"},
                      TextCase{"ZeroYearAndDay", "0000/04/00", "0000/04/00"},
                      TextCase{"AllZeros", "0000/00/00", ""}, TextCase{"NoSlashes", "20240401", ""},
                      TextCase{"NoDay", "2024/04", ""}, TextCase{"ShortZeros", "0/0/0", ""},
                      TextCase{"Letters", "a/b/c", ""}, TextCase{"Empty", "", ""}),
    test::ByName());

class WeekdayTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(WeekdayTest, ComputedFromTheDate) {
    EXPECT_EQ(WeekdayOfDate(GetParam().in), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Dates, WeekdayTest,
                         ::testing::Values(TextCase{"Monday", "2024/04/01", "月"},
                                           TextCase{"LeapDay", "2024/02/29", "木"},
                                           TextCase{"Year2000", "2000/01/01", "土"},
                                           TextCase{"Sunday1970", "1970/01/04", "日"},
                                           TextCase{"FirstDate", "0001/01/01", "月"},
                                           TextCase{"LastDate", "9999/12/31", "金"},
                                           TextCase{"NoLeapDay", "2023/02/29", "？"},
                                           TextCase{"NoSuchMonth", "2024/13/40", "？"},
                                           TextCase{"YearZero", "0000/01/01", "？"},
                                           TextCase{"NotNormalised", "2024/4/1", "？"},
                                           TextCase{"Empty", "", "？"}),
                         test::ByName());

struct TenthsCase {
    const char* name;
    const char* text;
    long long tenths;
};

void PrintTo(const TenthsCase& c, std::ostream* os) {
    *os << "[" << c.text << "] -> " << c.tenths;
}

class TenthsTest : public ::testing::TestWithParam<TenthsCase> {};

TEST_P(TenthsTest, ReadsDayCounts) {
    EXPECT_EQ(TenthsOf(GetParam().text), GetParam().tenths) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TenthsTest,
    ::testing::Values(TenthsCase{"NegativeInBlank", " -1.0", -10}, TenthsCase{"Whole", "20", 200},
                      TenthsCase{"HalfTenthUp", "0.05", 1}, TenthsCase{"MinusZero", "-0.0", 0},
                      TenthsCase{"Blanks", " 2.5 ", 25}, TenthsCase{"FullWidth", "１．５", 15},
                      TenthsCase{"DecimalComma", "1,5", 0}, TenthsCase{"Letters", "abc", 0},
                      TenthsCase{"Overflow", "1e400", 0},
                      TenthsCase{"Largest", "999999999.9", 9999999999},
                      TenthsCase{"BelowSmallest", "-1000000000.0", 0},
                      TenthsCase{"TwentyDigits", "99999999999999999999.9", 0}),
    test::ByName());

LeaveEntry Entry(std::string date, std::string kind, std::string days, std::string memo = {}) {
    LeaveEntry e;
    e.date = std::move(date);
    e.kind = std::move(kind);
    e.days = std::move(days);
    e.memo = std::move(memo);
    return e;
}

TEST(Ledger, RecalcSortsNormalisesAndRunsTheBalance) {
    Ledger ledger;
    ledger.setKuriZan(" 10");
    ledger.entry(1) = Entry("2024/5/10", "有給", "-1");
    ledger.entry(2) = Entry("junk", "有給", "-1", "dropped with its memo");
    ledger.entry(3) = Entry("2024/04/01", "増加", "20.04");
    ledger.entry(7) = Entry("2024/4/2", "ｿﾉ他", "abc");
    ledger.entry(9) = Entry("2024/13/40", "午前", "-0.5");
    ledger.RecalcLedger();

    ASSERT_EQ(ledger.entryCount(), 4);
    const char* expected[][4] = {{"2024/04/01", "月", " 20.0", " 30.0"},
                                 {"2024/04/02", "火", "  0.0", " 30.0"},
                                 {"2024/05/10", "金", " -1.0", " 29.0"},
                                 {"2024/13/40", "？", " -0.5", " 28.5"}};
    for (int i = 0; i < 4; ++i) {
        const LeaveEntry& e = ledger.entry(i + 1);
        EXPECT_EQ(e.date, expected[i][0]);
        EXPECT_EQ(e.weekday, expected[i][1]);
        EXPECT_EQ(e.days, expected[i][2]);
        EXPECT_EQ(e.remaining, expected[i][3]);
    }
    EXPECT_EQ(ledger.entry(5), LeaveEntry{});
    EXPECT_EQ(ledger.KuriZan(), "10.0");
    EXPECT_EQ(ledger.CurrentBalance(), "28.5");
}

TEST(Ledger, FollowsTheMonthGrid) {
    Ledger ledger;
    ledger.SetHalfDayValues(-0.4, -0.6);
    ledger.setKuriZan("12.0");

    // An empty ledger takes any day; a day before its first entry is refused.
    EXPECT_TRUE(ledger.AddLeaveEntry("2024/04/01", "有", 0, "通院"));
    EXPECT_FALSE(ledger.AddLeaveEntry("2024/03/29", "有", 0, ""));
    EXPECT_FALSE(ledger.AddLeaveEntry("2024/04/08", "代", 0, ""));
    EXPECT_TRUE(ledger.AddLeaveEntry("2024/04/10", "後", 0, ""));
    EXPECT_EQ(ledger.entry(1).kind, "有給");
    EXPECT_EQ(ledger.entry(1).days, " -1.0");
    EXPECT_EQ(ledger.entry(1).remaining, " 11.0");
    EXPECT_EQ(ledger.entry(2).days, " -0.6");

    // "有" -> "前" on the oldest day: the entry is replaced, not lost.
    EXPECT_EQ(ledger.RemoveLeaveEntries("2024/04/01", "有"), 1);
    EXPECT_TRUE(ledger.AddLeaveEntry("2024/04/01", "前", 0xFF, "通院"));
    EXPECT_EQ(ledger.entry(1).kind, "午前");
    EXPECT_EQ(ledger.entry(1).days, " -0.4");
    EXPECT_EQ(ledger.entry(1).color, 0xFF);
    EXPECT_EQ(ledger.CurrentBalance(), "11.0");

    // Only the memo of the "後" day changed.
    EXPECT_TRUE(ledger.UpdateLeaveMemo("2024/04/10", "午後", 0, "午後休"));
    EXPECT_FALSE(ledger.UpdateLeaveMemo("2024/04/10", "午前", 0, "x"));
    EXPECT_EQ(ledger.entry(2).memo, "午後休");
    EXPECT_EQ(ledger.entryCount(), 2);

    // The day becomes an ordinary day: its entry goes, the balance rises.
    EXPECT_EQ(ledger.RemoveLeaveEntries("2024/04/10", "後"), 1);
    EXPECT_FALSE(ledger.AddLeaveEntry("2024/04/10", "  ", 0, ""));
    EXPECT_EQ(ledger.entryCount(), 1);
    EXPECT_EQ(ledger.CurrentBalance(), "11.6");
}

TEST(Ledger, FoldingKeepsTheCurrentBalance) {
    Ledger ledger;
    ledger.setKuriZan("2.5");
    ledger.entry(1) = Entry("2024/04/01", "増加", "20.0");
    ledger.entry(2) = Entry("2024/04/05", "有給", "-1.0");
    ledger.entry(3) = Entry("2024/04/05", "有給", "-1.0");
    ledger.entry(4) = Entry("2024/05/01", "有給", "-1.0");
    ledger.RecalcLedger();
    ASSERT_EQ(ledger.CurrentBalance(), "19.5");

    Ledger byCount = ledger;
    EXPECT_EQ(byCount.DeleteOldestEntries(0), 0);
    EXPECT_EQ(byCount.DeleteOldestEntries(3), 3);
    EXPECT_EQ(byCount.KuriZan(), "20.5");
    EXPECT_EQ(byCount.CurrentBalance(), "19.5");
    EXPECT_EQ(byCount.entry(1).date, "2024/05/01");
    EXPECT_EQ(byCount.DeleteOldestEntries(100000), 1);
    EXPECT_EQ(byCount.KuriZan(), "19.5");

    Ledger byDate = ledger;
    EXPECT_EQ(byDate.DeleteEntriesUpTo("2024/4/5"), 3);
    EXPECT_EQ(byDate.KuriZan(), "20.5");
    EXPECT_EQ(byDate.CurrentBalance(), "19.5");
    EXPECT_EQ(byDate.DeleteEntriesUpTo("no date"), 0);
}

TEST(Ledger, FullLedgerFoldsItsOldestEntry) {
    Ledger ledger;
    ledger.setKuriZan("600.0");
    for (int i = 1; i <= LedgerSlotCount; ++i)
        ledger.entry(i) = Entry("2000/01/01", "有給", "-1.0", std::to_string(i));
    ledger.entry(1).date = "1999/12/31";
    ledger.RecalcLedger();
    ASSERT_EQ(ledger.CurrentBalance(), "100.0");

    EXPECT_TRUE(ledger.AddLeaveEntry("2024/04/01", "有", 0, "new"));
    EXPECT_EQ(ledger.entryCount(), LedgerSlotCount);
    EXPECT_EQ(ledger.entry(1).date, "2000/01/01");
    EXPECT_EQ(ledger.entry(LedgerSlotCount).memo, "new");
    EXPECT_EQ(ledger.KuriZan(), "599.0");
    EXPECT_EQ(ledger.CurrentBalance(), "99.0");
}

// Entries of one date keep the order they stand in, however many share it
// and however far the sort has to move them; a day added from the month grid
// goes after the entries already there.
TEST(Ledger, EqualDatesKeepTheirOrder) {
    Ledger ledger;
    const char* dates[] = {"2024/6/1", "2024/4/10", "2024/4/10", "2024/3/1"};
    for (int i = 1; i <= 480; ++i)
        ledger.entry(i) = Entry(dates[i % 4], "有給", "-1", std::to_string(i));
    ledger.RecalcLedger();
    ASSERT_EQ(ledger.entryCount(), 480);

    auto expectGroups = [&ledger](int count) {
        std::string previousDate;
        int previousMemo = 0;
        for (int slot = 1; slot <= count; ++slot) {
            const LeaveEntry& e = ledger.entry(slot);
            ASSERT_LE(previousDate, e.date) << "slot " << slot;
            const int memo = e.memo == "added" ? 1000 : std::stoi(e.memo);
            if (e.date == previousDate) {
                EXPECT_LT(previousMemo, memo) << e.date << " at slot " << slot;
            }
            previousDate = e.date;
            previousMemo = memo;
        }
    };
    expectGroups(480);
    EXPECT_EQ(ledger.entry(1).memo, "3");
    EXPECT_EQ(ledger.entry(121).date, "2024/04/10");
    EXPECT_EQ(ledger.entry(121).memo, "1");
    EXPECT_EQ(ledger.entry(361).memo, "4");

    EXPECT_TRUE(ledger.AddLeaveEntry("2024/04/10", "有", 0, "added"));
    EXPECT_EQ(ledger.entry(361).memo, "added");
    EXPECT_EQ(ledger.entry(362).memo, "4");
    expectGroups(481);

    // Taking the first of the busy date out leaves the others in order.
    ledger.entry(121).date.clear();
    ledger.RecalcLedger();
    EXPECT_EQ(ledger.entry(121).memo, "2");
    expectGroups(480);
}

struct ScrollCase {
    int entries;
    int visible;
    LedgerScroll scroll;
};

std::string Line(std::optional<int> line) {
    return line ? std::to_string(*line) : "none";
}

void PrintTo(const ScrollCase& c, std::ostream* os) {
    *os << c.entries << " entries, " << c.visible << " lines -> top " << Line(c.scroll.topRow)
        << ", cursor " << Line(c.scroll.cursorRow);
}

std::string ScrollName(const ::testing::TestParamInfo<ScrollCase>& info) {
    return std::to_string(info.param.entries) + "Entries_" + std::to_string(info.param.visible) +
           "Lines";
}

class ScrollTest : public ::testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollTest, ShowsTheLastEntryAndTheFirstFreeLine) {
    Ledger ledger;
    for (int i = 1; i <= GetParam().entries; ++i)
        ledger.entry(i) = Entry("2024/04/01", "有給", "-1");
    ledger.RecalcLedger();
    EXPECT_EQ(ledger.scrollTarget(GetParam().visible), GetParam().scroll);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ScrollTest,
    ::testing::Values(ScrollCase{0, 10, {std::nullopt, 1}}, ScrollCase{5, 10, {1, 6}},
                      ScrollCase{100, 10, {92, 101}}, ScrollCase{499, 10, {491, 500}},
                      ScrollCase{500, 10, {491, std::nullopt}}, ScrollCase{3, 0, {4, 4}},
                      ScrollCase{500, 900, {1, std::nullopt}}),
    ScrollName);

TEST(Ledger, UnsavedChangesCoverFieldsColoursAndCarryOver) {
    Ledger ledger;
    ledger.entry(1) = Entry("2024/04/01", "有給", "-1.0");
    ledger.RecalcLedger();
    ledger.takeSnapshot();
    EXPECT_FALSE(ledger.HasUnsavedChanges());

    Ledger colour = ledger;
    colour.entry(1).color = 0xFF;
    EXPECT_TRUE(colour.HasUnsavedChanges());
    Ledger carry = ledger;
    carry.setKuriZan("5.0");
    EXPECT_TRUE(carry.HasUnsavedChanges());
    Ledger recalculated = ledger;
    recalculated.RecalcLedger();
    EXPECT_FALSE(recalculated.HasUnsavedChanges());
}

TEST(LeaveKinds, MarksMenuAndCycle) {
    EXPECT_EQ(LeaveKindOfMark("有"), LeaveKind::PaidLeave);
    EXPECT_EQ(LeaveKindOfMark("後"), LeaveKind::Afternoon);
    EXPECT_EQ(LeaveKindOfMark("代"), std::nullopt);
    EXPECT_EQ(LeaveKindOfMark("  "), std::nullopt);
    EXPECT_EQ(LeaveKindCaption(LeaveKind::Other), "その他");
    EXPECT_EQ(NextLeaveKind(""), LeaveKind::PaidLeave);
    EXPECT_EQ(NextLeaveKind("ｿﾉ他"), LeaveKind::PaidLeave);
    EXPECT_EQ(NextLeaveKind("午後"), LeaveKind::Increase);
    EXPECT_EQ(NextLeaveKind("休日"), std::nullopt);

    Ledger ledger;
    ledger.SetHalfDayValues(-0.44, std::nan(""));
    EXPECT_EQ(ledger.KindDaysText(LeaveKind::Morning), " -0.4");
    EXPECT_EQ(ledger.KindDaysText(LeaveKind::Afternoon), " -0.5");
    EXPECT_EQ(ledger.KindDaysText(LeaveKind::Increase), std::nullopt);
}

}  // namespace
}  // namespace tkv
