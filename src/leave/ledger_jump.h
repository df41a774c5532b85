#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar.h"

namespace tkv {

// A day of a month file: the accounting month and its row, 1..LastDay.
struct MonthDayRow {
    YearMonth month;
    int row = 0;
    bool operator==(const MonthDayRow&) const = default;
};

// Where the leave window's "移動" finds the day of a ledger date: in the
// month file of the date's own year and month, else in the following one
// (a day after the closing day belongs there). A row matches when its date
// cell holds the date's month and day. Nothing when the date is not a real
// date or neither file has it.
std::optional<MonthDayRow> FindLedgerDay(std::string_view date,
                                         const std::function<std::string(YearMonth)>& monthPath);

}  // namespace tkv
