// Opening, recalculating and saving a month is what every month switch and
// every "保  存" does, ledger synchronisation included, in both programs.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "base/atomic_file.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "session/month_session.h"
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

// A data folder with a ledger of a year's history and a filled-in April
// 2024, as the session of either program sees it.
struct BenchData {
    std::string dir = benchFolder();
    tkv::Settings settings = benchSettings();
    tkv::AnnualHolidayTable holidays = tkv::AnnualHolidayTable::Defaults();
    tkv::MonthSession session{settings, holidays, tkv::UserPaths{dir, ""}};

    BenchData() {
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
        tkv::SaveLedger(ledger, session.paths().ledgerFile());

        session.load({2024, 4});
        tkv::MonthRecord& m = session.month();
        for (int d = 1; d <= m.LastDay; ++d) {
            m.day(d).cell(tkv::DayColumn::Arrival) = " 8:30";
            m.day(d).cell(tkv::DayColumn::Leaving) = "20:15";
            m.day(d).cell(tkv::DayColumn::Memo) = "作業";
        }
        session.save();
    }
    ~BenchData() { std::filesystem::remove_all(dir); }

    // Load, toggle day 10 between paid leave and an ordinary day (so the
    // ledger moves every time), save with the ledger kept in step.
    void cycle(bool leave) {
        session.load({2024, 4});
        session.month().day(10).cell(tkv::DayColumn::Kind) = leave ? "有" : "  ";
        const tkv::MonthSaveOutcome r = session.save();
        benchmark::DoNotOptimize(r.ok());
    }
};

void BM_LoadRecalculateSaveMonth(benchmark::State& state) {
    BenchData data;
    bool leave = false;
    for (auto _ : state) {
        leave = !leave;
        data.cycle(leave);
    }
}
BENCHMARK(BM_LoadRecalculateSaveMonth)->Unit(benchmark::kMicrosecond);

// The floor under the above: only its durable writes. The same bytes of both
// files are each written to a temporary file, synced and renamed, and the
// folder is synced. What a save costs beyond this is the program's own work.
void BM_FsyncRenameFloor(benchmark::State& state) {
    BenchData data;
    data.cycle(true);
    const std::string monthPath = data.session.paths().monthFile({2024, 4});
    const std::string ledgerPath = data.session.paths().ledgerFile();
    std::string monthBytes, ledgerBytes;
    tkv::ReadWholeFile(monthPath, monthBytes);
    tkv::ReadWholeFile(ledgerPath, ledgerBytes);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tkv::WriteFileAtomically(monthPath, monthBytes).ok());
        benchmark::DoNotOptimize(tkv::WriteFileAtomically(ledgerPath, ledgerBytes).ok());
    }
}
BENCHMARK(BM_FsyncRenameFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
