// Recalculating a whole month is what runs whenever the grid's current cell
// changes with automatic calculation on, so it has to be instant.
#include <string>

#include <benchmark/benchmark.h>

#include "base/text_util.h"
#include "core/month_record.h"
#include "core/recalculate.h"
#include "settings/settings.h"

namespace {

tkv::Settings BenchSettings() {
    tkv::Settings s;
    const char* breaks[][2] = {{"10:00", "10:10"}, {"12:00", "13:00"}, {"15:00", "15:10"},
                               {"18:00", "18:30"}, {"22:00", "22:15"}, {" 2:00", " 2:30"}};
    for (std::size_t i = 0; i < 6; ++i) s.times.breaks[i] = {breaks[i][0], breaks[i][1]};
    s.times.standardStart = " 8:30";
    s.times.standardEnd = "17:30";
    s.times.lateNightStart = "22:00";
    s.times.lateNightEnd = " 5:00";
    s.times.standardWork = " 8:00";
    s.times.minimumOvertime = " 0:15";
    s.times.morningLeaveWork = " 4:00";
    s.times.afternoonLeaveWork = " 4:00";
    s.times.targetOvertime = "30:00";
    s.times.compensatoryCredit = "-8:00";
    s.times.shortDayStart = " 8:30";
    s.times.shortDayEnd = "12:30";
    s.times.shortDayWork = " 4:00";
    s.CalcTimeAdjust = true;
    s.StartAdjustSelect = tkv::RoundMethod::Up;
    s.StartTime2 = 3;
    s.EndAdjustSelect = tkv::RoundMethod::Down;
    s.EndTime2 = 3;
    s.ZangyoAdjustSelect = tkv::RoundMethod::Down;
    s.ZangyoTime2 = 2;
    s.DaikyuZanCalc = true;
    s.YuukyuKinmu = true;
    s.pay = {250000, 20000, 5000, 1900, 2300, 280000, 80, 2400, 2800, 30000, 3100, 3500};
    return s;
}

// 31 days: weekdays with evening and night work, weekends, leave of every
// kind, a statutory holiday and hand-entered values.
tkv::MonthRecord BenchMonth() {
    struct Row {
        const char* kind;
        const char* arrival;
        const char* leaving;
    };
    const Row week[] = {{"  ", "8:27", "19:42"}, {"  ", "8:31", "23:10"},
                        {"  ", "9:02", "2:15"},  {"前", "13:05", "18:40"},
                        {"  ", "8:15", "17:35"}, {"○", "10:00", "16:20"},
                        {"○", "", ""},           {"  ", "18:00", "6:30"},
                        {"有", "", ""},          {"後", "8:29", "12:30"},
                        {"半", "8:20", "14:45"}, {"代", "", ""},
                        {"欠", "", ""},          {"  ", "7:50", "21:05"}};
    tkv::MonthRecord m;
    m.year = 2004;
    m.month = 3;
    m.LastDay = 31;
    for (int d = 0; d < 31; ++d) {
        const Row& r = week[d % 14];
        tkv::DayRow& row = m.days[static_cast<std::size_t>(d)];
        row.cell(tkv::DayColumn::Kind) = r.kind;
        row.cell(tkv::DayColumn::Arrival) = r.arrival;
        row.cell(tkv::DayColumn::Leaving) = r.leaving;
        row.cell(tkv::DayColumn::Memo) = "memo";
    }
    m.days[5].LegalHolidayFlag = "*";
    m.days[14].cell(tkv::DayColumn::Overtime) = " 2:00";
    m.days[14].ManualFlag[0] = "*";
    return m;
}

void BM_RecalculateMonth(benchmark::State& state) {
    const tkv::Settings settings = BenchSettings();
    tkv::MonthRecord month = BenchMonth();
    for (auto _ : state) {
        // A run only rewrites cells from themselves, so every iteration does the same work.
        tkv::MonthCalculation c = tkv::Recalculate(month, settings);
        benchmark::DoNotOptimize(c);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RecalculateMonth)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
