#include "reports/month_csv.h"

#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "base/param_names.h"
#include "core/day_span.h"
#include "core/month_record.h"
#include "reports/csv_field.h"
#include "settings/settings.h"

namespace tkv {
namespace {

// A month whose first row is `firstDate`; every cell is given per day.
MonthRecord Month(int year, int month, std::vector<std::vector<std::string>> rows) {
    MonthRecord m;
    m.year = year;
    m.month = month;
    m.LastDay = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i)
        for (std::size_t c = 0; c < rows[i].size() && c < DayColumnCount; ++c)
            m.days[i].cells[c] = rows[i][c];
    m.summary.ZanTMemo = "  1:30";
    m.summary.SZanTMemo = "  0:00";
    m.summary.KeiTMemo = "  1:30";
    m.summary.KinmuTMemo = " 17:00";
    return m;
}

std::vector<std::string> CsvLines(const MonthRecord& m, const Settings& s,
                                  std::optional<Date> firstRowDate = std::nullopt) {
    std::ostringstream out;
    WriteMonthCsv(out, m, s, firstRowDate);
    const std::string utf8 = cp932::toUtf8(out.str());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = utf8.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(utf8.substr(start, end - start));
    EXPECT_EQ(start, utf8.size()) << "every line ends in CR LF";
    return lines;
}

TEST(CsvField, QuotesOnlyWhatWouldBreakTheLine) {
    EXPECT_EQ(CsvField("会議"), "会議");
    EXPECT_EQ(CsvField(" 9:00 "), " 9:00 ");
    EXPECT_EQ(CsvField(""), "");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
    EXPECT_EQ(CsvLine({"a", "b,c", ""}), "a,\"b,c\",");
}

TEST(MonthCsv, LinesOfAMonth) {
    const MonthRecord m =
        Month(2004, 3,
              {{" 3/ 1", "月", "  ", " 9:00", "18:30", " 1:30", "", " 8:30", "会議"},
               {" 3/ 2", "火", "有", "", "", "", "", "", ""},
               {" 3/ 3", "水", "○", "10:00", "23:30", " 0:30", " 1:30", "12:00", "a,b \"c\""}});
    const auto lines = CsvLines(m, Settings{});
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "日付,曜日,休日,出勤,退社,普通,深夜,合計,勤務,メモ");
    EXPECT_EQ(lines[1], "2004/3/1,月,,9:00,18:30,1:30,,1:30,8:30,会議");
    EXPECT_EQ(lines[2], "2004/3/2,火,有給,,,,,,,");
    EXPECT_EQ(lines[3], "2004/3/3,水,休日,10:00,23:30,0:30,1:30,2:00,12:00,\"a,b \"\"c\"\"\"");
    EXPECT_EQ(lines[4], "合計,,,,,1:30,0:00,1:30,17:00,");
}

TEST(MonthCsv, DecimalHours) {
    const MonthRecord m =
        Month(2004, 3, {{" 3/ 1", "月", "", " 9:00", "18:30", " 1:30", "", " 8:30", ""}});
    Settings s;
    s.PrintTime = true;
    const auto lines = CsvLines(m, s);
    EXPECT_EQ(lines[1], "2004/3/1,月,,9:00,18:30,1.50,,1.50,8.50,");
    EXPECT_EQ(lines[2], "合計,,,,,1.50,0.00,1.50,17.00,");
}

TEST(MonthCsv, JanuaryWithClosingDay20StartsInDecemberOfTheYearBefore) {
    const MonthRecord m = Month(2005, 1, {{"12/30", "木"}, {"12/31", "金"}, {" 1/ 1", "土", "○"}});
    const auto lines = CsvLines(m, Settings{});
    EXPECT_EQ(lines[1].substr(0, 11), "2004/12/30,");
    EXPECT_EQ(lines[2].substr(0, 11), "2004/12/31,");
    EXPECT_EQ(lines[3].substr(0, 9), "2005/1/1,");
    EXPECT_EQ(MonthCsvFirstDate(Month(2004, 12, {{"12/ 1"}})), (Date{2004, 12, 1}));
    EXPECT_EQ(MonthCsvFirstDate(Month(2004, 12, {{"11/21"}})), (Date{2004, 11, 21}));
}

