#include "reports/list_text.h"

#include <algorithm>

#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {

int MemoColumnBytes(const Settings& s) {
    return 2 * std::clamp(s.PrintMemo, 10, 500);
}

std::string PrintedTime(std::string_view text, const Settings& s) {
    return s.PrintTime ? DecimalHourStr(text) : std::string(text);
}

std::string CsvTimeField(std::string_view text, const Settings& s) {
    return Trim(PrintedTime(text, s));
}

}  // namespace tkv
