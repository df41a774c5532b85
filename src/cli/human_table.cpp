#include "cli/human_table.h"

#include <ostream>
#include <string>
#include <utility>

#include "base/text_util.h"
#include "core/month_record.h"

namespace tkv::cli {
namespace {

struct Column {
    const char* title;
    int width;  // in half-width characters
    bool right;
};

// The grid's own titles and widths; the memo takes what it needs.
constexpr Column kColumns[] = {{"日 付", 5, true}, {"曜", 2, false},   {"休", 2, false},
                               {"出 社", 5, true}, {"退 社", 5, true}, {"普 通", 5, true},
                               {"深 夜", 5, true}, {"勤 務", 5, true}, {"メ モ", 0, false}};

std::string trimEnd(std::string line) {
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

std::string cell(std::string_view text, const Column& c) {
    const std::string trimmed = Trim(text);
    if (c.width == 0)
        return trimmed;
    return c.right ? RightAlign(trimmed, c.width) : FixedWidth(trimmed, c.width);
}

}  // namespace

void PrintHumanMonth(std::ostream& out, const MonthRecord& month, YearMonth ym) {
    out << ym.year << "年" << ym.month << "月\n\n";
    std::string header;
    for (const Column& c : kColumns)
        header += (c.width == 0 ? c.title : FixedWidth(c.title, c.width)) + std::string("  ");
    out << trimEnd(header) << '\n';
    for (int d = 1; d <= month.rowCount(); ++d) {
        const DayRow& row = month.day(d);
        std::string line;
        for (std::size_t i = 0; i < std::size(kColumns); ++i)
            line += cell(row.cells[i], kColumns[i]) + "  ";
        out << trimEnd(line) << '\n';
    }

    const SummaryTexts& t = month.summary;
    const std::pair<const char*, const std::string*> totals[] = {
        {"出勤日数", &t.SyukinMemo}, {"休日出勤", &t.KyujituMemo}, {"普通残業", &t.ZanTMemo},
        {"深夜残業", &t.SZanTMemo},  {"残業合計", &t.KeiTMemo},    {"目標まで", &t.MokuTMemo},
        {"勤務時間", &t.KinmuTMemo}};
    out << '\n';
    for (const auto& [label, value] : totals)
        out << label << "  " << RightAlign(Trim(*value), 8) << '\n';
}

}  // namespace tkv::cli
