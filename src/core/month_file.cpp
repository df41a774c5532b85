#include "core/month_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "base/atomic_file.h"
#include "base/ini_file.h"
#include "base/text_util.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kDayData = "DayData";

std::string colorText(int color) {
    if (color == 0)
        return {};
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%X", static_cast<unsigned>(color));
    return buf;
}

// Year of a row's month: December rows of a January month lie a year back.
Date rowDate(const MonthRecord& m, const DayRow& row) {
    const std::string& text = row.cell(DayColumn::Date);
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos)
        return {};
    Date d{m.year, StrToIntDef(text.substr(0, slash), 0), StrToIntDef(text.substr(slash + 1), 0)};
    if (d.month > m.month)
        d.year -= 1;
    return d;
}

}  // namespace

std::string LedgerDateText(const Date& d) {
    return IntToStrPad(d.year, 4, '0') + "/" + IntToStrPad(d.month, 2, '0') + "/" +
           IntToStrPad(d.day, 2, '0');
}

std::string DayLine(const DayRow& row) {
    // Cell texts (fields 1..8 and 12) get field(); the flags stand as they are.
    const std::pair<const std::string*, bool> fields[13] = {{&row.cell(DayColumn::Date), true},
                                                            {&row.cell(DayColumn::Weekday), true},
                                                            {&row.cell(DayColumn::Kind), true},
                                                            {&row.cell(DayColumn::Arrival), true},
                                                            {&row.cell(DayColumn::Leaving), true},
                                                            {&row.cell(DayColumn::Overtime), true},
                                                            {&row.cell(DayColumn::LateNight), true},
                                                            {&row.cell(DayColumn::Memo), true},
                                                            {&row.ManualFlag[0], false},
                                                            {&row.ManualFlag[1], false},
                                                            {&row.ManualFlag[2], false},
                                                            {&row.cell(DayColumn::Working), true},
                                                            {nullptr, false}};
    // Cell texts never carry a comma into the file: it would shift every field.
    std::string line;
    line.reserve(96);
    for (const auto& [text, isCell] : fields) {
        if (text == nullptr) {
            line += colorText(row.MemoColor);
        } else {
            const std::size_t from = line.size();
            line += *text;
            if (isCell)
                std::replace(line.begin() + static_cast<std::ptrdiff_t>(from), line.end(), ',',
                             '.');
        }
        line += ',';
    }
    line += row.LegalHolidayFlag;
    line += ',';
    line.erase(0, static_cast<std::size_t>(TrimView(line).data() - line.data()));
    return line;
}

void ReadDayLine(const std::string& line, DayRow& row) {
    std::string_view fields[14];
    const std::string_view text = line;
    std::size_t pos = 0;
    for (int i = 0; i < 14 && pos <= text.size(); ++i) {
        const std::size_t comma = text.find(',', pos);
        if (comma == std::string_view::npos) {
            // A truncated line: the last piece is still the field it stands in.
            fields[i] = text.substr(pos);
            break;
        }
        fields[i] = text.substr(pos, comma - pos);
        pos = comma + 1;
    }
    for (int i = 1; i < 7; ++i) row.cells[static_cast<std::size_t>(i)].assign(fields[i]);
    row.cell(DayColumn::Date) = RightAlign(fields[0], 5);
    row.cell(DayColumn::Memo).assign(fields[7]);
    for (int i = 0; i < 3; ++i)
        row.ManualFlag[static_cast<std::size_t>(i)].assign(TrimView(fields[8 + i]));
    row.cell(DayColumn::Working).assign(fields[11]);
    row.MemoColor = fields[12].empty() ? 0 : StrToIntDef(fields[12], 0);
    row.LegalHolidayFlag.assign(TrimView(fields[13]));
}

int ReadDayLines(const IniFile& ini, std::span<DayRow, MaxMonthDays> rows) {
    return ReadDayLines(ini, rows,
                        std::clamp(ini.readInteger(kSystem, "LastDay", 0), 0, MaxMonthDays));
}

