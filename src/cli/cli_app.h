#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/io_result.h"
#include "base/registry_store.h"
#include "core/calendar.h"
#include "reports/period_totals.h"

namespace tkv {
class Ledger;
struct MonthRecord;
struct Settings;
}  // namespace tkv

namespace tkv::cli {

// Exit codes.
inline constexpr int ExitOk = 0;
inline constexpr int ExitUsage = 1;
inline constexpr int ExitFile = 2;

// Write the printed lists to `path` as PDF files. They need Qt, so they are
// handed in by the program: the commands themselves stay free of Qt.
struct PdfWriters {
    std::function<IoResult(const MonthRecord& month, const Settings& settings, const Clock& clock,
                           const std::string& path)>
        month;
    std::function<IoResult(const PeriodSpan& span, const MonthPathFn& monthPath,
                           const Settings& settings, const Clock& clock, const std::string& path)>
        period;
    std::function<IoResult(const Ledger& ledger, const Settings& settings, const Clock& clock,
                           const std::string& path)>
        leave;
};

// Everything a command needs: folders, the user, the clock and the registry.
struct Context {
    std::string dataDir;
    std::string configDir;
    std::string user;
    std::string currentDir;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RegistryStore> registry;
    std::ostream& out;
    std::ostream& err;
    PdfWriters pdf;  // empty in a build without PDF output
};

// A usage error carries its message to stderr and exit code 1.
struct UsageError {
    std::string message;
};

// Parses "YYYY-MM-DD HH:MM"; nullopt when malformed or not a real date/time.
std::optional<DateTime> ParseAt(const std::string& text);
// Parses a "YYYY-MM-DD" argument; a UsageError when it is not a real date.
Date ParseDate(const std::string& text);

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
        PdfWriters pdf = {});

// One command of tokivane-cli. Each is defined next to the code that runs
// it, with its help, and listed once in cli_app.cpp.
struct CommandSpec {
    const char* name;
    int (*run)(Context&, const std::vector<std::string>&);  // the arguments after the name
    // One line per form, "ARGUMENTS\tsummary", for the usage list.
    const char* forms;
    // What `tokivane-cli COMMAND --help` shows below the forms; ends with
    // one-line examples.
    const char* details;
};

// Every command, in the order of the usage list.
const std::vector<const CommandSpec*>& Commands();

// The usage list, and the help of one command.
std::string UsageText();
std::string CommandHelp(const CommandSpec& command);

extern const CommandSpec SettingsSpec;
extern const CommandSpec MonthSpec;
extern const CommandSpec RecalcSpec;
extern const CommandSpec DaySpec;
extern const CommandSpec PunchSpec;
extern const CommandSpec HolidaysSpec;
extern const CommandSpec LedgerSpec;
extern const CommandSpec PeriodSpec;
extern const CommandSpec SpanSpec;
extern const CommandSpec CsvSpec;
extern const CommandSpec PrintSpec;
extern const CommandSpec LimitsSpec;

// Commands, each given the arguments after its name.
int SettingsCommand(Context& ctx, const std::vector<std::string>& args);
int MonthCommand(Context& ctx, const std::vector<std::string>& args);
int RecalcCommand(Context& ctx, const std::vector<std::string>& args);
int DayCommand(Context& ctx, const std::vector<std::string>& args);
int PunchCommand(Context& ctx, const std::vector<std::string>& args);
int HolidaysCommand(Context& ctx, const std::vector<std::string>& args);
int LedgerCommand(Context& ctx, const std::vector<std::string>& args);
int CsvCommand(Context& ctx, const std::vector<std::string>& args);
int PrintCommand(Context& ctx, const std::vector<std::string>& args);
int PeriodCommand(Context& ctx, const std::vector<std::string>& args);
int SpanCommand(Context& ctx, const std::vector<std::string>& args);
int LimitsCommand(Context& ctx, const std::vector<std::string>& args);

// "YEAR MONTH" of an accounting month (year 1..9999, month 1..12), or a
// usage error naming `command`.
YearMonth ParseYearMonth(const std::vector<std::string>& args, const char* command);

// The period and leave forms of csv and print; `args` follow the word
// "period" or "leave", without --out, --lines and --pdf.
int CsvPeriodCommand(Context& ctx, const std::vector<std::string>& args,
                     const std::optional<std::string>& out);
int PrintPeriodCommand(Context& ctx, const std::vector<std::string>& args, bool lines,
                       const std::string& pdfPath);
int PrintLeaveCommand(Context& ctx, const std::vector<std::string>& args, bool lines,
                      const std::string& pdfPath);
// The span forms; `args` follow the word "span": START END.
int CsvSpanCommand(Context& ctx, const std::vector<std::string>& args,
                   const std::optional<std::string>& out);
int PrintSpanCommand(Context& ctx, const std::vector<std::string>& args, bool lines,
                     const std::string& pdfPath);

class CommandSession;
// The month list of the session's month as recalculated: its lines on
// standard output, or the PDF.
int WriteMonthList(Context& ctx, CommandSession& session, bool lines, const std::string& pdfPath);

}  // namespace tkv::cli
