#include "reports/period_csv.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "base/text_util.h"
#include "reports/csv_field.h"
#include "reports/list_text.h"
#include "reports/period_list_lines.h"
#include "settings/settings.h"

namespace tkv {
namespace {

std::string slashed(int a, int b) {
    return std::to_string(a) + "/" + std::to_string(b);
}

}  // namespace

std::string PeriodCsvFileName(const PeriodSpan& span, const Settings& s) {
    const auto ym = [](YearMonth m) {
        return std::to_string(m.year) + "年" + std::to_string(m.month) + "月";
    };
    return PersonalCsvFileName(ym(span.start) + "～" + ym(span.end) + ".csv", s);
}

void WritePeriodCsv(std::ostream& out, const PeriodGrid& grid, const Settings& s) {
    WriteCsvPrivateInfo(out, s);
    if (s.CSVMonthAdd)
        WriteCsvText(out, slashed(grid.span.start.year, grid.span.start.month) + "," +
                              slashed(grid.span.end.year, grid.span.end.month));
    WriteCsvText(out,
                 "年月,平日出勤,休日出勤,出勤合計,有給休暇,代休,欠勤,普通残業,深夜残業,"
                 "残業合計,勤務時間");

    static const char* const summaryLabels[] = {"合計", "平均", "最高", "最低"};
    for (int n = 1; n <= grid.rowCount(); ++n) {
        const PeriodRow& row = grid.row(n);
        std::string label;
        if (grid.isMonthRow(n)) {
            const YearMonth ym = PeriodRowMonth(row);
            label = slashed(ym.year, ym.month);
        } else {
            label = summaryLabels[std::min(n - grid.monthRows - 1, 3)];
        }
        const bool averageRow = n == grid.averageRow();
        WriteCsvText(out, CsvLine({
                              label,
                              Trim(WeekdayAttendanceText(row, !averageRow, s)),
                              Trim(row[2]),
                              Trim(DayCountStr(row[1], s.Hankyu05)),
                              Trim(row[3]),
                              Trim(row[4]),
                              Trim(row[5]),
                              CsvTimeField(row[6], s),
                              CsvTimeField(row[7], s),
                              CsvTimeField(row[8], s),
                              CsvTimeField(row[9], s),
                          }));
    }
}

}  // namespace tkv
