#include "reports/csv_field.h"

#include <ostream>

#include "base/cp932.h"
#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (char ch : text) {
        if (ch == '"')
            out += '"';
        out += ch;
    }
    out += '"';
    return out;
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(fields[i]);
    }
    return line;
}

void WriteCsvText(std::ostream& out, const std::string& utf8) {
    out << cp932::fromUtf8(utf8) << CsvLineEnd;
}

void WriteCsvPrivateInfo(std::ostream& out, const Settings& s) {
    if (s.CSVPrivateInfoAdd && !Trim(s.CSVPrivateInfo).empty())
        WriteCsvText(out, s.CSVPrivateInfo);
}

std::string PersonalCsvFileName(const std::string& plain, const Settings& s) {
    if (s.CSVNameAdd && !Trim(s.CSVFileName).empty())
        return s.CSVFileName + " " + plain;
    return plain;
}

}  // namespace tkv
