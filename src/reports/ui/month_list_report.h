#pragma once

#include "core/month_record.h"
#include "core/recalculate.h"
#include "reports/ui/list_report.h"

namespace tkv {

// The printed month overtime list (TZanPrintForm): the first page opens with
// the month's day counts and times, then one line per day.
class TZanPrintForm final : public ListReport {
public:
    // Prints a copy of `month`, recalculated at each generation.
    TZanPrintForm(const MonthRecord& month, const Settings& settings, const Clock& clock);

    PageOrientation orientationSetting() const override;
    std::string jobTitle() const override;

protected:
    int prepareRecords() override;
    std::string titleText() const override;
    std::string namePrefix() const override { return {}; }
    std::optional<std::string> monthText() const override;
    std::string headerLine() const override;
    int headerIndent() const override;
    bool hasMemoColumn() const override { return true; }
    std::string recordLine(int number, int memoCut) const override;
    void shadeRecord(platform::ReportBand& detail, platform::ReportText& line, int number,
                     int lineOnPage) const override;
    std::vector<FirstPageLine> firstPageLines() const override;

private:
    bool isHoliday(int number) const;

    MonthRecord m_month;
    MonthCalculation m_calc;
};

}  // namespace tkv
