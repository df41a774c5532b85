#pragma once

#include <optional>

#include "core/calendar.h"

class QWidget;

namespace tkv {

struct AppContext;
struct MonthRecord;
class TPreviewForm;

// The month list in the preview; `issuer` stays disabled while it is open.
// The month is printed as it stands: the caller recalculates first.
void PrintMonthList(const MonthRecord& month, const AppContext& app, TPreviewForm& preview,
                    QWidget* issuer);

// Asks where to save the month's CSV file (proposing its usual name in the
// last folder used) and writes it. The chosen folder is remembered in the
// settings. A failed write leaves any old file as it was and says why.
// `firstRowDate`: the first row's real date, for rows that are a span of days
// rather than one accounting month.
void ExportMonthCsv(const MonthRecord& month, AppContext& app, QWidget* parent,
                    std::optional<Date> firstRowDate = std::nullopt);

}  // namespace tkv
