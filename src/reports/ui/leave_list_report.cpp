#include "reports/ui/leave_list_report.h"

#include <memory>

#include "platform/message_box.h"
#include "reports/leave_list_lines.h"
#include "reports/ui/preview_form.h"
#include "settings/settings.h"

namespace tkv {

namespace {
const QColor kLightGray(224, 224, 224);
}  // namespace

TYukyuPrintForm::TYukyuPrintForm(const Ledger& ledger, const Settings& settings, const Clock& clock)
    : ListReport(settings, clock), m_ledger(ledger) {}

PageOrientation TYukyuPrintForm::orientationSetting() const {
    return settings().YukyuPrintMuki;
}

std::string TYukyuPrintForm::jobTitle() const {
    return "有給休暇一覧";
}

int TYukyuPrintForm::prepareRecords() {
    m_ledger.RecalcLedger();
    return m_ledger.entryCount();
}

std::string TYukyuPrintForm::titleText() const {
    return settings().YukyuTitle;
}

std::string TYukyuPrintForm::headerLine() const {
    return LeaveListHeader(settings());
}

int TYukyuPrintForm::headerIndent() const {
    return LeaveListIndent;
}

std::string TYukyuPrintForm::recordLine(int number, int memoCut) const {
    return LeaveListRecord(m_ledger.entry(number), number, settings(), memoCut);
}

void TYukyuPrintForm::shadeRecord(platform::ReportBand& detail, platform::ReportText&, int,
                                  int lineOnPage) const {
    const bool shaded = settings().PrintForm == ReportForm::Shaded && lineOnPage % 2 == 0;
    detail.background = shaded ? kLightGray : QColor(Qt::white);
}

bool PrintLeaveList(const Ledger& ledger, const Settings& settings, const Clock& clock,
                    TPreviewForm& preview, QWidget* issuer) {
    Ledger sorted = ledger;
    sorted.RecalcLedger();
    if (sorted.entryCount() == 0) {
        platform::ShowMessage(issuer, "有給休暇印刷", "印刷する有給休暇がありません。",
                              QMessageBox::Ok, QMessageBox::Information);
        return false;
    }
    preview.preview(std::make_unique<TYukyuPrintForm>(ledger, settings, clock), issuer);
    return true;
}

}  // namespace tkv
