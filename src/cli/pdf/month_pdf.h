#pragma once

#include <string>

#include "base/io_result.h"

namespace tkv {
class Clock;
struct MonthRecord;
struct Settings;
}  // namespace tkv

namespace tkv::cli {

// The month list as a PDF file, drawn by the same engine as the preview and
// the printer, on A4 in the list's orientation. Needs no display: it starts
// Qt on its offscreen platform for this one job.
IoResult WriteMonthListPdf(const MonthRecord& month, const Settings& settings, const Clock& clock,
                           const std::string& path);

}  // namespace tkv::cli
