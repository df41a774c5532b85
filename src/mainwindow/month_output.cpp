#include "mainwindow/month_output.h"

#include <memory>
#include <sstream>

#include "mainwindow/app_context.h"
#include "reports/month_csv.h"
#include "reports/ui/csv_export.h"
#include "reports/ui/month_list_report.h"
#include "reports/ui/preview_form.h"

namespace tkv {

void PrintMonthList(const MonthRecord& month, const AppContext& app, TPreviewForm& preview,
                    QWidget* issuer) {
    preview.preview(std::make_unique<TZanPrintForm>(month, app.settings, *app.clock), issuer);
}

void ExportMonthCsv(const MonthRecord& month, AppContext& app, QWidget* parent,
                    std::optional<Date> firstRowDate) {
    std::ostringstream csv;
    WriteMonthCsv(csv, month, app.settings, firstRowDate);
    SaveCsvFile(parent, app.settings, *app.store,
                MonthCsvFileName(month.year, month.month, app.settings), csv.str());
}

}  // namespace tkv
