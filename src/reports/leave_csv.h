#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace tkv {

class Ledger;
struct Settings;

// The name the save dialog proposes: "有給休暇.csv", or with the personal
// file name in front ("山田 有給休暇.csv") when the user asked for it.
std::string LeaveCsvFileName(const Settings& s);

// A ledger date as the CSV writes it: the numbers without leading zeros
// ("2024/04/05" -> "2024/4/5"). A text that is no YYYY/MM/DD stays as it is.
std::string LeaveCsvDate(std::string_view date);

// Writes the ledger as CSV (CP932 bytes, CR LF): the personal-information
// line when asked for, the header, then one line per used slot in slot
// order. The caller recalculates first, as the window shows the ledger.
void WriteLeaveCsv(std::ostream& out, const Ledger& ledger, const Settings& s);

}  // namespace tkv
