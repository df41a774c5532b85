#pragma once

// Month files for the benchmarks, written as the program saves them: a
// working month with evening overtime, a day of leave and a morning off.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/paths.h"
#include "core/calendar.h"
#include "core/month_file.h"
#include "core/month_record.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace bench {

inline tkv::Settings MonthSettings() {
    tkv::Settings s;
    s.times.breaks[0].first = "12:00";
    s.times.breaks[0].second = "13:00";
    s.times.standardStart = " 8:30";
    s.times.standardEnd = "17:30";
    s.times.lateNightStart = "22:00";
    s.times.lateNightEnd = " 5:00";
    return s;
}

// `count` months from `first` in `dataDir`, named YYYYMM.dat.
inline void WriteMonths(const std::string& dataDir, tkv::YearMonth first, int count) {
    const tkv::Settings s = MonthSettings();
    const tkv::AnnualHolidayTable holidays = tkv::AnnualHolidayTable::Defaults();
    tkv::YearMonth ym = first;
    for (int i = 0; i < count; ++i, ym = tkv::NextMonth(ym)) {
        tkv::MonthRecord m;
        tkv::NewMonth(m, ym, s, holidays);
        int worked = 0;
        for (int d = 1; d <= m.rowCount(); ++d) {
            tkv::DayRow& row = m.day(d);
            if (row.kind() != tkv::DayKind::Ordinary)
                continue;
            if (++worked == 5)
                row.cell(tkv::DayColumn::Kind) = "有";
            else if (worked == 9)
                row.cell(tkv::DayColumn::Kind) = "前";
            row.cell(tkv::DayColumn::Arrival) = " 8:45";
            row.cell(tkv::DayColumn::Leaving) = (d + i) % 3 == 0 ? "22:40" : "19:15";
        }
        tkv::SaveMonth(m, tkv::MonthFileName(dataDir, ym.year, ym.month, ""), s);
    }
}

// A temporary folder, removed at the end.
struct TempFolder {
    std::string root;
    TempFolder() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "tokivane-bench-XXXXXX").string();
        root = ::mkdtemp(tmpl.data());
    }
    ~TempFolder() { std::filesystem::remove_all(root); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
};

}  // namespace bench
