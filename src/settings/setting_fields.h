#pragma once

#include <array>
#include <string>
#include <string_view>

#include "settings/settings.h"

// The rules of the settings dialog's fields: how a field's text is tidied
// when the focus leaves it, and how it becomes a setting at the commit. The
// commit applies the same tidying, so a value committed with Enter straight
// from the field is the value the field would have shown.
namespace tkv {

// --- closing day, amounts and other whole numbers ---

// The closing day is 1..27, or 31 for the end of the month: below 1 is 1,
// 28 and above are the end of the month.
int NormalClosingDay(int day);
// On leaving the field ("abc" counts as 0, so it shows "1").
std::string ClosingDayFieldText(std::string_view text);
// At the commit: text that is not a number is the end of the month.
int ClosingDayOf(std::string_view text);

// An amount field: thousands separators and blanks are dropped; text that is
// not a 32-bit number is 0, so the stored amount reads back as shown.
int AmountOf(std::string_view text);
// On leaving: "200000" shows "200,000", "abc" shows "0".
std::string AmountFieldText(std::string_view text);
// On entering: the number without separators, ready to be typed over.
std::string AmountEditText(std::string_view text);

// The take-home ratio (%): 100 when the text is not a number.
int TakeHomePercentOf(std::string_view text);

// The month of the paid-leave separator line, 0..12; `fallback` for text
// that is not a number (0 on leaving, 4 at the commit).
int LeaveStartMonthOf(std::string_view text, int fallback);
// The memo print length in full-width characters, at least 10.
int MemoPrintLengthOf(std::string_view text, int fallback);

// --- decimal fields ---

enum class DecimalSign {
    NeverPositive,  // half-day leave values: "0.5" shows "-0.5"
    NeverNegative,  // page margins: "-5" shows "5.0"
    Kept,           // the paid-leave reserve
};
// One decimal; text that is not a number is "0.0".
std::string DecimalFieldText(std::string_view text, DecimalSign sign);

// --- times ---

// The compensatory-leave deduction is never positive: "7:30" shows "-7:30",
// an empty or unreadable field " 0:00".
std::string CompensatoryFieldText(std::string_view text);

// The late-night end lies on the next morning: a time past 24:00 is taken
// back by whole days until it is 24:00 or less ("29:30" is " 5:30", "48:00"
// is "24:00"). Other texts are returned unchanged.
std::string WrapLateNightEnd(std::string_view text);

// One stored time pair: both halves as times (unreadable text counts as
// zero). A pair with nothing in it is stored empty; otherwise an empty half
// is " 0:00".
TimePair NormalTimePair(const TimePair& pair);
// Every time pair the dialog edits. The frequently-used times are left as
// they are: an empty one means "not set", not 0:00.
void NormaliseTimes(TimeSettings& times);

// --- the break list ---

// The ten breaks as typed: start and end text of each row.
using BreakCells = std::array<std::array<std::string, 2>, 10>;

// Rows are 1..10; a row out of range changes nothing.
void MoveBreakUp(BreakCells& rows, int row);    // exchanges rows r and r - 1
void MoveBreakDown(BreakCells& rows, int row);  // exchanges rows r and r + 1
// Rows r..9 move down one (row 10 is lost) and row r becomes empty.
void InsertBreak(BreakCells& rows, int row);
// Rows r + 1..10 move up one and row 10 becomes empty.
void DeleteBreak(BreakCells& rows, int row);

// --- background colours ---

// The colour list of the dialog shows the slots in this order: 休日, 有給,
// 午前, 午後, 代休, 欠勤, 半ドン, 土曜, 日曜.
int ColorSlotOfListItem(int item);

// --- what the main window has to redo ---

// Whether the two records mark holidays differently (the law switch and the
// movable holidays; the weekly days off only apply to months built anew).
bool HolidayRulesDiffer(const Settings& a, const Settings& b);

}  // namespace tkv
