#include "session/saved_months.h"

#include <utility>

#include "core/month_file.h"

namespace tkv {

MonthLoader SavedMonthLoader(UserPaths paths, const Settings& s, const AnnualHolidayTable& holidays,
                             std::vector<IoResult>* unreadable) {
    return [paths = std::move(paths), &s, &holidays, unreadable](
               int year, int month) -> std::optional<MonthRecord> {
        const YearMonth ym{year, month};
        MonthRecord m;
        const MonthLoadResult r = LoadMonth(m, ym, paths.monthFile(ym), s, holidays);
        if (r.fromFile)
            return m;
        if (unreadable != nullptr && r.io.error != IoError::NotFound)
            unreadable->push_back(r.io);
        return std::nullopt;
    };
}

MonthLoader WithShownMonth(const MonthSession& shown, MonthLoader saved) {
    return [&shown, saved = std::move(saved)](int year, int month) -> std::optional<MonthRecord> {
        if (shown.loadedMonth() == YearMonth{year, month})
            return shown.readOnly() ? std::nullopt : std::optional<MonthRecord>(shown.month());
        return saved(year, month);
    };
}

}  // namespace tkv
