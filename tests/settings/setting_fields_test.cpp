#include "settings/setting_fields.h"

#include <ostream>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "settings/settings_store.h"

namespace tkv {
namespace {

// One field rule applied to one typed text.
struct FieldCase {
    const char* name;  // of the test row
    std::string (*rule)(std::string_view);
    const char* typed;
    const char* shown;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << '"' << c.typed << "\" -> \"" << c.shown << '"';
}

class FieldRuleTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldRuleTest, TidiesTheText) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(c.rule(c.typed), c.shown);
}

std::string closingDay(std::string_view t) {
    return ClosingDayFieldText(t);
}
std::string amount(std::string_view t) {
    return AmountFieldText(t);
}
std::string amountEdit(std::string_view t) {
    return AmountEditText(t);
}
std::string halfDay(std::string_view t) {
    return DecimalFieldText(t, DecimalSign::NeverPositive);
}
std::string margin(std::string_view t) {
    return DecimalFieldText(t, DecimalSign::NeverNegative);
}
std::string reserve(std::string_view t) {
    return DecimalFieldText(t, DecimalSign::Kept);
}
std::string compensatory(std::string_view t) {
    return CompensatoryFieldText(t);
}
std::string lateNightEnd(std::string_view t) {
    return WrapLateNightEnd(t);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, FieldRuleTest,
    ::testing::Values(FieldCase{"ClosingDayZeroIsOne", closingDay, "0", "1"},
                      FieldCase{"ClosingDay27Stays", closingDay, "27", "27"},
                      FieldCase{"ClosingDay28IsMonthEnd", closingDay, "28", "31"},
                      FieldCase{"ClosingDay30IsMonthEnd", closingDay, "30", "31"},
                      FieldCase{"ClosingDay45IsMonthEnd", closingDay, "45", "31"},
                      FieldCase{"ClosingDayTextIsOne", closingDay, "abc", "1"},
                      FieldCase{"ClosingDayFullWidth", closingDay, "１５", "15"},
                      FieldCase{"AmountGetsSeparators", amount, "200000", "200,000"},
                      FieldCase{"AmountTextIsZero", amount, "abc", "0"},
                      FieldCase{"AmountKeepsItsSeparators", amount, " 1,500 ", "1,500"},
                      FieldCase{"AmountNegative", amount, "-2500", "-2,500"},
                      // Beyond the 32 bits the record holds it would not read back the same.
                      FieldCase{"AmountTooLargeIsZero", amount, "99999999999", "0"},
                      FieldCase{"AmountEnteredLosesSeparators", amountEdit, "1,234,567", "1234567"},
                      FieldCase{"HalfDayPositiveIsNegated", halfDay, "0.5", "-0.5"},
                      FieldCase{"HalfDayNegativeStays", halfDay, "-0.5", "-0.5"},
                      FieldCase{"HalfDayWholeNumber", halfDay, "1", "-1.0"},
                      FieldCase{"HalfDayTextIsZero", halfDay, "abc", "0.0"},
                      FieldCase{"MarginNegativeIsMadePositive", margin, "-5", "5.0"},
                      FieldCase{"MarginOneDecimal", margin, "12.34", "12.3"},
                      FieldCase{"ReserveKeepsItsSign", reserve, "-1.5", "-1.5"},
                      FieldCase{"CompensatoryGetsTheSign", compensatory, "7:30", "-7:30"},
                      FieldCase{"CompensatoryKeepsTheSign", compensatory, "-7:30", "-7:30"},
                      FieldCase{"CompensatoryHours", compensatory, "8", "-8:00"},
                      FieldCase{"CompensatoryEmptyIsZero", compensatory, "", " 0:00"},
                      FieldCase{"CompensatoryTextIsZero", compensatory, "abc", " 0:00"},
                      FieldCase{"LateNightNextMorning", lateNightEnd, "29:30", " 5:30"},
                      FieldCase{"LateNightTwoDaysStopsAt24", lateNightEnd, "48:00", "24:00"},
                      FieldCase{"LateNightThreeDays", lateNightEnd, "72:00", "24:00"},
                      FieldCase{"LateNightJustPastMidnight", lateNightEnd, "24:01", " 0:01"},
                      FieldCase{"LateNight24Stays", lateNightEnd, "24:00", "24:00"},
                      FieldCase{"LateNightMorningAsTyped", lateNightEnd, "5:00", "5:00"},
                      FieldCase{"LateNightTextAsTyped", lateNightEnd, "abc", "abc"}),
    test::ByName());

TEST(SettingFields, NumbersAtTheCommit) {
    // Text that is not a number takes the commit's fallback, then the range.
    EXPECT_EQ(ClosingDayOf("abc"), 31);
    EXPECT_EQ(ClosingDayOf("45"), 31);
    EXPECT_EQ(ClosingDayOf("0"), 1);
    EXPECT_EQ(ClosingDayOf(" 20 "), 20);
    EXPECT_EQ(AmountOf("1,500"), 1500);
    EXPECT_EQ(TakeHomePercentOf("abc"), 100);
    EXPECT_EQ(TakeHomePercentOf("75"), 75);
    EXPECT_EQ(LeaveStartMonthOf("abc", 4), 4);
    EXPECT_EQ(LeaveStartMonthOf("abc", 0), 0);
    EXPECT_EQ(LeaveStartMonthOf("13", 4), 12);
    EXPECT_EQ(LeaveStartMonthOf("-1", 4), 0);
    EXPECT_EQ(MemoPrintLengthOf("5", 10), 10);
    EXPECT_EQ(MemoPrintLengthOf("abc", 10), 10);
    EXPECT_EQ(MemoPrintLengthOf("24", 10), 24);
}