int ReadDayLines(const IniFile& ini, std::span<DayRow, MaxMonthDays> rows, int last) {
    for (int d = 1; d <= last; ++d)
        ReadDayLine(ini.readString(kDayData, IntToStrPad(d, 2)),
                    rows[static_cast<std::size_t>(d - 1)]);
    return last;
}

std::vector<DayConflict> MergeMonthFile(MonthRecord& m, const IniFile& file) {
    std::vector<DayConflict> conflicts;
    std::array<DayRow, MaxMonthDays> theirs{};
    if (ReadDayLines(file, theirs) != m.rowCount())
        return conflicts;
    for (int slot = 1; slot <= m.rowCount(); ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        if (theirs[i].cell(DayColumn::Date) != m.days[i].cell(DayColumn::Date))
            return {};
    }
    for (int slot = 1; slot <= m.rowCount(); ++slot) {
        const auto i = static_cast<std::size_t>(slot - 1);
        DayRow& mine = m.days[i];
        DayRow& base = m.snapshot[i];
        const DayRow& stored = theirs[i];
        if (SameEntries(stored, base))
            continue;
        if (SameEntries(stored, mine)) {
            base = stored;  // the same edit on both sides: its ledger line is there already
            continue;
        }
        if (SameEntries(mine, base)) {
            mine = stored;
            base = stored;
        } else {
            conflicts.push_back({slot, mine, stored});
        }
    }
    return conflicts;
}

void ResolveDayConflict(MonthRecord& m, const DayConflict& conflict, bool keepMine) {
    const auto i = static_cast<std::size_t>(std::clamp(conflict.slot, 1, MaxMonthDays) - 1);
    m.snapshot[i] = conflict.theirs;
    if (!keepMine)
        m.days[i] = conflict.theirs;
}

MonthLoadResult LoadMonth(MonthRecord& m, YearMonth ym, const std::string& path, const Settings& s,
                          const AnnualHolidayTable& holidays) {
    MonthLoadResult result;
    m = MonthRecord{};
    m.year = ym.year;
    m.month = ym.month;
    IniFile ini;
    result.io = ini.load(path);
    if (result.io.error == IoError::NotFound) {
        NewMonth(m, ym, s, holidays);
    } else if (result.io.ok()) {
        result.fromFile = true;
        SummaryTexts& t = m.summary;
        t.SyukinMemo = ini.readString(kSystem, "SyukinDay");
        t.KyujituMemo = ini.readString(kSystem, "KyujituDay");
        t.ZanTMemo = ini.readString(kSystem, "ZangyoTime");
        t.SZanTMemo = ini.readString(kSystem, "ShinyaTime");
        t.MokuTMemo = ini.readString(kSystem, "MokuhyoTime");
        t.KinmuTMemo = ini.readString(kSystem, "KinmuTime");
        t.KeiTMemo = MinutesToStr(StrToMinutes(t.ZanTMemo) + StrToMinutes(t.SZanTMemo), 3, true);
        const int stored = ini.readInteger(kSystem, "LastDay", 0);
        if (stored >= 1 && stored <= MaxMonthDays) {
            m.LastDay = ReadDayLines(ini, m.days, stored);
        } else if (ini.hasSection(kDayData)) {
            // A damaged header would hide every day line: the month's own
            // number of days, as a new month has them, is read instead.
            MonthRecord calendar;
            NewMonth(calendar, ym, s, holidays);
            m.LastDay = ReadDayLines(ini, m.days, calendar.rowCount());
            result.lastDayRepaired = true;
        }
    }
    m.takeSnapshot();
    return result;
}

