// Period totals: "全期間" over twenty years of month files (the scan of
// 1990-2090 and the calculation of the 240 months found), and a plain
// twelve-month calculation. Every run reads the files afresh; after the
// first the operating system has them cached ("warm").
#include <benchmark/benchmark.h>

#include "base/paths.h"
#include "bench_months.h"
#include "reports/period_totals.h"

namespace {

struct Folder {
    bench::TempFolder temp;
    tkv::MonthPathFn paths() const {
        return [root = temp.root](tkv::YearMonth ym) {
            return tkv::MonthFileName(root, ym.year, ym.month, "");
        };
    }
    Folder() { bench::WriteMonths(temp.root, {2005, 1}, 240); }
};

const Folder& twentyYears() {
    static const Folder folder;
    return folder;
}

void BM_AllMonths(benchmark::State& state) {
    const Folder& folder = twentyYears();
    const tkv::Settings s = bench::MonthSettings();
    for (auto _ : state) {
        tkv::PeriodMonthReader reader(s, folder.paths());
        const auto span = tkv::FindDataSpan(reader);
        if (!span || tkv::SpanMonthCount(*span) != 240) {
            state.SkipWithError("the twenty years were not found");
            break;
        }
        tkv::PeriodGrid grid = tkv::CalculatePeriod(*span, reader, s);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_AllMonths)->Unit(benchmark::kMillisecond);

void BM_TwelveMonths(benchmark::State& state) {
    const Folder& folder = twentyYears();
    const tkv::Settings s = bench::MonthSettings();
    for (auto _ : state) {
        tkv::PeriodMonthReader reader(s, folder.paths());
        tkv::PeriodGrid grid = tkv::CalculatePeriod({{2024, 1}, {2024, 12}}, reader, s);
        benchmark::DoNotOptimize(grid);
    }
}
BENCHMARK(BM_TwelveMonths)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
