#pragma once

#include <string>
#include <string_view>

// What the printed lists and the CSV files share in their texts.
namespace tkv {

struct Settings;

// Bytes of the memo column of the month list and the leave list: two per
// full-width character of PrintMemo, which is never narrower than ten.
int MemoColumnBytes(const Settings& s);

// A time as a list prints it: hours and minutes, or decimal hours with
// PrintTime.
std::string PrintedTime(std::string_view text, const Settings& s);

// A time field of a CSV line: as printed, trimmed.
std::string CsvTimeField(std::string_view text, const Settings& s);

}  // namespace tkv
