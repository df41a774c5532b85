#pragma once

#include <array>
#include <string>
#include <string_view>

// The helper routines every part of the program shares for times, day counts,
// amounts and fixed-width text. Nothing here raises on bad input: unreadable
// text takes the documented fallback.
namespace tkv {

// Rounding units for arrival, leaving and overtime, indexed 0..6.
inline constexpr std::array<int, 7> UnitMinutesTable{5, 6, 10, 15, 20, 30, 60};

// Rounding methods, stored as 0..3. A stored code outside that range rounds
// nothing, like None.
enum class RoundMethod : int { None = 0, Down = 1, Nearest = 2, Up = 3 };

// Minutes of the rounding unit at `index`; an index out of range is clamped.
int UnitMinutes(int index);

// Strips leading and trailing blanks and control characters.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
// The same as views into `text`, for parsers that only look.
std::string_view TrimView(std::string_view text);
std::string_view TrimRightView(std::string_view text);

// Control characters (U+0000-U+001F and U+007F) would end or split a line
// of the program's line-based files. The same bytes mean the same in UTF-8 and
// in CP932 (neither uses them inside a multi-byte character), so both
// functions work on either encoding.
bool HasControlChar(std::string_view text);
// Each control character becomes one blank: text read from a file is cleaned
// where it enters, and a line written can never be split by its value.
std::string BlankControlChars(std::string_view text);
void BlankControlCharsInPlace(std::string& text);

// ASCII a-z as A-Z; every other byte as it is (UTF-8 safe: those bytes never
// occur inside a multi-byte character).
std::string UpperAscii(std::string_view text);

// Full-width forms of digits, letters and common signs become their ASCII
// forms, and lower-case letters become upper case.
std::string ToHankaku(std::string_view text);

int StrToIntDef(std::string_view text, int fallback);
long long StrToInt64Def(std::string_view text, long long fallback);

std::string IntToStrPad(long long value, int width, char pad = ' ');

int StrToMinutes(std::string_view text);
std::string MinutesToStr(int minutes, int hourWidth, bool showZero);
std::string AdjustTimeStr(std::string_view text, RoundMethod method, int unitMinutes);
// The rounding of AdjustTimeStr on minutes: the minutes past the hour move to
// a multiple of the unit; down and up keep their meaning on negative values.
int RoundMinutes(int minutes, RoundMethod method, int unitMinutes);

// Half away from zero.
long long RoundOff(double value);

std::string FloatToStrDec(int width, int decimals, double value);
double StrToFloatDec(std::string_view text, int decimals, double fallback);

std::string DayCountStr(std::string_view text, bool oneDecimal);
std::string ThousandsStr(std::string_view text);
std::string CommaField(std::string_view text, int n);

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);
std::string StripCommas(std::string_view text);

// Widths below are in Shift-JIS bytes (a full-width character counts 2).
std::string FixedWidth(std::string_view text, int width);
std::string RightAlign(std::string_view text, int width);

int YearClamp(std::string_view text);
int MonthClamp(std::string_view text);
int DaysInMonth(int year, int month);
bool IsLeapYear(int year);

// 8:30 -> "8.50": a time text as decimal hours, for printing. Blank text is
// returned unchanged.
std::string DecimalHourStr(std::string_view text);

}  // namespace tkv
