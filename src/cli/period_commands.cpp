#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>

#include "base/text_util.h"
#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "cli/csv_output.h"
#include "leave/ledger.h"
#include "reports/leave_list_lines.h"
#include "reports/period_csv.h"
#include "reports/period_list_lines.h"
#include "reports/period_totals.h"

namespace tkv::cli {
namespace {

constexpr const char* kReversed = "集計期間の設定が異常です。";

int number(const std::string& text) {
    const std::string t = Trim(text);
    const int fallback = -1'000'000;
    const int v = StrToIntDef(t, fallback);
    if (v == fallback)
        throw UsageError{"not a number: " + text};
    return v;
}

// "SY SM [EY EM]" or "--all". Without an end the span is twelve months;
// clamping comes after, as in the window.
struct PeriodRequest {
    bool all = false;
    PeriodSpan raw;
};
PeriodRequest parsePeriod(const std::vector<std::string>& args) {
    if (args.size() == 1 && args[0] == "--all")
        return {true, {}};
    if (args.size() != 2 && args.size() != 4)
        throw UsageError{"period wants SY SM [EY EM] or --all"};
    const YearMonth start{number(args[0]), number(args[1])};
    const YearMonth end =
        args.size() == 4 ? YearMonth{number(args[2]), number(args[3])} : AddMonths(start, 11);
    return {false, {start, end}};
}

// The totals of a request; no grid means the command ends with `exit`:
// a reversed span (1), an unreadable month file (2), or --all without any
// month of data (0, nothing to say).
struct PeriodResult {
    int exit = ExitOk;
    std::optional<PeriodGrid> grid;
};

PeriodResult runPeriod(Context& ctx, CommandSession& session, const PeriodRequest& request) {
    if (!session.open())
        return {ExitFile, std::nullopt};
    PeriodMonthReader reader(session.settings(),
                             [&session](YearMonth ym) { return session.paths().monthFile(ym); });
    // Totals that quietly leave out a month would mislead: nothing then.
    const auto unreadable = [&]() -> std::optional<PeriodResult> {
        if (reader.failures().empty())
            return std::nullopt;
        for (const IoResult& r : reader.failures()) session.report(r);
        return PeriodResult{ExitFile, std::nullopt};
    };
    PeriodSpan span = ClampSpan(request.raw);
    if (request.all) {
        const std::optional<PeriodSpan> found = FindDataSpan(reader);
        if (!found)
            return unreadable().value_or(PeriodResult{});
        span = *found;
    } else if (SpanReversed(span)) {
        ctx.err << kReversed << '\n';
        return {ExitUsage, std::nullopt};
    }
    PeriodGrid grid = CalculatePeriod(span, reader, session.settings());
    return unreadable().value_or(PeriodResult{ExitOk, std::move(grid)});
}

}  // namespace

int PeriodCommand(Context& ctx, const std::vector<std::string>& args) {
    const PeriodRequest request = parsePeriod(args);
    CommandSession session(ctx);
    const PeriodResult result = runPeriod(ctx, session, request);
    if (!result.grid)
        return result.exit;
    const PeriodGrid& grid = *result.grid;
    for (int r = 1; r <= grid.rowCount(); ++r) {
        const PeriodRow& row = grid.row(r);
        for (std::size_t c = 0; c < row.size(); ++c) ctx.out << (c > 0 ? "\t" : "") << row[c];
        ctx.out << '\n';
    }
    ctx.out << "Flags\t" << PeriodFlagsText(grid) << '\n';
    return ExitOk;
}

int CsvPeriodCommand(Context& ctx, const std::vector<std::string>& args,
                     const std::optional<std::string>& out) {
    const PeriodRequest request = parsePeriod(args);
    CommandSession session(ctx);
    const PeriodResult result = runPeriod(ctx, session, request);
    if (!result.grid)
        return result.exit;
    std::ostringstream csv;
    WritePeriodCsv(csv, *result.grid, session.settings());
    return WriteCsvOutput(ctx, out, PeriodCsvFileName(result.grid->span, session.settings()),
                          csv.str());
}

int PrintPeriodCommand(Context& ctx, const std::vector<std::string>& args, bool lines,
                       const std::string& pdfPath) {
    const PeriodRequest request = parsePeriod(args);
    if (!lines && !ctx.pdf.period) {
        ctx.err << "tokivane-cli: this build has no PDF output\n";
        return ExitFile;
    }
    CommandSession session(ctx);
    const PeriodResult result = runPeriod(ctx, session, request);
    if (!result.grid)
        return result.exit;
    if (lines) {
        const PeriodListLines built = BuildPeriodListLines(*result.grid, session.settings());
        ctx.out << built.header << '\n';
        for (const std::string& l : built.records) ctx.out << l << '\n';
        return ExitOk;
    }
    const IoResult r = ctx.pdf.period(
        result.grid->span, [&session](YearMonth ym) { return session.paths().monthFile(ym); },
        session.settings(), *ctx.clock, pdfPath);
    return session.report(r) ? ExitOk : ExitFile;
}

int PrintLeaveCommand(Context& ctx, const std::vector<std::string>& args, bool lines,
                      const std::string& pdfPath) {
    if (!args.empty())
        throw UsageError{"print leave takes no arguments but --lines or --pdf FILE"};
    if (!lines && !ctx.pdf.leave) {
        ctx.err << "tokivane-cli: this build has no PDF output\n";
        return ExitFile;
    }
    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    Ledger ledger;
    if (!session.loadLedger(ledger))
        return ExitFile;
    if (lines) {
        const LeaveListLines built = BuildLeaveListLines(ledger, session.settings(), 0);
        ctx.out << built.header << '\n';
        for (const std::string& l : built.records) ctx.out << l << '\n';
        return ExitOk;
    }
    if (ledger.entryCount() == 0) {
        // As the leave window says it: an empty list is not printed.
        ctx.err << "tokivane-cli: the paid-leave ledger is empty; nothing to print\n";
        return ExitOk;
    }
    return session.report(ctx.pdf.leave(ledger, session.settings(), *ctx.clock, pdfPath))
               ? ExitOk
               : ExitFile;
}

const CommandSpec PeriodSpec{
    "period", &PeriodCommand,
    "SY SM [EY EM]\tthe period totals (twelve months from SY/SM without EY EM)\n"
    "--all\tthe period totals of every month on file",
    "One line per month from SY/SM to EY/EM, then the total, average, highest and lowest\n"
    "lines, each as its ten columns joined by TAB; then Flags and the months that count for\n"
    "the average. Years are kept within 1990..2090 and months within 1..12; an end before\n"
    "the start is refused.\n"
    "\n"
    "examples:  tokivane-cli period 2024 4\n"
    "           tokivane-cli period --all\n"};

}  // namespace tkv::cli
