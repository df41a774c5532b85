#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

// Fields and lines of every CSV file the program writes.
namespace tkv {

struct Settings;

// A field as it stands in a CSV line. Text with a comma, a double quote or a
// line break would split the line for every reader, so such a field is put in
// double quotes with its quotes doubled (RFC 4180); any other text is written
// as it is, byte for byte.
std::string CsvField(std::string_view text);

// The fields joined by commas, each through CsvField.
std::string CsvLine(const std::vector<std::string>& fields);

// The name a save dialog proposes for a CSV file: `plain`, or with the
// personal file name and a blank in front ("山田 2004年3月.csv") when the
// user asked for it.
std::string PersonalCsvFileName(const std::string& plain, const Settings& s);

// The line end of the program's files.
inline constexpr std::string_view CsvLineEnd = "\r\n";

// Writes a line given in UTF-8 as CP932 bytes with the line end.
void WriteCsvText(std::ostream& out, const std::string& utf8);
// The personal-information line, when the user asked for it: the user's own
// line, written exactly as typed.
void WriteCsvPrivateInfo(std::ostream& out, const Settings& s);

}  // namespace tkv
