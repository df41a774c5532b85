#include <algorithm>
#include <ostream>
#include <sstream>

#include "base/text_util.h"
#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "cli/csv_output.h"
#include "leave/ledger.h"
#include "reports/leave_csv.h"
#include "reports/month_csv.h"
#include "reports/month_list_lines.h"

namespace tkv::cli {
namespace {

YearMonth parseYearMonth(const std::string& year, const std::string& month) {
    const int y = StrToIntDef(year, 0);
    const int m = StrToIntDef(month, 0);
    if (y < 1 || y > 9999)
        throw UsageError{"not a year: " + year};
    if (m < 1 || m > 12)
        throw UsageError{"not a month: " + month};
    return {y, m};
}

// The month as the desktop program would show it after recalculation.
bool openMonth(CommandSession& session, YearMonth ym) {
    if (!session.open() || !session.loadMonth(ym))
        return false;
    session.recalculate();
    return true;
}

// Removes "--lines" or "--pdf FILE" from `args`: exactly one of them.
struct PrintTarget {
    bool lines = false;
    std::string pdf;
};
PrintTarget takePrintTarget(std::vector<std::string>& args) {
    PrintTarget t;
    int given = 0;
    for (std::size_t i = 0; i < args.size();) {
        if (args[i] == "--lines") {
            t.lines = true;
            ++given;
            args.erase(args.begin() + static_cast<long>(i));
        } else if (args[i] == "--pdf") {
            if (i + 1 >= args.size() || args[i + 1].empty())
                throw UsageError{"--pdf needs a file name"};
            t.pdf = args[i + 1];
            ++given;
            args.erase(args.begin() + static_cast<long>(i),
                       args.begin() + static_cast<long>(i) + 2);
        } else {
            ++i;
        }
    }
    if (given != 1)
        throw UsageError{"print wants one of --lines and --pdf FILE"};
    return t;
}

int csvMonth(Context& ctx, const std::vector<std::string>& args,
             const std::optional<std::string>& out) {
    if (args.size() != 2)
        throw UsageError{std::string("csv wants month YEAR MONTH [--out FILE]")};
    const YearMonth ym = parseYearMonth(args[0], args[1]);
    CommandSession session(ctx);
    if (!openMonth(session, ym))
        return ExitFile;
    std::ostringstream csv;
    WriteMonthCsv(csv, session.month(), session.settings());
    return WriteCsvOutput(ctx, out, MonthCsvFileName(ym.year, ym.month, session.settings()),
                          csv.str());
}

// The ledger as the leave window writes it: recalculated, never saved.
int csvLeave(Context& ctx, const std::vector<std::string>& args,
             const std::optional<std::string>& out) {
    if (!args.empty())
        throw UsageError{"csv leave takes no arguments but --out FILE"};
    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    Ledger ledger;
    const Settings& s = session.settings();
    if (!session.loadLedger(ledger))
        return ExitFile;
    ledger.RecalcLedger();
    std::ostringstream csv;
    WriteLeaveCsv(csv, ledger, s);
    return WriteCsvOutput(ctx, out, LeaveCsvFileName(s), csv.str());
}

int printMonth(Context& ctx, const std::vector<std::string>& args, bool lines,
               const std::string& pdfPath) {
    if (args.size() != 2)
        throw UsageError{"print wants month YEAR MONTH --lines | --pdf FILE"};
    const YearMonth ym = parseYearMonth(args[0], args[1]);
    if (!lines && !ctx.pdf.month) {
        ctx.err << "tokivane-cli: this build has no PDF output\n";
        return ExitFile;
    }
    CommandSession session(ctx);
    if (!openMonth(session, ym))
        return ExitFile;
    return WriteMonthList(ctx, session, lines, pdfPath);
}

}  // namespace

int WriteMonthList(Context& ctx, CommandSession& session, bool lines, const std::string& pdfPath) {
    if (lines) {
        const MonthListLines built =
            BuildMonthListLines(session.month(), session.calculation(), session.settings(), 0);
        for (const std::string& l : built.firstPage) ctx.out << l << '\n';
        ctx.out << built.header << '\n';
        for (const std::string& l : built.records) ctx.out << l << '\n';
        return ExitOk;
    }
    const IoResult r = ctx.pdf.month(session.month(), session.settings(), *ctx.clock, pdfPath);
    if (!r.ok()) {
        ctx.err << "tokivane-cli: " << describe(r) << "\n";
        return ExitFile;
    }
    return ExitOk;
}

int CsvCommand(Context& ctx, const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    const std::optional<std::string> out = TakeOutOption(args);
    const std::string what = args.empty() ? std::string() : args[0];
    const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
    if (what == "month")
        return csvMonth(ctx, rest, out);
    if (what == "period")
        return CsvPeriodCommand(ctx, rest, out);
    if (what == "leave")
        return csvLeave(ctx, rest, out);
    if (what == "span")
        return CsvSpanCommand(ctx, rest, out);
    throw UsageError{
        "csv wants month YEAR MONTH, period SY SM [EY EM] | --all, leave, or span START END"};
}

int PrintCommand(Context& ctx, const std::vector<std::string>& given) {
    std::vector<std::string> args = given;
    const std::string what = args.empty() ? std::string() : args[0];
    if (what != "month" && what != "period" && what != "leave" && what != "span")
        throw UsageError{"print wants month, period, leave or span"};
    args.erase(args.begin());
    const PrintTarget target = takePrintTarget(args);
    if (what == "month")
        return printMonth(ctx, args, target.lines, target.pdf);
    if (what == "period")
        return PrintPeriodCommand(ctx, args, target.lines, target.pdf);
    if (what == "span")
        return PrintSpanCommand(ctx, args, target.lines, target.pdf);
    return PrintLeaveCommand(ctx, args, target.lines, target.pdf);
}

const CommandSpec CsvSpec{
    "csv", &CsvCommand,
    "month YEAR MONTH [--out FILE]\tthe month as CSV, recalculated, not saved\n"
    "period SY SM [EY EM] [--out FILE]\tthe period totals as CSV\n"
    "period --all [--out FILE]\tthe period totals of every month on file as CSV\n"
    "leave [--out FILE]\tthe paid-leave ledger as CSV, recalculated, not saved\n"
    "span START END [--out FILE]\tthe days START to END as CSV, with their real dates",
    "Writes the CSV files of the desktop program (CP932, CR LF): the accounting month after\n"
    "recalculation and without saving, the period totals (twelve months from SY/SM when\n"
    "EY EM are left out), the paid-leave ledger sorted and recalculated (Vacation.dat is\n"
    "not written), or the days of a span (see span) in the month's format, each row with\n"
    "its real date. --out - writes to standard output; without --out the proposed file name\n"
    "(\"2004年3月.csv\", \"2004年4月～2005年3月.csv\", \"有給休暇.csv\"; a span's is its end\n"
    "month's; with the personal file name in front when set) in the current folder. Prints\n"
    "the path it wrote; changes no setting. A file that cannot be written is left as it was\n"
    "(exit 2).\n"
    "\n"
    "examples:  tokivane-cli csv month 2024 4 --out april.csv\n"
    "           tokivane-cli csv period 2024 4 --out -\n"
    "           tokivane-cli csv leave\n"
    "           tokivane-cli csv span 2024-12-10 2024-12-31 --out -\n"};

const CommandSpec PrintSpec{
    "print", &PrintCommand,
    "month YEAR MONTH --lines | --pdf FILE\tthe printed month list\n"
    "period SY SM [EY EM] --lines | --pdf FILE\tthe printed period totals list\n"
    "period --all --lines | --pdf FILE\tthe period list of every month on file\n"
    "leave --lines | --pdf FILE\tthe printed paid-leave list\n"
    "span START END --lines | --pdf FILE\tthe month list of the days START to END",
    "--lines prints the list's lines as built before fitting to the page (UTF-8, trailing\n"
    "blanks kept). --pdf writes the list as the printer would, with the settings' fonts,\n"
    "orientation and margins; it needs no display and no printer.\n"
    "\n"
    "examples:  tokivane-cli print month 2024 4 --pdf april.pdf\n"
    "           tokivane-cli print leave --lines\n"
    "           tokivane-cli print span 2024-12-25 2025-01-10 --lines\n"};

}  // namespace tkv::cli
