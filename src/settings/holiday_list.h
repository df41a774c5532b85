#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "base/io_result.h"

namespace tkv {

// The first row of each month in a leap-year list of 366 days (1 January is
// row 1, 29 February row 60, 1 March row 61).
int HolidayOffset(int month);
// Row number 1..366 of (month, day); 0 for an impossible month.
int HolidayRow(int month, int day);

struct HolidayEntry {
    std::string date;  // " 1月 1日": fixed by the row, never read from the file
    std::string mark;  // " ○ " or empty
    std::string memo;  // usually the holiday's name
};

// The fixed-date holiday list, one entry per day of a leap year.
class AnnualHolidayTable {
public:
    AnnualHolidayTable();

    // Rows are 1-based; an out-of-range row reads as an empty entry.
    const HolidayEntry& row(int r) const;
    HolidayEntry& row(int r);
    const HolidayEntry& at(int month, int day) const { return row(HolidayRow(month, day)); }

    // The list as it is when there is no Holiday.dat: the nine default holidays.
    static AnnualHolidayTable Defaults();
    static std::string DateText(int r);

    friend bool operator==(const AnnualHolidayTable&, const AnnualHolidayTable&);

private:
    std::array<HolidayEntry, 367> m_rows;  // [0] stays empty
};

bool operator==(const HolidayEntry& a, const HolidayEntry& b);

// Called once per written row (1..366), for the please-wait progress bar.
using HolidayProgress = std::function<void(int row)>;

struct HolidayReadResult {
    IoResult io;           // reading, or writing the defaults into a new file
    bool created = false;  // the file was missing and has been created with the defaults
};

// Fills `table` from Holiday.dat at `path`; a missing file is created with
// the nine defaults.
HolidayReadResult ReadHolidayList(const std::string& path, AnnualHolidayTable& table,
                                  const HolidayProgress& progress = {});

// Writes `rows` (the rows being edited) to Holiday.dat and takes them into
// `table` row by row, normalised as stored.
IoResult WriteHolidayList(const std::string& path, const AnnualHolidayTable& rows,
                          AnnualHolidayTable& table, const HolidayProgress& progress = {});

}  // namespace tkv
