#include <algorithm>
#include <ostream>

#include "base/cp932.h"
#include "base/text_util.h"
#include "cli/cli_app.h"
#include "cli/command_session.h"
#include "cli/human_table.h"
#include "core/auto_time_input.h"
#include "core/calendar.h"
#include "core/day_kind.h"

namespace tkv::cli {
namespace {

int parseNumber(const std::string& text, const char* what, int low, int high) {
    const int v = StrToIntDef(text, low - 1);
    if (v < low || v > high)
        throw UsageError{std::string("not a ") + what + ": " + text};
    return v;
}

std::string isoDate(const Date& d) {
    return IntToStrPad(d.year, 4, '0') + "-" + IntToStrPad(d.month, 2, '0') + "-" +
           IntToStrPad(d.day, 2, '0');
}

void requireEncodable(const std::string& text) {
    if (HasControlChar(text))
        throw UsageError{"a line break or other control character cannot be stored"};
    std::string bad;
    if (!cp932::canEncode(text, &bad))
        throw UsageError{"cannot be stored in Shift-JIS: " + bad};
}

// A time as the day command takes it: after trimming, only digits and ":"
// (full-width ones too), and no more than 48:00. Everything the grid reads
// as a time ("830", "８：３０", "25:99") passes; an empty text clears the cell.
void requireTime(const std::string& text) {
    const std::string t = ToHankaku(Trim(text));
    for (char ch : t)
        if ((ch < '0' || ch > '9') && ch != ':')
            throw UsageError{"not a time: " + text + " (digits and \":\" only)"};
    // Beyond five characters (leading zeros aside) no time stays within 48:00,
    // and the digits could overflow the reading.
    const std::size_t digits = t.size() - std::min(t.find_first_not_of('0'), t.size());
    if (!t.empty() && (digits > 5 || StrToMinutes(t) > 48 * 60))
        throw UsageError{"not a time: " + text + " (more than 48:00)"};
}

int findRow(const MonthRecord& m, const Date& d) {
    for (int i = 1; i <= m.rowCount(); ++i)
        if (m.day(i).cell(DayColumn::Date) == GridDateText(d.month, d.day))
            return i;
    return 0;
}

int monthCommand(Context& ctx, std::vector<std::string> args, bool save) {
    const auto human = std::find(args.begin(), args.end(), "--human");
    const bool forPeople = human != args.end();
    if (forPeople)
        args.erase(human);
    const YearMonth ym = ParseYearMonth(args, save ? "recalc" : "month");
    CommandSession session(ctx);
    if (!session.open() || !session.loadMonth(ym))
        return ExitFile;
    if (save) {
        if (!session.save())
            return ExitFile;
    } else {
        session.recalculate();
    }
    if (forPeople)
        PrintHumanMonth(ctx.out, session.month(), ym);
    else
        session.printMonth();
    return ExitOk;
}

}  // namespace

YearMonth ParseYearMonth(const std::vector<std::string>& args, const char* command) {
    if (args.size() != 2)
        throw UsageError{std::string(command) + " wants YEAR MONTH"};
    return {parseNumber(args[0], "year", 1, 9999), parseNumber(args[1], "month", 1, 12)};
}

int MonthCommand(Context& ctx, const std::vector<std::string>& args) {
    return monthCommand(ctx, args, false);
}

const CommandSpec MonthSpec{
    "month", &MonthCommand,
    "YEAR MONTH [--human]\tprint the accounting month, recalculated (not saved)",
    "Prints one line per day (date, weekday, kind, arrival, leaving, normal and late-night\n"
    "overtime, working time, memo; TAB between), an empty line, then the month's totals and\n"
    "the pay figures as NAME<TAB>value. YEAR MONTH name the accounting month: with the\n"
    "closing day 20, month 5 runs from 21 April to 20 May. Nothing is written.\n"
    "With --human: an aligned table under Japanese column titles, then the month's totals,\n"
    "for reading in a terminal (its layout may change; scripts read the default output).\n"
    "\n"
    "example:  tokivane-cli month 2025 5\n"
    "example:  tokivane-cli month 2025 5 --human\n"};

int RecalcCommand(Context& ctx, const std::vector<std::string>& args) {
    return monthCommand(ctx, args, true);
}

const CommandSpec RecalcSpec{
    "recalc", &RecalcCommand, "YEAR MONTH [--human]\trecalculate and save the month",
    "As month, but the month file is saved, and the paid-leave ledger follows its leave\n"
    "days, just as the desktop program's save does. --human prints as month --human.\n"
    "\n"
    "example:  tokivane-cli recalc 2025 5\n"};

int DayCommand(Context& ctx, const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{"day wants YYYY-MM-DD [--kind K] [--in TIME] [--out TIME] [--memo TEXT]"};
    const Date date = ParseDate(args[0]);
    std::vector<std::pair<DayColumn, std::string>> edits;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& opt = args[i];
        if (i + 1 >= args.size())
            throw UsageError{opt + " needs a value"};
        const std::string& value = args[i + 1];
        requireEncodable(value);
        if (opt == "--kind") {
            std::optional<DayKind> kind;
            if (value == "none" || Trim(value).empty())
                kind = DayKind::Ordinary;
            else if (Trim(value) == "半ドン")
                kind = DayKind::ShortDay;
            else
                kind = DayKindFromName(value);
            if (!kind)
                throw UsageError{"unknown kind: " + value};
            edits.emplace_back(DayColumn::Kind, std::string(DayKindText(*kind)));
        } else if (opt == "--in") {
            requireTime(value);
            edits.emplace_back(DayColumn::Arrival, value);
        } else if (opt == "--out") {
            requireTime(value);
            edits.emplace_back(DayColumn::Leaving, value);
        } else if (opt == "--memo") {
            edits.emplace_back(DayColumn::Memo, value);
        } else {
            throw UsageError{"unknown option: " + opt};
        }
    }

    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    if (!session.loadMonth(AccountingMonthOf(date, session.settings().SimeDay)))
        return ExitFile;
    const int row = findRow(session.month(), date);
    if (row == 0) {
        ctx.err << "tokivane-cli: " << isoDate(date) << " is not in its month file\n";
        return ExitFile;
    }
    for (const auto& [column, value] : edits)
        session.month().day(row).cells[static_cast<std::size_t>(column)] = value;
    if (!session.save())
        return ExitFile;
    session.printRow(session.month().day(row));
    return ExitOk;
}

