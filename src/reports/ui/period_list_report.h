#pragma once

#include "reports/period_totals.h"
#include "reports/ui/list_report.h"

namespace tkv {

// The printed period totals list (TYearPrintForm): one line per month of
// the span, then the total, average, highest and lowest lines.
class TYearPrintForm final : public ListReport {
public:
    // Totals `span` (clamped as the window clamps it) from the month files
    // afresh at each generation; a reversed span prints nothing.
    TYearPrintForm(const PeriodSpan& span, MonthPathFn monthPath, const Settings& settings,
                   const Clock& clock);

    PageOrientation orientationSetting() const override;
    std::string jobTitle() const override;
    // The grid of the last generation.
    const PeriodGrid& grid() const { return m_grid; }

protected:
    int prepareRecords() override;
    std::string titleText() const override;
    std::string namePrefix() const override { return "   "; }
    std::optional<std::string> monthText() const override;
    std::string headerLine() const override;
    int headerIndent() const override;
    bool hasMemoColumn() const override { return false; }
    std::string recordLine(int number, int memoCut) const override;
    void shadeRecord(platform::ReportBand& detail, platform::ReportText& line, int number,
                     int lineOnPage) const override;

private:
    PeriodSpan m_span;
    MonthPathFn m_monthPath;
    PeriodGrid m_grid;
};

}  // namespace tkv
