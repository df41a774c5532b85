#include "leave/ledger_grid.h"

#include "base/text_util.h"
#include "core/month_file.h"
#include "leave/ledger.h"
#include "settings/settings.h"

namespace tkv {
namespace {

constexpr int kRed = 0x0000FF;
constexpr int kBlue = 0xFF0000;

// The background of a kind, as the month grid colours its day kinds.
int kindColorIndex(const std::string& kind) {
    static constexpr std::array<std::string_view, 6> kinds{"休日", "有給", "午前",
                                                           "午後", "代休", "欠勤"};
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (kind == kinds[i])
            return static_cast<int>(i);
    return -1;
}

// "YYYY/MM" of a year and month, as the dates of the ledger begin.
std::string yearMonthText(int year, int month) {
    return IntToStrPad(year, 4, '0') + "/" + IntToStrPad(month, 2, '0');
}

// The field of a column, for a const or a mutable entry.
template <class Entry>
auto fieldOf(Entry& entry, LedgerColumn column) -> decltype(&entry.date) {
    switch (column) {
        case LedgerColumn::Date:
            return &entry.date;
        case LedgerColumn::Weekday:
            return &entry.weekday;
        case LedgerColumn::Kind:
            return &entry.kind;
        case LedgerColumn::Days:
            return &entry.days;
        case LedgerColumn::Remaining:
            return &entry.remaining;
        case LedgerColumn::Memo:
            return &entry.memo;
        case LedgerColumn::No:
            break;
    }
    return nullptr;
}

}  // namespace

std::string_view LedgerColumnTitle(LedgerColumn column) {
    static constexpr std::array<std::string_view, LedgerColumnCount> titles{
        "No.", "  日  付  ", "曜", "区分", "日 数", "残 数", "  メ  モ  "};
    const int c = LedgerColumnNumber(column);
    return c >= 0 && c < LedgerColumnCount ? titles[static_cast<std::size_t>(c)]
                                           : std::string_view();
}

bool IsLedgerTabStop(LedgerColumn column) {
    return column == LedgerColumn::Date || column == LedgerColumn::Kind ||
           column == LedgerColumn::Days || column == LedgerColumn::Memo;
}

std::string* LedgerCellField(LeaveEntry& entry, LedgerColumn column) {
    return fieldOf(entry, column);
}

std::string LedgerCellText(const LeaveEntry& entry, int slot, LedgerColumn column) {
    if (column == LedgerColumn::No)
        return IntToStrPad(slot, 3);
    const std::string* field = fieldOf(entry, column);
    return field ? *field : std::string();
}

std::string LedgerCellHint(const LeaveEntry& entry, LedgerColumn column) {
    switch (column) {
        case LedgerColumn::Date:
            return "日付を入力してください。";
        case LedgerColumn::Weekday:
            return "曜日が自動的に表示されます。";
        case LedgerColumn::Kind:
            return "有給区分を選択してください。\n右ｸﾘｯｸでﾎﾟｯﾌﾟｱｯﾌﾟﾒﾆｭｰが表示されます。";
        case LedgerColumn::Days:
            return "日数を入力してください。";
        case LedgerColumn::Remaining:
            return "残数が計算されます。";
        case LedgerColumn::Memo:
            return Trim(entry.memo).empty() ? "メモを入力してください。" : entry.memo;
        case LedgerColumn::No:
            break;
    }
    return {};
}

LedgerTabMove LedgerTabTarget(int row, LedgerColumn column, bool backward, bool ctrl) {
    if (ctrl)
        return {LedgerTabMove::CalcButton};
    const int c = LedgerColumnNumber(column);
    if (!backward) {
        if (column == LedgerColumn::Memo) {
            if (row >= LedgerSlotCount)
                return {LedgerTabMove::CalcButton};
            return {LedgerTabMove::Cell, row + 1, LedgerColumn::Date};
        }
        for (int next = c + 1; next < LedgerColumnCount; ++next)
            if (IsLedgerTabStop(LedgerColumnAt(next)))
                return {LedgerTabMove::Cell, row, LedgerColumnAt(next)};
        return {LedgerTabMove::Cell, row, LedgerColumn::Memo};
    }
    for (int previous = c - 1; previous >= 1; --previous)
        if (IsLedgerTabStop(LedgerColumnAt(previous)))
            return {LedgerTabMove::Cell, row, LedgerColumnAt(previous)};
    // From the date (or "No."): the memo of the row above.
    if (row <= 1)
        return {LedgerTabMove::CancelButton};
    return {LedgerTabMove::Cell, row - 1, LedgerColumn::Memo};
}

LedgerCellStyle LedgerStyleFor(const Ledger& ledger, int slot, LedgerColumn column,
                               const Settings& s) {
    const LeaveEntry& e = ledger.entry(slot);
    LedgerCellStyle st;
    st.fixed = column == LedgerColumn::No;
    const std::string weekday = Trim(e.weekday);
    if (column == LedgerColumn::Weekday) {
        if (weekday == "日")
            st.ink = kRed;
        else if (weekday == "土")
            st.ink = kBlue;
    }
    if (column == LedgerColumn::Days && TenthsOf(e.days) > 0)
        st.ink = kBlue;
    if (column == LedgerColumn::Memo && e.color != 0)
        st.ink = e.color;
    if (!st.fixed) {
        const auto use = [&](int index) {
            if (index >= 0 && s.CellColorCheck[static_cast<std::size_t>(index)])
                st.cellColor = index;
        };
        if (weekday == "土")
            use(6);
        if (weekday == "日")
            use(7);
        use(kindColorIndex(Trim(e.kind)));
    }
    st.yearLine = GrantYearLineBelow(ledger, slot, s.YukyuMonth);
    return st;
}

bool GrantYearLineBelow(const Ledger& ledger, int slot, int yukyuMonth) {
    if (yukyuMonth < 1 || yukyuMonth > 12 || slot < 1 || slot >= LedgerSlotCount)
        return false;
    const std::string date = NormalizeLedgerDate(ledger.entry(slot).date);
    if (date.empty())
        return false;
    const int year = StrToIntDef(date.substr(0, 4), 0);
    const int month = StrToIntDef(date.substr(5, 2), 0);
    const int boundaryYear = yukyuMonth == 1 || month >= yukyuMonth ? year + 1 : year;
    const std::string next = ledger.entry(slot + 1).date.substr(0, 7);
    return next >= yearMonthText(boundaryYear, yukyuMonth);
}

void FillEntryDate(Ledger& ledger, int slot, const Date& today) {
    LeaveEntry& e = ledger.entry(slot);
    if (Trim(e.date).empty())
        e.date = LedgerDateText(today);
    e.date = NormalizeLedgerDate(e.date);
    e.weekday = e.date.empty() ? std::string() : std::string(WeekdayOfDate(e.date));
}

bool SetEntryKind(Ledger& ledger, int slot, std::optional<LeaveKind> kind) {
    LeaveEntry& e = ledger.entry(slot);
    e.date = NormalizeLedgerDate(e.date);
    if (e.date.empty())
        return false;
    e.weekday = std::string(WeekdayOfDate(e.date));
    const std::optional<LeaveKind> chosen = kind ? kind : NextLeaveKind(e.kind);
    if (!chosen)
        return false;
    e.kind = std::string(LeaveKindName(*chosen));
    if (const auto days = ledger.KindDaysText(*chosen))
        e.days = *days;
    return true;
}

Date DeleteUpToInitialDate(const Date& today) {
    Date d{today.year - 2, today.month - 1, 1};
    if (d.month < 1)
        d = {today.year - 3, 12, 1};
    d.day = DaysInMonth(d.year, d.month);
    return d;
}

}  // namespace tkv
