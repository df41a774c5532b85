#pragma once

#include <optional>
#include <string_view>

// The six kinds of a paid-leave ledger entry. The kind itself never decides
// the direction of a movement: the sign of the entry's days does.
namespace tkv {

enum class LeaveKind : int {
    PaidLeave = 1,  // "有給", a whole day, -1.0
    Morning = 2,    // "午前", the morning half-day value
    Afternoon = 3,  // "午後", the afternoon half-day value
    Increase = 4,   // "増加", a grant; days as typed
    Decrease = 5,   // "減少", days as typed
    Other = 6,      // "ｿﾉ他", days as typed
};

inline constexpr int LeaveKindCount = 6;

// The name stored in the ledger and its file ("ｿﾉ他" in half-width katakana).
std::string_view LeaveKindName(LeaveKind kind);
// The caption of the kind menu ("その他" for the last kind).
std::string_view LeaveKindCaption(LeaveKind kind);

// The kind whose stored name equals `name` (surrounding blanks ignored).
std::optional<LeaveKind> LeaveKindFromName(std::string_view name);
// The kind of code 1..6.
std::optional<LeaveKind> LeaveKindFromCode(int code);

// The ledger kind a day-kind mark of the month grid produces: "有", "前",
// "後"; nothing for every other mark.
std::optional<LeaveKind> LeaveKindOfMark(std::string_view mark);

// The kind that follows `name` when the user cycles through the kinds: an
// empty name starts at "有給", "ｿﾉ他" wraps to "有給"; a text that names no
// kind gives nothing and is to be left alone.
std::optional<LeaveKind> NextLeaveKind(std::string_view name);

}  // namespace tkv
