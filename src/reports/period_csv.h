#pragma once

#include <iosfwd>
#include <string>

#include "reports/period_totals.h"

namespace tkv {

struct Settings;

// "2004年4月～2005年3月.csv", with the personal file name in front when the
// user asked for it.
std::string PeriodCsvFileName(const PeriodSpan& span, const Settings& s);

// Writes the period totals as CSV: CP932 bytes, CR LF line ends, one line
// per grid row below the header. A month without data gives its label and
// ten empty fields.
void WritePeriodCsv(std::ostream& out, const PeriodGrid& grid, const Settings& s);

}  // namespace tkv
