#include "reports/ui/period_list_report.h"

#include "reports/period_list_lines.h"
#include "settings/settings.h"

namespace tkv {

namespace {
const QColor kLightGray(224, 224, 224);
const QColor kSilver(192, 192, 192);
}  // namespace

TYearPrintForm::TYearPrintForm(const PeriodSpan& span, MonthPathFn monthPath,
                               const Settings& settings, const Clock& clock)
    : ListReport(settings, clock), m_span(ClampSpan(span)), m_monthPath(std::move(monthPath)) {}

PageOrientation TYearPrintForm::orientationSetting() const {
    return settings().YearPrintMuki;
}

std::string TYearPrintForm::jobTitle() const {
    return PeriodListJobTitle(m_span);
}

int TYearPrintForm::prepareRecords() {
    m_grid = PeriodGrid{};
    if (SpanReversed(m_span))
        return 0;
    PeriodMonthReader reader(settings(), m_monthPath);
    m_grid = CalculatePeriod(m_span, reader, settings());
    return m_grid.rowCount();
}

std::string TYearPrintForm::titleText() const {
    return settings().YearTitle;
}

std::optional<std::string> TYearPrintForm::monthText() const {
    return PeriodListPeriodText(m_span);
}

std::string TYearPrintForm::headerLine() const {
    return PeriodListHeader();
}

int TYearPrintForm::headerIndent() const {
    return PeriodListIndent;
}

std::string TYearPrintForm::recordLine(int number, int) const {
    return PeriodListRecord(m_grid, number, settings());
}

void TYearPrintForm::shadeRecord(platform::ReportBand& detail, platform::ReportText&, int number,
                                 int lineOnPage) const {
    if (settings().PrintForm != ReportForm::Shaded) {
        detail.background = Qt::white;
        return;
    }
    const int records = m_grid.rowCount();
    if (number > records - 4)
        // Total and highest silver, average and lowest light gray.
        detail.background = (records - number) % 2 == 1 ? kSilver : kLightGray;
    else
        detail.background = lineOnPage % 2 == 0 ? kLightGray : QColor(Qt::white);
}

}  // namespace tkv
