#include "reports/leave_csv.h"

#include <ostream>

#include "base/text_util.h"
#include "leave/ledger.h"
#include "reports/csv_field.h"

namespace tkv {

std::string LeaveCsvFileName(const Settings& s) {
    return PersonalCsvFileName("有給休暇.csv", s);
}

std::string LeaveCsvDate(std::string_view date) {
    const std::string text = Trim(date);
    const std::size_t first = text.find('/');
    const std::size_t second = first == std::string::npos ? first : text.find('/', first + 1);
    if (second == std::string::npos || text.find('/', second + 1) != std::string::npos)
        return text;
    const auto part = [&text](std::size_t from, std::size_t to) {
        const std::string digits = text.substr(from, to - from);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
            return std::string();
        return std::to_string(StrToIntDef(digits, 0));
    };
    const std::string y = part(0, first);
    const std::string m = part(first + 1, second);
    const std::string d = part(second + 1, text.size());
    if (y.empty() || m.empty() || d.empty())
        return text;
    return y + "/" + m + "/" + d;
}

void WriteLeaveCsv(std::ostream& out, const Ledger& ledger, const Settings& s) {
    WriteCsvPrivateInfo(out, s);
    WriteCsvText(out, "No,日付,曜日,区分,日数,残数,メモ");
    for (int slot = 1; slot <= LedgerSlotCount; ++slot) {
        const LeaveEntry& e = ledger.entry(slot);
        if (!e.used())
            continue;
        WriteCsvText(out, CsvLine({std::to_string(slot), LeaveCsvDate(e.date), Trim(e.weekday),
                                   Trim(e.kind), Trim(e.days), Trim(e.remaining), Trim(e.memo)}));
    }
}

}  // namespace tkv
