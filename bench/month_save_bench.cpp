// Opening, recalculating and saving a month is what every month switch and
// every "保  存" does, ledger synchronisation included.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "core/month_file.h"
#include "leave/leave_sync.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace {

tkv::Settings benchSettings() {
    tkv::Settings s;
    s.times.breaks[0].first = "12:00";
    s.times.breaks[0].second = "13:00";
    s.times.standardStart = " 8:30";
    s.times.standardEnd = "17:30";
    s.times.lateNightStart = "22:00";
    s.times.lateNightEnd = " 5:00";
    s.times.standardWork = " 8:00";
    s.times.minimumOvertime = " 0:00";
    s.StartTime2 = s.EndTime2 = s.ZangyoTime2 = 0;
    return s;
}

std::string benchFolder() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "tokivane-bench-XXXXXX").string();
    return ::mkdtemp(tmpl.data());
}

// Load, fill in a day (toggling a paid-leave day, so the ledger moves every
// time), save with the ledger kept in step.
void BM_LoadRecalculateSaveMonth(benchmark::State& state) {
    const std::string dir = benchFolder();
    const std::string monthPath = dir + "/202404.dat";
    const std::string ledgerPath = dir + "/Vacation.dat";
    const tkv::Settings s = benchSettings();
    const tkv::AnnualHolidayTable holidays = tkv::AnnualHolidayTable::Defaults();

    // A ledger with a year of history.
    tkv::Ledger ledger;
    ledger.entry(1) = {"2023/04/01", "", "増加", "20.0", "", "grant", 0};
    for (int i = 2; i <= 200; ++i)
        ledger.entry(i) = {
            "2023/" + std::string(i % 12 < 9 ? "0" : "") + std::to_string(i % 12 + 1) + "/15",
            "",
            "有給",
            "-1.0",
            "",
            "",
            0};
    tkv::SaveLedger(ledger, ledgerPath);

    tkv::MonthRecord m;
    tkv::LoadMonth(m, {2024, 4}, monthPath, s, holidays);
    for (int d = 1; d <= m.LastDay; ++d) {
        m.day(d).cell(tkv::DayColumn::Arrival) = " 8:30";
        m.day(d).cell(tkv::DayColumn::Leaving) = "20:15";
        m.day(d).cell(tkv::DayColumn::Memo) = "作業";
    }
    tkv::SaveMonth(m, monthPath, s);

    bool leave = false;
    for (auto _ : state) {
        tkv::LoadMonth(m, {2024, 4}, monthPath, s, holidays);
        leave = !leave;
        m.day(10).cell(tkv::DayColumn::Kind) = leave ? "有" : "  ";
        const tkv::MonthSaveResult r = tkv::SaveMonth(m, monthPath, s);
        tkv::ApplyLeaveChanges(r.leaveChanges, ledgerPath, tkv::HalfDayValuesOf(s));
        benchmark::DoNotOptimize(r.calculation.overtime);
    }
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadRecalculateSaveMonth)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