// One stored time pair as the commit leaves it.
struct PairCase {
    const char* name;
    const char* first;
    const char* second;
    const char* stored;
};

void PrintTo(const PairCase& c, std::ostream* os) {
    *os << '"' << c.first << ',' << c.second << "\" -> \"" << c.stored << '"';
}

class TimePairTest : public ::testing::TestWithParam<PairCase> {};

TEST_P(TimePairTest, StoredForm) {
    const PairCase& c = GetParam();
    EXPECT_EQ(NormalTimePair({c.first, c.second}).text(), c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, TimePairTest,
    ::testing::Values(PairCase{"EmptyEndIsZero", "15:00", "", "15:00, 0:00"},
                      PairCase{"BothEmptyStayEmpty", "", "", ","},
                      PairCase{"BothZeroAreEmpty", " 0:00", "0:00", ","},
                      PairCase{"UnreadableHalvesAreEmpty", "abc", "xyz", ","},
                      PairCase{"HoursOnly", "8", "17", " 8:00,17:00"},
                      PairCase{"HoursAndMinutesRun", "830", "1730", " 8:30,17:30"},
                      PairCase{"NegativeFirstHalf", "-8:00", "", "-8:00, 0:00"},
                      PairCase{"EmptyStartIsZero", "", "13:00", " 0:00,13:00"}),
    test::ByName());

TEST(SettingFields, NormalisingLeavesTheFrequentTimesAlone) {
    TimeSettings t;
    t.standardStart = "8";
    t.morningLeaveWork = " 4:00";
    t.breaks[1] = {"15:00", ""};
    t.frequentTimes[0] = {" 8:00", ""};  // time 2 is not set, and stays so
    NormaliseTimes(t);
    EXPECT_EQ(t.standardStart.text(), " 8:00");
    EXPECT_EQ(t.spare14.text(), " 0:00");
    EXPECT_EQ(t.breaks[1].text(), "15:00, 0:00");
    EXPECT_EQ(t.breaks[2].text(), ",");
    EXPECT_EQ(t.frequentTimes[0].text(), " 8:00,");
}

TEST(SettingFields, CommittedRecordIsWhatTheNextLoadGives) {
    Settings s;
    s.times.lateNightEnd = " 0:00";
    s.times.shortDayStart = "";
    s.times.standardStart = " 9:00";
    RepairSettings(s);
    EXPECT_EQ(s.times.lateNightEnd.text(), " 5:00");
    EXPECT_EQ(s.times.shortDayStart.text(), " 9:00");
    EXPECT_EQ(s.times.shortDayEnd.text(), "12:00");
    EXPECT_EQ(s.times.shortDayWork.text(), " 4:00");
}

// The break list's row commands on rows holding "1".."10".
struct BreakCase {
    const char* name;
    void (*command)(BreakCells&, int);
    int row;
    const char* starts;  // the first column afterwards, rows joined by "|"
};

void PrintTo(const BreakCase& c, std::ostream* os) {
    *os << c.name << " on row " << c.row;
}

class BreakRowTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(BreakRowTest, MovesOnlyTheRows) {
    const BreakCase& c = GetParam();
    BreakCells rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = {std::to_string(i + 1), "e" + std::to_string(i + 1)};
    }
    c.command(rows, c.row);
    std::string starts;
    for (const auto& r : rows) {
        starts += (starts.empty() ? "" : "|") + r[0];
        // Start and end always move together.
        EXPECT_EQ(r[1], r[0].empty() ? "" : "e" + r[0]);
    }
    EXPECT_EQ(starts, c.starts);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BreakRowTest,
    ::testing::Values(
        BreakCase{"InsertOnRow10EmptiesOnlyIt", &InsertBreak, 10, "1|2|3|4|5|6|7|8|9|"},
        BreakCase{"InsertOnRow3", &InsertBreak, 3, "1|2||3|4|5|6|7|8|9"},
        BreakCase{"DeleteOnRow1MovesAllUp", &DeleteBreak, 1, "2|3|4|5|6|7|8|9|10|"},
        BreakCase{"DeleteOnRow10", &DeleteBreak, 10, "1|2|3|4|5|6|7|8|9|"},
        BreakCase{"UpOnRow1DoesNothing", &MoveBreakUp, 1, "1|2|3|4|5|6|7|8|9|10"},
        BreakCase{"UpOnRow5", &MoveBreakUp, 5, "1|2|3|5|4|6|7|8|9|10"},
        BreakCase{"DownOnRow10DoesNothing", &MoveBreakDown, 10, "1|2|3|4|5|6|7|8|9|10"},
        BreakCase{"DownOnRow1", &MoveBreakDown, 1, "2|1|3|4|5|6|7|8|9|10"},
        BreakCase{"RowOutOfRange", &DeleteBreak, 11, "1|2|3|4|5|6|7|8|9|10"}),
    test::ByName());

TEST(SettingFields, ColourListOrder) {
    // 休日..欠勤 are slots 0..5; 半ドン is slot 8, 土曜 6, 日曜 7.
    const int expected[9] = {0, 1, 2, 3, 4, 5, 8, 6, 7};
    for (int item = 0; item < 9; ++item) EXPECT_EQ(ColorSlotOfListItem(item), expected[item]);
}

TEST(SettingFields, HolidayRules) {
    Settings a;
    Settings b;
    EXPECT_FALSE(HolidayRulesDiffer(a, b));
    b.WeekCheck[3] = true;  // weekly days off only shape new months
    EXPECT_FALSE(HolidayRulesDiffer(a, b));
    b.OceanDay = false;
    EXPECT_TRUE(HolidayRulesDiffer(a, b));
    b = a;
    b.HolidayLaw = !a.HolidayLaw;
    EXPECT_TRUE(HolidayRulesDiffer(a, b));
}

}  // namespace
}  // namespace tkv
