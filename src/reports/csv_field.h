#pragma once

#include <string>
#include <string_view>
#include <vector>

// Fields and lines of every CSV file the program writes.
namespace tkv {

// A field as it stands in a CSV line. Text with a comma, a double quote or a
// line break would split the line for every reader, so such a field is put in
// double quotes with its quotes doubled (RFC 4180); any other text is written
// as it is, byte for byte.
std::string CsvField(std::string_view text);

// The fields joined by commas, each through CsvField.
std::string CsvLine(const std::vector<std::string>& fields);

// The line end of the program's files.
inline constexpr std::string_view CsvLineEnd = "\r\n";

}  // namespace tkv
