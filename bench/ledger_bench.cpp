// RecalcLedger runs on every cell move of the leave window when automatic
// calculation is on, and after every ledger operation, so a full ledger has
// to recalculate well inside a millisecond.
#include <algorithm>
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "leave/ledger.h"

namespace {

tkv::Ledger FullLedger(bool shuffled) {
    tkv::Ledger ledger;
    ledger.setKuriZan("20.0");
    std::vector<int> order(tkv::LedgerSlotCount);
    for (int i = 0; i < tkv::LedgerSlotCount; ++i) order[static_cast<std::size_t>(i)] = i;
    if (shuffled)
        std::shuffle(order.begin(), order.end(), std::mt19937(42));
    for (int i = 0; i < tkv::LedgerSlotCount; ++i) {
        const int n = order[static_cast<std::size_t>(i)];
        tkv::LeaveEntry& e = ledger.entry(i + 1);
        // Dates as typed: no zero padding, so every slot is normalised.
        e.date = std::to_string(2000 + n / 24) + "/" + std::to_string(n % 12 + 1) + "/" +
                 std::to_string(n % 28 + 1);
        e.kind = n % 10 == 0 ? "増加" : "有給";
        e.days = n % 10 == 0 ? "20" : "-1";
        e.memo = "memo " + std::to_string(n);
    }
    return ledger;
}

// The steady state: an already sorted, normalised ledger.
void BM_RecalcLedgerSorted(benchmark::State& state) {
    tkv::Ledger ledger = FullLedger(false);
    ledger.RecalcLedger();
    for (auto _ : state) {
        ledger.RecalcLedger();
        benchmark::DoNotOptimize(ledger.NowZan());
    }
}
BENCHMARK(BM_RecalcLedgerSorted)->Unit(benchmark::kMicrosecond);

// Freshly loaded from a hand-edited file: unsorted, unnormalised dates.
void BM_RecalcLedgerShuffled(benchmark::State& state) {
    const tkv::Ledger source = FullLedger(true);
    tkv::Ledger ledger;
    for (auto _ : state) {
        // Restored outside the timing, and never destroyed inside it.
        state.PauseTiming();
        ledger = source;
        state.ResumeTiming();
        ledger.RecalcLedger();
        benchmark::DoNotOptimize(ledger.NowZan());
    }
}
BENCHMARK(BM_RecalcLedgerShuffled)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
