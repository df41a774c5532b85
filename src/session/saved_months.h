#pragma once

#include <vector>

#include "base/io_result.h"
#include "core/overtime_limits.h"
#include "session/month_session.h"

namespace tkv {

class AnnualHolidayTable;
struct Settings;

// The months of one user's folder as last saved, for the overtime limits.
// A month without a file is nothing (the limits count it as zero and name
// it). A file that exists but cannot be read is nothing as well, and its
// error is added to `unreadable` when given, so that the caller can say so.
// Settings and holidays are read at each call.
MonthLoader SavedMonthLoader(UserPaths paths, const Settings& s, const AnnualHolidayTable& holidays,
                             std::vector<IoResult>* unreadable = nullptr);

// The same with the displayed month `shown` taken from memory (as last
// recalculated) instead of its file; a month whose file could not be read
// (shown read-only) stays nothing.
MonthLoader WithShownMonth(const MonthSession& shown, MonthLoader saved);

}  // namespace tkv
