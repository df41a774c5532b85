#pragma once

#include <iosfwd>

#include "core/calendar.h"

namespace tkv {
struct MonthRecord;
}

namespace tkv::cli {

// The month for people at a terminal (`--human`): a heading, the day grid as
// an aligned table under its Japanese column titles, and the month's totals.
// Columns are padded by display width (a full-width character takes two), so
// they line up in a terminal with a fixed-pitch font.
void PrintHumanMonth(std::ostream& out, const MonthRecord& month, YearMonth ym);

}  // namespace tkv::cli
