#include "settings/holiday_list.h"

#include "base/file_lock.h"
#include "base/ini_file.h"
#include "base/text_util.h"

namespace tkv {
namespace {

constexpr int kLeapMonthDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr std::string_view kSection = "HolidayData";
constexpr std::string_view kMark = " ○ ";

const HolidayEntry& emptyEntry() {
    static const HolidayEntry e;
    return e;
}

// Takes the text before the next comma and drops it and the comma from `rest`.
std::string takeField(std::string& rest) {
    const std::size_t comma = rest.find(',');
    std::string field = rest.substr(0, comma);
    rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
    return field;
}

// These are computed by the calendar every year and never stay in the list.
bool isComputedHolidayName(std::string_view memo) {
    const std::string m = Trim(memo);
    return m == "成人の日" || m == "体育の日" || m == "海の日" || m == "敬老の日";
}

}  // namespace

int HolidayOffset(int month) {
    int offset = 0;
    for (int m = 1; m < month && m <= 12; ++m) offset += kLeapMonthDays[m - 1];
    return offset;
}

int HolidayRow(int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > kLeapMonthDays[month - 1])
        return 0;
    return HolidayOffset(month) + day;
}

bool operator==(const HolidayEntry& a, const HolidayEntry& b) {
    return a.date == b.date && a.mark == b.mark && a.memo == b.memo;
}

bool operator==(const AnnualHolidayTable& a, const AnnualHolidayTable& b) {
    return a.m_rows == b.m_rows;
}

std::string AnnualHolidayTable::DateText(int r) {
    int month = 1;
    while (month < 12 && r > HolidayOffset(month + 1)) ++month;
    const int day = r - HolidayOffset(month);
    return IntToStrPad(month, 2) + "月" + IntToStrPad(day, 2) + "日";
}

AnnualHolidayTable::AnnualHolidayTable() {
    for (int r = 1; r <= 366; ++r) m_rows[static_cast<std::size_t>(r)].date = DateText(r);
}

const HolidayEntry& AnnualHolidayTable::row(int r) const {
    if (r < 1 || r > 366)
        return emptyEntry();
    return m_rows[static_cast<std::size_t>(r)];
}

HolidayEntry& AnnualHolidayTable::row(int r) {
    static HolidayEntry scratch;
    if (r < 1 || r > 366) {
        scratch = HolidayEntry{};
        return scratch;
    }
    return m_rows[static_cast<std::size_t>(r)];
}

AnnualHolidayTable AnnualHolidayTable::Defaults() {
    static constexpr std::pair<std::string_view, std::string_view> kDefaults[] = {
        {" 1月 1日", "元旦"},       {" 2月11日", "建国記念の日"}, {" 4月29日", "みどりの日"},
        {" 5月 3日", "憲法記念日"}, {" 5月 4日", "国民の休日"},   {" 5月 5日", "こどもの日"},
        {"11月 3日", "文化の日"},   {"11月23日", "勤労感謝の日"}, {"12月23日", "天皇誕生日"}};
    AnnualHolidayTable t;
    for (const auto& [date, memo] : kDefaults) {
        // Month from characters 1-2, day from characters 5-6 ("月" is two bytes wide).
        const int month = StrToIntDef(date.substr(0, 2), 0);
        const int day = StrToIntDef(date.substr(2 + std::string_view("月").size(), 2), 0);
        HolidayEntry& e = t.row(HolidayRow(month, day));
        e.mark = std::string(kMark);
        e.memo = std::string(memo);
    }
    return t;
}

HolidayReadResult ReadHolidayList(const std::string& path, AnnualHolidayTable& table,
                                  const HolidayProgress& progress) {
    HolidayReadResult result;
    IniFile ini;
    const IoResult loaded = ini.load(path);
    if (loaded.error == IoError::NotFound) {
        result.created = true;
        result.io = WriteHolidayList(path, AnnualHolidayTable::Defaults(), table, progress);
        return result;
    }
    result.io = loaded;
    // An unreadable file leaves every row empty rather than keeping stale marks.
    for (int r = 1; r <= 366; ++r) {
        std::string rest = ini.readString(kSection, IntToStrPad(r, 3), "");
        takeField(rest);  // the date text of the row is fixed
        const std::string mark = takeField(rest);
        std::string memo = takeField(rest);
        HolidayEntry& e = table.row(r);
        e.date = AnnualHolidayTable::DateText(r);
        e.mark = Trim(mark) == "○" ? std::string(kMark) : std::string();
        if (isComputedHolidayName(memo)) {
            memo.clear();
            e.mark.clear();
        }
        e.memo = memo;
    }
    return result;
}

IoResult WriteHolidayList(const std::string& path, const AnnualHolidayTable& rows,
                          AnnualHolidayTable& table, const HolidayProgress& progress) {
    const FolderLock lock(path);
    if (!lock.held())
        return lock.result();
    IniFile ini;
    const IoResult loaded = ini.load(path);
    if (!loaded.ok() && loaded.error != IoError::NotFound)
        return loaded;
    for (int r = 1; r <= 366; ++r) {
        if (progress)
            progress(r);
        const HolidayEntry& src = rows.row(r);
        HolidayEntry stored;
        stored.date = ReplaceAll(src.date, ",", ".");
        stored.mark =
            Trim(ReplaceAll(src.mark, ",", ".")) == "○" ? std::string(kMark) : std::string();
        stored.memo = ReplaceAll(src.memo, ",", ".");
        const std::string line = stored.date + "," + stored.mark + "," + stored.memo + ",";
        table.row(r) = stored;
        const std::string key = IntToStrPad(r, 3);
        ini.deleteKey(kSection, key);
        ini.writeString(kSection, key, TrimLeft(line));
    }
    return ini.flush();
}

}  // namespace tkv
