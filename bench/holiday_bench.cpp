// Holiday lookups run for every row of a new month and for "祝祭日読み込み";
// the current-law calendar must cost no more than the classic rules.
#include <benchmark/benchmark.h>

#include "core/calendar.h"
#include "core/holiday_law.h"
#include "core/month_record.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace {

tkv::Settings WithLaw(bool law) {
    tkv::Settings s;
    s.HolidayLaw = law;
    return s;
}

// Every day of 2026, one lookup each; range(0) is 1 for the current law.
void BM_HolidayLookupYear(benchmark::State& state) {
    const tkv::Settings s = WithLaw(state.range(0) != 0);
    const tkv::AnnualHolidayTable table = tkv::AnnualHolidayTable::Defaults();
    for (auto _ : state)
        for (tkv::Date d{2026, 1, 1}; d.year == 2026; d = tkv::NextDay(d))
            benchmark::DoNotOptimize(tkv::HolidayLookup(d, s, table));
    state.SetItemsProcessed(state.iterations() * 365);
}
BENCHMARK(BM_HolidayLookupYear)->ArgName("law")->Arg(0)->Arg(1);

// A new month: rows, weekdays and the marks of the calendar (closing day 20,
// so the rows span two calendar months).
void BM_NewMonth(benchmark::State& state) {
    tkv::Settings s = WithLaw(state.range(0) != 0);
    s.SimeDay = 20;
    const tkv::AnnualHolidayTable table = tkv::AnnualHolidayTable::Defaults();
    tkv::MonthRecord m;
    for (auto _ : state) {
        tkv::NewMonth(m, {2026, 5}, s, table);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_NewMonth)->ArgName("law")->Arg(0)->Arg(1);

// First use of a year: building its calendar. 400 different years are more
// than the cache keeps, so every lookup builds its year afresh.
void BM_LawYearBuild(benchmark::State& state) {
    int year = 2100;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tkv::LawHolidayOf({year, 5, 6}));
        year = year == 2499 ? 2100 : year + 1;
    }
}
BENCHMARK(BM_LawYearBuild);

}  // namespace

BENCHMARK_MAIN();
