#pragma once

#include <string>

#include "base/io_result.h"
#include "reports/period_totals.h"

namespace tkv {
class Clock;
class Ledger;
struct MonthRecord;
struct Settings;
}  // namespace tkv

// The printed lists as PDF files, drawn by the same engine as the preview
// and the printer, on A4 in each list's orientation. They need no display:
// Qt is started on its offscreen platform for the one job.
namespace tkv::cli {

IoResult WriteMonthListPdf(const MonthRecord& month, const Settings& settings, const Clock& clock,
                           const std::string& path);
IoResult WritePeriodListPdf(const PeriodSpan& span, const MonthPathFn& monthPath,
                            const Settings& settings, const Clock& clock, const std::string& path);
IoResult WriteLeaveListPdf(const Ledger& ledger, const Settings& settings, const Clock& clock,
                           const std::string& path);

}  // namespace tkv::cli