const CommandSpec DaySpec{
    "day", &DayCommand,
    "YYYY-MM-DD [--kind K] [--in TIME] [--out TIME] [--memo TEXT]\tchange one day and save its "
    "month",
    "Changes the day's kind, arrival, leaving or memo, recalculates and saves its accounting\n"
    "month, then prints the day's line. K is a kind mark or name (none, 休日 or ○, 有給 or 有,\n"
    "午前, 午後, 代休, 欠勤, 半ドン); TIME is a time text as typed in the grid (8:30, 830, "
    "25:10).\n"
    "\n"
    "example:  tokivane-cli day 2025-05-12 --in 8:45 --out 19:30 --memo 棚卸し\n"};

int PunchCommand(Context& ctx, const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2 || (args[0] != "in" && args[0] != "out") ||
        (args.size() == 2 && args[1] != "--force"))
        throw UsageError{"punch wants in|out [--force]"};
    const bool leaving = args[0] == "out";
    const bool force = args.size() == 2;

    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    const AutoTimePlan plan = PlanAutoTimeInput(
        ctx.clock->now(), session.settings(),
        leaving ? AutoTimeWhich::Leaving : AutoTimeWhich::Arrival, AutoTimeMode::Automatic);
    if (!session.loadMonth(plan.month))
        return ExitFile;
    const AutoTimeOutcome outcome = ResolveAutoTimeInput(plan, session.month(), session.settings());
    const std::string day = isoDate(plan.workingDay);
    const char* which = leaving ? "out" : "in";
    // Nobody can be asked here: only --force overwrites a leaving time.
    const bool write =
        outcome.action == AutoTimeAction::Write || (outcome.action == AutoTimeAction::Ask && force);
    if (outcome.action == AutoTimeAction::Nothing) {
        ctx.err << "tokivane-cli: " << day << " is not in its month file\n";
        return ExitFile;
    }
    if (!write) {
        ctx.out << day << ' ' << which << " kept " << outcome.existingText << '\n';
        return ExitOk;
    }
    session.month().day(outcome.row).cells[static_cast<std::size_t>(outcome.column)] =
        plan.timeText;
    if (!session.save())
        return ExitFile;
    ctx.out << day << ' ' << which << ' ' << TrimLeft(plan.timeText) << '\n';
    return ExitOk;
}

const CommandSpec PunchSpec{
    "punch", &PunchCommand, "in|out [--force]\trecord the arrival or leaving time now",
    "Writes the current time, rounded as the settings say, as today's arrival (in) or\n"
    "leaving (out) and saves the month; a leaving time before the standard start belongs\n"
    "to the day before (0:40 is written as 24:40). An arrival already entered is kept; a\n"
    "leaving time already entered is overwritten or kept as EndOverWrite says, and where it\n"
    "says to ask first, it is kept unless --force is given.\n"
    "Prints \"YYYY-MM-DD in|out TIME\" or \"... kept TIME\". Made for login and logout hooks.\n"
    "\n"
    "example:  tokivane-cli punch in\n"
    "example:  tokivane-cli --at \"2025-05-12 19:05\" punch out --force\n"};

int HolidaysCommand(Context& ctx, const std::vector<std::string>& args) {
    if (args.size() != 1)
        throw UsageError{"holidays wants YEAR"};
    const int year = parseNumber(args[0], "year", 1, 9999);
    CommandSession session(ctx);
    if (!session.open())
        return ExitFile;
    for (Date d{year, 1, 1}; d.year == year; d = NextDay(d)) {
        const HolidayInfo info = CalendarHoliday(d, session.settings(), session.holidays());
        if (info.mark.empty() && info.name.empty())
            continue;
        ctx.out << isoDate(d) << '\t' << info.mark << '\t' << info.name << '\n';
    }
    return ExitOk;
}

const CommandSpec HolidaysSpec{
    "holidays", &HolidaysCommand, "YEAR\tthe holidays of a calendar year",
    "Prints every day of the year that the calendar marks or names: date, TAB, the mark\n"
    "(○ for a day off, empty for a name only), TAB, the name. Weekly days off are not listed.\n"
    "\n"
    "example:  tokivane-cli holidays 2026\n"};

}  // namespace tkv::cli
