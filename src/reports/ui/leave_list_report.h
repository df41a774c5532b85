#pragma once

#include "leave/ledger.h"
#include "reports/ui/list_report.h"

class QWidget;

namespace tkv {

class TPreviewForm;

// The printed paid-leave list (TYukyuPrintForm): one line per ledger entry,
// in date order with the running balance.
class TYukyuPrintForm final : public ListReport {
public:
    // Prints a copy of `ledger`, recalculated at each generation.
    TYukyuPrintForm(const Ledger& ledger, const Settings& settings, const Clock& clock);

    PageOrientation orientationSetting() const override;
    std::string jobTitle() const override;

protected:
    int prepareRecords() override;
    std::string titleText() const override;
    std::string namePrefix() const override { return "  "; }
    std::optional<std::string> monthText() const override { return std::nullopt; }
    std::string headerLine() const override;
    int headerIndent() const override;
    bool hasMemoColumn() const override { return true; }
    std::string recordLine(int number, int memoCut) const override;
    void shadeRecord(platform::ReportBand& detail, platform::ReportText& line, int number,
                     int lineOnPage) const override;
    // Without the name the page header is only as tall as the title.
    bool hiddenNameTakesRoom() const override { return false; }

private:
    Ledger m_ledger;
};

// "印刷(&P)..." of the paid-leave window: the ledger in the preview, with
// `issuer` disabled while it is open. An empty ledger has nothing to print:
// a short message says so instead of an empty preview, and the result is
// false.
bool PrintLeaveList(const Ledger& ledger, const Settings& settings, const Clock& clock,
                    TPreviewForm& preview, QWidget* issuer);

}  // namespace tkv
