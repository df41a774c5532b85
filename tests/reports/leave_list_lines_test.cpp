#include "reports/leave_list_lines.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "leave/ledger.h"
#include "settings/settings.h"

namespace tkv {
namespace {

TEST(LeaveListHeader, MemoHeadingFollowsPrintMemo) {
    Settings s;
    EXPECT_EQ(LeaveListHeader(s),
              "  No    日  付    曜  区分   日数   残数        メ    モ        ");
    EXPECT_EQ(cp932::byteLength(LeaveListHeader(s)), 64);
    s.PrintMemo = 15;
    EXPECT_EQ(cp932::byteLength(LeaveListHeader(s)), 74);
    s.PrintMemo = 4;  // the settings dialog never lets it below ten
    EXPECT_EQ(cp932::byteLength(LeaveListHeader(s)), 64);
}

LeaveEntry Entry(std::string date, std::string weekday, std::string kind, std::string days,
                 std::string remaining, std::string memo) {
    LeaveEntry e;
    e.date = std::move(date);
    e.weekday = std::move(weekday);
    e.kind = std::move(kind);
    e.days = std::move(days);
    e.remaining = std::move(remaining);
    e.memo = std::move(memo);
    return e;
}

struct RecordCase {
    const char* name;
    std::string memo;
    int printMemo = 10;
    int memoCut = 0;
    std::string memoField;  // the expected memo column
};

void PrintTo(const RecordCase& c, std::ostream* os) {
    *os << c.name;
}

class LeaveListRecordTest : public ::testing::TestWithParam<RecordCase> {};

TEST_P(LeaveListRecordTest, LinesUpUnderTheHeader) {
    const RecordCase& c = GetParam();
    Settings s;
    s.PrintMemo = c.printMemo;
    const LeaveEntry e = Entry("2024/04/05", "金", "午前", " -0.5", " 10.5", c.memo);
    const std::string line = LeaveListRecord(e, 3, s, c.memoCut);
    // Widths 4, 12, 4, 6, 7, 7, two blanks, the memo, two blanks.
    EXPECT_EQ(line, std::string("   3") + "  2024/04/05" + "  金" + "  午前" + "   -0.5" +
                        "   10.5" + "  " + c.memoField + "  ");
    EXPECT_EQ(cp932::byteLength(line), cp932::byteLength(LeaveListHeader(s)) - c.memoCut);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeaveListRecordTest,
    ::testing::Values(
        RecordCase{"ShortMemoPadded", "通院", 10, 0, "通院" + std::string(16, ' ')},
        RecordCase{"LongMemoCutAtTheColumn", "一二三四五六七八九十壱弐", 10, 0,
                   "一二三四五六七八九十"},
        RecordCase{"CutInsideADoubleByteLeavesABlank", "a一二三四五六七八九十", 10, 0,
                   "a一二三四五六七八九 "},
        RecordCase{"WiderMemoColumn", "a一二三四五六七八九十", 15, 0,
                   "a一二三四五六七八九十" + std::string(9, ' ')},
        RecordCase{"MemoCutNarrowsTheColumn", "a一二三四五六七八九十", 10, 5, "a一二三四五六七"},
        RecordCase{"MemoCutInsideADoubleByte", "a一二三四五六七八九十", 10, 4, "a一二三四五六七 "}),
    [](const ::testing::TestParamInfo<RecordCase>& p) { return std::string(p.param.name); });

TEST(LeaveListLines, EntriesInDateOrderWithTheirBalance) {
    Ledger ledger;
    ledger.setKuriZan("10.0");
    ledger.entry(1) = Entry("2024/05/10", "", "有給", "-1.0", "", "");
    ledger.entry(2) = Entry("2024/04/01", "", "増加", "20.0", "", "付与");
    const LeaveListLines lines = BuildLeaveListLines(ledger, Settings{}, 0);
    ASSERT_EQ(lines.records.size(), 2u);
    const std::string first = "   1  2024/04/01  月  増加   20.0   30.0  付与";
    const std::string second = "   2  2024/05/10  金  有給   -1.0   29.0  ";
    EXPECT_EQ(lines.records[0].substr(0, first.size()), first);
    EXPECT_EQ(lines.records[1].substr(0, second.size()), second);
}

TEST(LeaveListLines, EmptyLedgerGivesTheHeaderOnly) {
    const LeaveListLines lines = BuildLeaveListLines(Ledger{}, Settings{}, 0);
    EXPECT_EQ(lines.header, LeaveListHeader(Settings{}));
    EXPECT_TRUE(lines.records.empty());
}

}  // namespace
}  // namespace tkv
