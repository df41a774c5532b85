#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "leave/leave_kind.h"

// The paid-leave ledger: 500 dated movements, a carry-over balance before the
// first of them and the running balance after each. The class does no I/O;
// ledger_file.h reads and writes Vacation.dat.
namespace tkv {

inline constexpr int LedgerSlotCount = 500;

// One slot. All fields are texts as the grid shows them and the file stores
// them; an empty date means the slot is free.
struct LeaveEntry {
    std::string date;       // YYYY/MM/DD
    std::string weekday;    // "日".."土", "？" for a date no calendar has; computed
    std::string kind;       // a LeaveKindName or empty
    std::string days;       // one decimal, right-aligned in 5 characters
    std::string remaining;  // balance after this entry, same form; computed
    std::string memo;
    int color = 0;  // memo colour 0x00BBGGRR; 0 is the normal text colour

    bool used() const { return !date.empty(); }
    bool operator==(const LeaveEntry&) const = default;
};

// Where the leave window should look after a recalculation. Rows are the
// grid's data rows, numbered from 1 like the slots.
struct LedgerScroll {
    std::optional<int> topRow;     // nothing when the ledger is empty
    std::optional<int> cursorRow;  // the first free line, date column; nothing when full
    bool operator==(const LedgerScroll&) const = default;
};

// Trimmed, full-width digits allowed: "Y/M/D" with the year read from at
// most 4 characters and month and day from at most 2 becomes YYYY/MM/DD
// ("24/4/1" -> "0024/04/01"). No range check ("2024/13/40" stays). Empty
// when there are fewer than two "/" or all three parts are 0.
std::string NormalizeLedgerDate(std::string_view text);

// "日".."土" for a YYYY/MM/DD text that is a real date (years 1..9999),
// "？" for anything else.
std::string_view WeekdayOfDate(std::string_view date);

// A count of tenths of a day as text with one decimal, right-aligned in
// `width` characters (0: no padding).
std::string TenthsText(long long tenths, int width);

// A day count text as tenths of a day. Text that is not a number, and
// numbers of a billion days or more, count as 0.
long long TenthsOf(std::string_view text);

class Ledger {
public:
    Ledger();

    // Slots are numbered 1..500; a number outside gives the nearest slot.
    LeaveEntry& entry(int slot);
    const LeaveEntry& entry(int slot) const;

    const std::string& KuriZan() const { return m_kuriZan; }
    // Typed by the user; normalised at the next recalculation.
    void setKuriZan(std::string text) { m_kuriZan = std::move(text); }
    const std::string& NowZan() const { return m_nowZan; }
    const std::string& CurrentBalance() const { return m_nowZan; }

    // Slots in use; after a recalculation they are slots 1..entryCount().
    int entryCount() const;

    // Balances "0.0", every slot free. The snapshot is left alone.
    void clear();

    // Normalises dates and days, sorts by date, drops free slots to the end
    // and recomputes the remaining column and NowZan.
    void RecalcLedger();

    // What the window shows after RecalcLedger "with scrolling": the last
    // entry within the `visibleRows` rows and the cursor on the first free line.
    LedgerScroll scrollTarget(int visibleRows) const;

    // The days text a kind puts into the days field (kinds 1..3), or nothing
    // when the field is left as typed.
    std::optional<std::string> KindDaysText(LeaveKind kind) const;
    // Half-day values from the settings; a value that is no finite number
    // gives -0.5.
    void SetHalfDayValues(double morning, double afternoon);

    // Adds the entry of a day marked "有", "前" or "後" and recalculates.
    // Returns false when nothing was added: another mark, a date that does
    // not normalise, or a day before the ledger's first entry (it is covered
    // by KuriZan). A full ledger first folds its oldest entry into KuriZan.
    bool AddLeaveEntry(std::string_view date, std::string_view mark, int color,
                       std::string_view memo);

    // Removes the entries of `date` whose kind is the one of `mark` and
    // recalculates; returns how many went. Other marks do nothing.
    int RemoveLeaveEntries(std::string_view date, std::string_view mark);

    // Sets memo and colour of the first entry of `date` and `kindName`.
    // Returns false when there is none. Nothing else changes.
    bool UpdateLeaveMemo(std::string_view date, std::string_view kindName, int color,
                         std::string_view memo);

    // Folds the `count` oldest entries into KuriZan; NowZan stays as it was.
    // Returns how many entries were folded.
    int DeleteOldestEntries(int count);
    // Folds every entry dated up to and including `date` into KuriZan.
    int DeleteEntriesUpTo(std::string_view date);

    // Any field, colour or the carry-over differs from the snapshot.
    bool HasUnsavedChanges() const;
    // Called after a load and after a successful save.
    void takeSnapshot();
    // The slots and carry-over as the last load read them or the last save wrote them.
    const std::array<LeaveEntry, LedgerSlotCount>& snapshot() const { return m_snapshot; }
    const std::string& snapshotKuriZan() const { return m_snapshotKuriZan; }

private:
    int foldFirst(int limit, std::string_view upTo);
    std::string oldestDate() const;

    std::array<LeaveEntry, LedgerSlotCount> m_slots;
    std::string m_kuriZan;
    std::string m_nowZan;
    std::string m_morningDays;
    std::string m_afternoonDays;
    // The earliest date whose entry RemoveLeaveEntries took out since the
    // last clear. Re-adding that day (a kind or colour change on the month
    // grid removes and adds) must not be refused just because its entry
    // was the oldest one.
    std::string m_removedFloor;

    std::array<LeaveEntry, LedgerSlotCount> m_snapshot;
    std::string m_snapshotKuriZan;
};

}  // namespace tkv