// A span of days is dated day by day from its real first date: the shown
// month is the end date's, from which a span inside December would take the
// year before.
struct SpanCsvCase {
    const char* name;
    DaySpan span;
    const char* firstLine;
    const char* lastLine;
};

void PrintTo(const SpanCsvCase& c, std::ostream* os) {
    *os << c.firstLine << " .. " << c.lastLine;
}

class SpanCsvTest : public ::testing::TestWithParam<SpanCsvCase> {};

TEST_P(SpanCsvTest, RowsCarryTheirRealDates) {
    const SpanCsvCase& c = GetParam();
    const SpanRows rows = GatherSpan(c.span, [](YearMonth) { return std::string("/nonexistent"); });
    const auto lines = CsvLines(rows.month, Settings{}, c.span.start);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(SpanDayCount(c.span)) + 2);
    EXPECT_EQ(lines[1], c.firstLine);
    EXPECT_EQ(lines[lines.size() - 2], c.lastLine);
}

INSTANTIATE_TEST_SUITE_P(Spans, SpanCsvTest,
                         ::testing::Values(SpanCsvCase{"InsideDecember",
                                                       {{2023, 12, 10}, {2023, 12, 31}},
                                                       "2023/12/10,日,,,,,,,,",
                                                       "2023/12/31,日,,,,,,,,"},
                                           SpanCsvCase{"OverNewYear",
                                                       {{2023, 12, 25}, {2024, 1, 10}},
                                                       "2023/12/25,月,,,,,,,,",
                                                       "2024/1/10,水,,,,,,,,"},
                                           SpanCsvCase{"OneDayOnNewYearsEve",
                                                       {{2024, 12, 31}, {2024, 12, 31}},
                                                       "2024/12/31,火,,,,,,,,",
                                                       "2024/12/31,火,,,,,,,,"},
                                           SpanCsvCase{"OverLeapDay",
                                                       {{2024, 2, 20}, {2024, 3, 5}},
                                                       "2024/2/20,火,,,,,,,,",
                                                       "2024/3/5,火,,,,,,,,"}),
                         test::ByName());

TEST(MonthCsv, DamagedFirstDateFallsBackToTheMonth) {
    EXPECT_EQ(MonthCsvFirstDate(Month(2004, 3, {{"xx"}})), (Date{2004, 3, 1}));
    EXPECT_EQ(MonthCsvFirstDate(Month(2004, 3, {})), (Date{2004, 3, 1}));
}

TEST(MonthCsv, OptionalLeadingLines) {
    const MonthRecord m = Month(2004, 3, {{" 3/ 1", "月"}});
    Settings s;
    s.CSVPrivateInfoAdd = true;
    s.CSVPrivateInfo = "社員番号,123";  // the user's own line, left as typed
    s.CSVMonthAdd = true;
    auto lines = CsvLines(m, s);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "社員番号,123");
    EXPECT_EQ(lines[1], "2004/3");
    s.CSVPrivateInfo = "   ";
    lines = CsvLines(m, s);
    EXPECT_EQ(lines[0], "2004/3");
}

TEST(MonthCsv, ProposedFileName) {
    Settings s;
    EXPECT_EQ(MonthCsvFileName(2004, 3, s), "2004年3月.csv");
    s.CSVNameAdd = true;
    EXPECT_EQ(MonthCsvFileName(2004, 3, s), "2004年3月.csv");
    s.CSVFileName = "  ";
    EXPECT_EQ(MonthCsvFileName(2004, 3, s), "2004年3月.csv");
    s.CSVFileName = "山田 ";
    EXPECT_EQ(MonthCsvFileName(2004, 11, s), "山田  2004年11月.csv");
}

}  // namespace
}  // namespace tkv
