#include <ostream>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "cli/csv_output.h"
#include "core/day_span.h"
#include "reports/month_csv.h"

namespace tkv::cli {
namespace {

// START END as dates; an impossible date is a usage error, a span the
// dialog would refuse is not (it has a message of its own).
DaySpan parseSpan(const std::vector<std::string>& args, const char* form) {
    if (args.size() != 2)
        throw UsageError{std::string(form) + " wants START END (YYYY-MM-DD)"};
    return {ParseDate(args[0]), ParseDate(args[1])};
}

// The span's days recalculated, as the main window shows them: ExitOk, or
// the exit code after the message.
int openSpan(Context& ctx, CommandSession& session, const DaySpan& span) {
    if (!IsValidSpan(span)) {
        ctx.err << SpanErrorText << '\n';
        return ExitUsage;
    }
    if (!session.open() || !session.loadSpan(span))
        return ExitFile;
    session.recalculate();
    return ExitOk;
}

}  // namespace

int SpanCommand(Context& ctx, const std::vector<std::string>& args) {
    const DaySpan span = parseSpan(args, "span");
    CommandSession session(ctx);
    if (const int exit = openSpan(ctx, session, span); exit != ExitOk)
        return exit;
    session.printMonth();
    return ExitOk;
}

int CsvSpanCommand(Context& ctx, const std::vector<std::string>& args,
                   const std::optional<std::string>& out) {
    const DaySpan span = parseSpan(args, "csv span");
    CommandSession session(ctx);
    if (const int exit = openSpan(ctx, session, span); exit != ExitOk)
        return exit;
    std::ostringstream csv;
    WriteMonthCsv(csv, session.month(), session.settings(), span.start);
    const YearMonth shown = SpanShownMonth(span);
    return WriteCsvOutput(ctx, out, MonthCsvFileName(shown.year, shown.month, session.settings()),
                          csv.str());
}

int PrintSpanCommand(Context& ctx, const std::vector<std::string>& args, bool lines,
                     const std::string& pdfPath) {
    const DaySpan span = parseSpan(args, "print span");
    if (!lines && !ctx.pdf.month) {
        ctx.err << "tokivane-cli: this build has no PDF output\n";
        return ExitFile;
    }
    CommandSession session(ctx);
    if (const int exit = openSpan(ctx, session, span); exit != ExitOk)
        return exit;
    return WriteMonthList(ctx, session, lines, pdfPath);
}

const CommandSpec SpanSpec{
    "span", &SpanCommand, "START END\tprint the days START to END (YYYY-MM-DD), recalculated",
    "Prints up to 31 consecutive days as the desktop program's 任意期間一覧 shows them, in the\n"
    "format of month: one line per day, an empty line, the totals and the pay figures of\n"
    "those days. Each day's line comes from the month file that holds it; a day no file\n"
    "holds shows its date and weekday only. Nothing is written.\n"
    "A span whose end lies before its start, or that is longer than 31 days, prints\n"
    "\"集計期間を正しく設定してください。\" on stderr and exits 1. The same days as CSV or as\n"
    "the printed list: csv span, print span.\n"
    "\n"
    "example:  tokivane-cli span 2024-12-25 2025-01-10\n"};

}  // namespace tkv::cli
