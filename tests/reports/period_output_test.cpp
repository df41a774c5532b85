// The period totals as CSV and as printed lines, from month files through
// the calculation.
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/cp932.h"
#include "reports/period_builders.h"
#include "reports/period_csv.h"
#include "reports/period_list_lines.h"
#include "settings/settings.h"

namespace tkv {
namespace {

using test::MonthFigures;
using test::MonthFolder;

// The start of `line` as long as `expected`.
std::string Head(const std::string& line, const std::string& expected) {
    return line.substr(0, expected.size());
}

// April with 20.5 days (one of them a holiday) and a day and a half of
// leave; May without a file; June with 14 days, too few to count.
class PeriodOutput : public ::testing::Test {
protected:
    PeriodOutput() {
        MonthFigures april;
        april.syukin = "20.5";
        april.kyujitu = "1.0";
        april.zangyo = "10:30";
        april.shinya = "1:15";
        april.kinmu = "170:00";
        april.marks = {"有", "前", "  "};
        m_folder.write({2024, 4}, april);
        MonthFigures june;
        june.syukin = "14.0";
        june.zangyo = "2:00";
        june.kinmu = "120:00";
        m_folder.write({2024, 6}, june);
    }

    PeriodGrid grid() const {
        PeriodMonthReader reader(s, m_folder.paths());
        return CalculatePeriod({{2024, 4}, {2024, 6}}, reader, s);
    }

    std::vector<std::string> csvLines() const {
        std::ostringstream out;
        WritePeriodCsv(out, grid(), s);
        const std::string utf8 = cp932::toUtf8(out.str());
        std::vector<std::string> lines;
        std::size_t start = 0;
        for (std::size_t end; (end = utf8.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            lines.push_back(utf8.substr(start, end - start));
        EXPECT_EQ(start, utf8.size()) << "every line ends in CR LF";
        return lines;
    }

    Settings s;

private:
    MonthFolder m_folder;
};

TEST_F(PeriodOutput, CsvLinesWithWholeDays) {
    EXPECT_EQ(csvLines(), (std::vector<std::string>{
                              "年月,平日出勤,休日出勤,出勤合計,有給休暇,代休,欠勤,普通残業,"
                              "深夜残業,残業合計,勤務時間",
                              "2024/4,20,1.0,21,1.5,0.0,0.0,10:30,1:15,11:45,170:00",
                              "2024/5,,,,,,,,,,",
                              "2024/6,14,0.0,14,0.0,0.0,0.0,2:00,0:00,2:00,120:00",
                              "合計,34,1.0,35,1.5,0.0,0.0,12:30,1:15,13:45,290:00",
                              // The average keeps its decimal in 平日出勤 only.
                              "平均,19.5,1.0,21,1.5,0.0,0.0,10:30,1:15,11:45,170:00",
                              "最高,20,1.0,21,1.5,0.0,0.0,10:30,1:15,11:45,170:00",
                              "最低,20,1.0,21,1.5,0.0,0.0,10:30,1:15,11:45,170:00",
                          }));
}

TEST_F(PeriodOutput, CsvWithHalfDaysDecimalHoursAndTheOptionalLines) {
    s.Hankyu05 = true;
    s.PrintTime = true;
    s.CSVPrivateInfoAdd = true;
    s.CSVPrivateInfo = "社員番号,123";
    s.CSVMonthAdd = true;
    const std::vector<std::string> lines = csvLines();
    ASSERT_EQ(lines.size(), 3u + 3 + 4);
    EXPECT_EQ(lines[0], "社員番号,123");
    EXPECT_EQ(lines[1], "2024/4,2024/6");
    EXPECT_EQ(lines[3], "2024/4,19.5,1.0,20.5,1.5,0.0,0.0,10.50,1.25,11.75,170.00");
    EXPECT_EQ(lines[6], "合計,33.5,1.0,34.5,1.5,0.0,0.0,12.50,1.25,13.75,290.00");
}

TEST(PeriodCsvFileName, PersonalNameInFrontWhenAsked) {
    const PeriodSpan span{{2024, 4}, {2025, 3}};
    Settings s;
    EXPECT_EQ(PeriodCsvFileName(span, s), "2024年4月～2025年3月.csv");
    s.CSVNameAdd = true;
    s.CSVFileName = "  ";
    EXPECT_EQ(PeriodCsvFileName(span, s), "2024年4月～2025年3月.csv");
    s.CSVFileName = "山田";
    EXPECT_EQ(PeriodCsvFileName(span, s), "山田 2024年4月～2025年3月.csv");
}

TEST(PeriodListText, HeaderAndPeriod) {
    EXPECT_EQ(cp932::byteLength(PeriodListHeader()), 107);
    EXPECT_EQ(PeriodListHeader().substr(0, 3), "   ");
    EXPECT_EQ(PeriodListPeriodText({{2004, 4}, {2005, 3}}), "2004年 4月～2005年 3月");
    EXPECT_EQ(PeriodListJobTitle({{2004, 10}, {2005, 9}}), "2004年10月～2005年 9月 残業一覧");
}

TEST_F(PeriodOutput, ListLines) {
    const PeriodListLines lines = BuildPeriodListLines(grid(), s);
    ASSERT_EQ(lines.records.size(), 7u);
    // Widths 9, 7, 8, 8, 8, 6, 6 with their units, then 10 four times and two blanks.
    EXPECT_EQ(lines.records[0], std::string("  2024/04") + "     20日" + "     1.0日" +
                                    "      21日" + "     1.5日" + "   0.0日" + "   0.0日" +
                                    "     10:30" + "      1:15" + "     11:45" + "    170:00" +
                                    "  ");
    // A month without data: its label, then blanks only.
    EXPECT_EQ(lines.records[1], "  2024/05" + std::string(97, ' '));
    // Hankyu05 rounds 平日出勤 of the average line, not of the lowest one.
    EXPECT_EQ(Head(lines.records[4], "   平 均      20日"), "   平 均      20日");
    EXPECT_EQ(Head(lines.records[6], "   最 低    19.5日"), "   最 低    19.5日");
    for (const std::string& l : lines.records) EXPECT_EQ(cp932::byteLength(l), 106) << l;
}

TEST_F(PeriodOutput, ListLinesInDecimalHours) {
    s.PrintTime = true;
    s.Hankyu05 = true;
    const std::string line = PeriodListRecord(grid(), 1, s);
    EXPECT_EQ(Head(line, "  2024/04   19.5日"), "  2024/04   19.5日");
    EXPECT_EQ(line.substr(line.size() - 42), "     10.50      1.25     11.75    170.00  ");
}

}  // namespace
}  // namespace tkv
