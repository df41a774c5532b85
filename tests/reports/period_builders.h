#pragma once

#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/test_folder.h"
#include "base/text_util.h"
#include "reports/period_totals.h"

namespace tkv::test {

// The [System] totals and the kind marks of one month file.
struct MonthFigures {
    std::string syukin = "20.0";
    std::string kyujitu = "0.0";
    std::string zangyo = "10:00";
    std::string shinya = "0:00";
    std::string kinmu = "160:00";
    std::vector<std::string> marks;  // one per day, as stored ("  ", "有", ...)
};

// A month file as the program writes it: CP932, CR LF.
inline std::string MonthFileText(const MonthFigures& f) {
    std::string text = "[System]\r\nLastDay=" + std::to_string(f.marks.size()) +
                       "\r\nSyukinDay=" + f.syukin + "\r\nKyujituDay=" + f.kyujitu +
                       "\r\nZangyoTime=" + f.zangyo + "\r\nShinyaTime=" + f.shinya +
                       "\r\nMokuhyoTime=\r\nKinmuTime=" + f.kinmu + "\r\n[DayData]\r\n";
    for (std::size_t d = 0; d < f.marks.size(); ++d)
        text += IntToStrPad(static_cast<long long>(d + 1), 2) + "= 4/" +
                IntToStrPad(static_cast<long long>(d + 1), 2) + ",月," + f.marks[d] +
                ", 9:00,18:00,,,,,,,8:00,,,\r\n";
    return cp932::fromUtf8(text);
}

// A data folder of month files named YYYYMM.dat.
class MonthFolder {
public:
    std::string path(YearMonth ym) const {
        return m_folder.file(IntToStrPad(ym.year, 4, '0') + IntToStrPad(ym.month, 2, '0') + ".dat");
    }
    MonthPathFn paths() const {
        return [this](YearMonth ym) { return path(ym); };
    }
    void write(YearMonth ym, const MonthFigures& f) const {
        WriteFileAtomically(path(ym), MonthFileText(f), 0600);
    }
    const std::string& root() const { return m_folder.path(); }

private:
    TestFolder m_folder;
};

}  // namespace tkv::test
