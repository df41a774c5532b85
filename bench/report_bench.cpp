// The printed month list: building its lines, laying out and writing its PDF
// in the process, and the whole `print month --pdf` run of the command-line
// program beside a plain `month` run, so the cost of starting Qt shows.
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

#include <QGuiApplication>
#include <benchmark/benchmark.h>

#include "base/clock.h"
#include "bench_months.h"
#include "core/calendar.h"
#include "core/recalculate.h"
#include "platform/fonts.h"
#include "platform/report_engine.h"
#include "reports/month_list_lines.h"
#include "reports/ui/month_list_report.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

extern char** environ;

namespace {

tkv::Settings benchSettings() {
    tkv::Settings s = bench::MonthSettings();
    s.PrintDate = s.PrintPage = s.PrintName = true;
    return s;
}

// A 31-day month with work on every ordinary day and a memo on some.
tkv::MonthRecord benchMonth(const tkv::Settings& s) {
    tkv::MonthRecord m;
    tkv::NewMonth(m, {2024, 5}, s, tkv::AnnualHolidayTable::Defaults());
    for (int d = 1; d <= m.rowCount(); ++d) {
        tkv::DayRow& row = m.day(d);
        if (row.kind() != tkv::DayKind::Ordinary)
            continue;
        row.cell(tkv::DayColumn::Arrival) = " 8:45";
        row.cell(tkv::DayColumn::Leaving) = d % 3 == 0 ? "22:40" : "19:15";
        if (d % 4 == 0)
            row.cell(tkv::DayColumn::Memo) = "定例会議と資料作成";
    }
    tkv::Recalculate(m, s);
    return m;
}

void BM_MonthListLines(benchmark::State& state) {
    const tkv::Settings s = benchSettings();
    tkv::MonthRecord m = benchMonth(s);
    const tkv::MonthCalculation c = tkv::Recalculate(m, s);
    for (auto _ : state) {
        tkv::MonthListLines lines = tkv::BuildMonthListLines(m, c, s, 0);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_MonthListLines)->Unit(benchmark::kMicrosecond);

void BM_MonthListPdfInProcess(benchmark::State& state) {
    const tkv::Settings s = benchSettings();
    const tkv::MonthRecord m = benchMonth(s);
    const tkv::FixedClock clock({2024, 6, 1, 9, 0, 0});
    for (auto _ : state) {
        tkv::TZanPrintForm report(m, s, clock);
        const QByteArray pdf = tkv::platform::PdfDocument(report.generate(), "bench");
        benchmark::DoNotOptimize(pdf.size());
    }
}
BENCHMARK(BM_MonthListPdfInProcess)->Unit(benchmark::kMillisecond);

// Whole runs of the command-line program on a month file of its own.
struct CliFolder {
    std::string root;
    CliFolder() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "tokivane-bench-XXXXXX").string();
        root = ::mkdtemp(tmpl.data());
        ::setenv("TOKIVANE_DATA_DIR", (root + "/data").c_str(), 1);
        ::setenv("TOKIVANE_CONFIG_DIR", (root + "/config").c_str(), 1);
        for (int d = 1; d <= 31; ++d)
            run({"day", "2024-05-" + std::string(d < 10 ? "0" : "") + std::to_string(d), "--in",
                 "8:45", "--out", d % 3 == 0 ? "22:40" : "19:15"});
    }
    ~CliFolder() { std::filesystem::remove_all(root); }
    static int run(std::vector<std::string> args) {
        std::string exe = TOKIVANE_CLI_PATH;
        std::vector<char*> argv{exe.data()};
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t quiet;
        posix_spawn_file_actions_init(&quiet);
        posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
        pid_t pid = 0;
        const int started = posix_spawn(&pid, exe.c_str(), &quiet, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&quiet);
        int status = 0;
        if (started != 0 || ::waitpid(pid, &status, 0) < 0)
            return -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

void BM_CliMonth(benchmark::State& state) {
    CliFolder folder;
    for (auto _ : state)
        if (CliFolder::run({"month", "2024", "5"}) != 0)
            state.SkipWithError("tokivane-cli month failed");
}
BENCHMARK(BM_CliMonth)->Unit(benchmark::kMillisecond)->UseRealTime();

// The period list of 48 months: two pages.
void BM_CliPrintPeriodPdf48(benchmark::State& state) {
    CliFolder folder;
    bench::WriteMonths(folder.root + "/data", {2021, 4}, 48);
    const std::string pdf = folder.root + "/period.pdf";
    for (auto _ : state)
        if (CliFolder::run({"print", "period", "2021", "4", "2025", "3", "--pdf", pdf}) != 0)
            state.SkipWithError("tokivane-cli print period --pdf failed");
}
BENCHMARK(BM_CliPrintPeriodPdf48)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CliPrintMonthPdf(benchmark::State& state) {
    CliFolder folder;
    const std::string pdf = folder.root + "/month.pdf";
    for (auto _ : state)
        if (CliFolder::run({"print", "month", "2024", "5", "--pdf", pdf}) != 0)
            state.SkipWithError("tokivane-cli print month --pdf failed");
}
BENCHMARK(BM_CliPrintMonthPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    int qtArgc = 3;
    char arg0[] = "report_bench", arg1[] = "-platform", arg2[] = "offscreen";
    char* qtArgv[] = {arg0, arg1, arg2, nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    tkv::platform::InstallFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
