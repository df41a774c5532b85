#pragma once

#include <string>
#include <vector>

#include "base/clock.h"
#include "reports/ui/list_report.h"
#include "settings/settings.h"

namespace tkv::test {

// A list of numbered records with a memo column, as the three lists build
// theirs: enough to drive the frame without a month behind it.
class FakeList final : public ListReport {
public:
    FakeList(const Settings& s, const Clock& clock, int records, int firstPageLines = 0)
        : ListReport(s, clock), m_count(records), m_firstPage(firstPageLines) {}

    std::string header = "  No  value                 memo                ";
    PageOrientation orientationSetting() const override { return settings().ZangyoPrintMuki; }
    std::string jobTitle() const override { return "fake list"; }

protected:
    int prepareRecords() override { return m_count; }
    std::string titleText() const override { return "Title"; }
    std::string namePrefix() const override { return "  "; }
    std::optional<std::string> monthText() const override { return std::string("2004/03"); }
    std::string headerLine() const override { return header; }
    int headerIndent() const override { return 2; }
    bool hasMemoColumn() const override { return true; }
    std::string recordLine(int number, int memoCut) const override {
        std::string memo = "memo of record " + std::to_string(number);
        memo.resize(static_cast<std::size_t>(std::max(0, 20 - memoCut)), ' ');
        return "  " + std::to_string(number) + "  value  " + memo;
    }
    void shadeRecord(platform::ReportBand& detail, platform::ReportText&, int,
                     int lineOnPage) const override {
        detail.background = lineOnPage % 2 == 0 ? QColor(224, 224, 224) : QColor(Qt::white);
    }
    std::vector<FirstPageLine> firstPageLines() const override {
        std::vector<FirstPageLine> lines;
        for (int i = 0; i < m_firstPage; ++i)
            lines.push_back({"first page " + std::to_string(i), i % 2 == 0});
        return lines;
    }

private:
    int m_count;
    int m_firstPage;
};

}  // namespace tkv::test
