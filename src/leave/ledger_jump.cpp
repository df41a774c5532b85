#include "leave/ledger_jump.h"

#include <algorithm>

#include "base/ini_file.h"
#include "base/text_util.h"
#include "core/month_record.h"
#include "leave/ledger.h"

namespace tkv {
namespace {

// The month and day of a stored day line: its first field, " 4/25".
bool lineMonthDay(const std::string& line, int& month, int& day) {
    const std::string field = Trim(line.substr(0, line.find(',')));
    const std::size_t slash = field.find('/');
    if (slash == std::string::npos)
        return false;
    month = StrToIntDef(field.substr(0, slash), 0);
    day = StrToIntDef(field.substr(slash + 1), 0);
    return true;
}

int findRow(const std::string& path, const Date& date) {
    IniFile ini;
    if (!ini.load(path).ok())
        return 0;
    const int last = std::clamp(ini.readInteger("System", "LastDay", 0), 0, MaxMonthDays);
    for (int row = 1; row <= last; ++row) {
        int month = 0, day = 0;
        if (lineMonthDay(ini.readString("DayData", IntToStrPad(row, 2)), month, day) &&
            month == date.month && day == date.day)
            return row;
    }
    return 0;
}

}  // namespace

std::optional<MonthDayRow> FindLedgerDay(std::string_view text,
                                         const std::function<std::string(YearMonth)>& monthPath) {
    const std::string date = NormalizeLedgerDate(text);
    if (date.size() != 10)
        return std::nullopt;
    const Date d{StrToIntDef(date.substr(0, 4), 0), StrToIntDef(date.substr(5, 2), 0),
                 StrToIntDef(date.substr(8, 2), 0)};
    if (!IsRealDate(d))
        return std::nullopt;
    // Only the month and day are compared: within these two accounting
    // months a month and day name one calendar day.
    for (const YearMonth ym : {YearMonth{d.year, d.month}, NextMonth({d.year, d.month})}) {
        if (const int row = findRow(monthPath(ym), d); row > 0)
            return MonthDayRow{ym, row};
    }
    return std::nullopt;
}

}  // namespace tkv
