#include "reports/month_csv.h"

#include <ostream>
#include <vector>

#include "base/text_util.h"
#include "core/month_record.h"
#include "reports/csv_field.h"
#include "reports/month_list_lines.h"
#include "settings/settings.h"

namespace tkv {
namespace {

std::string dateText(const Date& d) {
    return std::to_string(d.year) + "/" + std::to_string(d.month) + "/" + std::to_string(d.day);
}

}  // namespace

std::string MonthCsvFileName(int year, int month, const Settings& s) {
    return PersonalCsvFileName(std::to_string(year) + "年" + std::to_string(month) + "月.csv", s);
}

Date MonthCsvFirstDate(const MonthRecord& m) {
    const std::string& text = m.rowCount() > 0 ? m.day(1).cell(DayColumn::Date) : std::string();
    Date d{m.year, StrToIntDef(text.substr(0, 2), 0),
           StrToIntDef(text.size() > 3 ? text.substr(3, 2) : std::string(), 0)};
    if (d.month == 12 && d.day != 1)
        --d.year;
    // A damaged date cell still gives a usable period.
    if (!IsRealDate(d))
        d = {m.year, m.month >= 1 && m.month <= 12 ? m.month : 1, 1};
    return d;
}

void WriteMonthCsv(std::ostream& out, const MonthRecord& m, const Settings& s,
                   std::optional<Date> firstRowDate) {
    WriteCsvPrivateInfo(out, s);
    if (s.CSVMonthAdd)
        WriteCsvText(out, std::to_string(m.year) + "/" + std::to_string(m.month));
    WriteCsvText(out, "日付,曜日,休日,出勤,退社,普通,深夜,合計,勤務,メモ");

    Date date = firstRowDate && IsRealDate(*firstRowDate) ? *firstRowDate : MonthCsvFirstDate(m);
    for (int r = 1; r <= m.rowCount(); ++r, date = NextDay(date)) {
        const DayRow& row = m.day(r);
        const int total = StrToMinutes(row.cell(DayColumn::Overtime)) +
                          StrToMinutes(row.cell(DayColumn::LateNight));
        WriteCsvText(out, CsvLine({
                              dateText(date),
                              row.cell(DayColumn::Weekday),
                              Trim(PrintedKindName(row.cell(DayColumn::Kind))),
                              Trim(row.cell(DayColumn::Arrival)),
                              Trim(row.cell(DayColumn::Leaving)),
                              CsvTimeField(row.cell(DayColumn::Overtime), s),
                              CsvTimeField(row.cell(DayColumn::LateNight), s),
                              CsvTimeField(MinutesToStr(total, 2, false), s),
                              CsvTimeField(row.cell(DayColumn::Working), s),
                              Trim(row.cell(DayColumn::Memo)),
                          }));
    }
    const SummaryTexts& t = m.summary;
    WriteCsvText(out, "合計,,,,," +
                          CsvLine({CsvTimeField(t.ZanTMemo, s), CsvTimeField(t.SZanTMemo, s),
                                   CsvTimeField(t.KeiTMemo, s), CsvTimeField(t.KinmuTMemo, s)}) +
                          ",");
}

}  // namespace tkv