Date SlotDate(const MonthRecord& m, int slot, int simeDay) {
    Date last = m.LastDay > 0 ? rowDate(m, m.day(m.LastDay)) : Date{};
    if (!IsRealDate(last)) {
        // A damaged date column: fall back to the month's own closing date.
        const Date first = FirstDayOf({m.year, m.month}, simeDay);
        last = first;
        for (int i = 1; i < DaysInMonth(first.year, first.month); ++i) last = NextDay(last);
    }
    Date d = last;
    for (int i = m.LastDay; i > slot; --i) d = PreviousDay(d);
    return d;
}

PreparedMonthFile PrepareMonthFile(MonthRecord& m, const std::string& path, const Settings& s) {
    PreparedMonthFile result;
    result.calculation = Recalculate(m, s);

    IniFile ini;
    const IoResult loaded = ini.load(path);
    if (!loaded.ok() && loaded.error != IoError::NotFound) {
        result.io = loaded;  // never replace a file we could not read
        return result;
    }
    const SummaryTexts& t = m.summary;
    ini.writeString(kSystem, "LastDay", std::to_string(m.LastDay));
    ini.writeString(kSystem, "SyukinDay", FloatToStrDec(0, 1, StrToFloatDec(t.SyukinMemo, 1, 0)));
    ini.writeString(kSystem, "KyujituDay", FloatToStrDec(0, 1, StrToFloatDec(t.KyujituMemo, 1, 0)));
    // KinmuTime goes too, so that saving twice writes the same file.
    for (const char* key :
         {"ZangyoTime", "ShinyaTime", "KZangyoTime", "KShinyaTime", "MokuhyoTime", "KinmuTime"})
        ini.deleteKey(kSystem, key);
    ini.writeString(kSystem, "ZangyoTime", TrimLeft(t.ZanTMemo));
    ini.writeString(kSystem, "ShinyaTime", TrimLeft(t.SZanTMemo));
    ini.writeString(kSystem, "MokuhyoTime", TrimLeft(t.MokuTMemo));
    ini.writeString(kSystem, "KinmuTime", TrimLeft(t.KinmuTMemo));
    for (int d = 1; d <= m.rowCount(); ++d) {
        const std::string key = IntToStrPad(d, 2);
        ini.deleteKey(kDayData, key);
        ini.writeString(kDayData, key, DayLine(m.day(d)));
    }
    result.bytes = ini.serialize();

    for (int slot = 1; slot <= m.rowCount(); ++slot) {
        const DayRow& now = m.day(slot);
        const DayRow& before = m.snapshot[static_cast<std::size_t>(slot - 1)];
        LeaveDayChange change;
        // Kinds compare as kinds: a blank cell and "  " are the same ordinary day.
        change.kindOrColorChanged =
            now.kind() != before.kind() || now.MemoColor != before.MemoColor;
        change.memoOrColorChanged = now.cell(DayColumn::Memo) != before.cell(DayColumn::Memo) ||
                                    now.MemoColor != before.MemoColor;
        if (!change.kindOrColorChanged && !change.memoOrColorChanged)
            continue;
        change.date = LedgerDateText(SlotDate(m, slot, s.SimeDay));
        change.previousMark = before.cell(DayColumn::Kind);
        change.mark = now.cell(DayColumn::Kind);
        change.memoColor = now.MemoColor;
        change.memo = now.cell(DayColumn::Memo);
        result.leaveChanges.push_back(std::move(change));
    }
    return result;
}

MonthSaveResult SaveMonth(MonthRecord& m, const std::string& path, const Settings& s) {
    PreparedMonthFile prepared = PrepareMonthFile(m, path, s);
    MonthSaveResult result;
    result.calculation = prepared.calculation;
    result.io = prepared.io;
    if (!result.io.ok())
        return result;
    result.io = WriteFileAtomically(path, prepared.bytes);
    if (!result.io.ok())
        return result;
    result.leaveChanges = std::move(prepared.leaveChanges);
    m.takeSnapshot();
    return result;
}

}  // namespace tkv
