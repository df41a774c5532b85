#include "reports/ui/month_list_report.h"

#include "base/text_util.h"
#include "reports/month_list_lines.h"
#include "settings/settings.h"

namespace tkv {

namespace {
const QColor kLightGray(224, 224, 224);
const QColor kGrayText(128, 128, 128);
}  // namespace

TZanPrintForm::TZanPrintForm(const MonthRecord& month, const Settings& settings, const Clock& clock)
    : ListReport(settings, clock), m_month(month) {}

PageOrientation TZanPrintForm::orientationSetting() const {
    return settings().ZangyoPrintMuki;
}

std::string TZanPrintForm::jobTitle() const {
    return MonthListJobTitle(m_month.year, m_month.month);
}

int TZanPrintForm::prepareRecords() {
    m_calc = Recalculate(m_month, settings());
    return m_month.rowCount();
}

std::string TZanPrintForm::titleText() const {
    return settings().ZangyoTitle;
}

std::optional<std::string> TZanPrintForm::monthText() const {
    return MonthListMonthText(m_month.year, m_month.month);
}

std::string TZanPrintForm::headerLine() const {
    return MonthListHeader(settings());
}

int TZanPrintForm::headerIndent() const {
    return MonthListIndent;
}

std::string TZanPrintForm::recordLine(int number, int memoCut) const {
    return MonthListRecord(m_month.day(number), settings(), memoCut);
}

bool TZanPrintForm::isHoliday(int number) const {
    return Trim(m_month.day(number).cell(DayColumn::Kind)) == "○";
}

void TZanPrintForm::shadeRecord(platform::ReportBand& detail, platform::ReportText& line,
                                int number, int lineOnPage) const {
    const Settings& s = settings();
    if (s.PrintForm == ReportForm::Shaded) {
        const bool marked = s.PrintGary ? isHoliday(number) : lineOnPage % 2 == 0;
        detail.background = marked ? kLightGray : QColor(Qt::white);
    } else {
        detail.background = Qt::white;
        line.color = s.PrintGary && isHoliday(number) ? kGrayText : QColor(Qt::black);
    }
}

std::vector<ListReport::FirstPageLine> TZanPrintForm::firstPageLines() const {
    const Settings& s = settings();
    return {{MonthListDayCaption(), true},
            {MonthListDayCounts(m_calc, s), false},
            {MonthListTimeCaption(), true},
            {MonthListTimes(m_calc, s), false}};
}

}  // namespace tkv
