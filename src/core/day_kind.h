#pragma once

#include <optional>
#include <string_view>

// The eight kinds of a day. Inside the program a day kind is this enum; the
// grid and the files carry its short text ("有"), lists and the ledger its
// long name ("有給").
namespace tkv {

enum class DayKind : int {
    Ordinary = 0,        // "  " ordinary working day
    Holiday = 1,         // "○" company or national holiday
    PaidLeave = 2,       // "有" paid leave, whole day
    MorningLeave = 3,    // "前" paid leave in the morning
    AfternoonLeave = 4,  // "後" paid leave in the afternoon
    Compensatory = 5,    // "代" compensatory day off
    Absence = 6,         // "欠" absence
    ShortDay = 7,        // "半" short working day
};

inline constexpr int DayKindCount = 8;

// Grid text of a kind; the ordinary day is two blanks.
std::string_view DayKindText(DayKind kind);

// Long name of a kind ("休日", "有給", ...); empty for the ordinary day.
std::string_view DayKindLongName(DayKind kind);

// The kind whose grid text equals `text` once both are trimmed. Anything else,
// an unknown mark included, is the ordinary day.
DayKind DayKindFromText(std::string_view text);

// The kind named by a long name or by the grid text of a non-ordinary kind
// (surrounding blanks ignored); nothing for any other text.
std::optional<DayKind> DayKindFromName(std::string_view name);

// The kind of code 0..7; nothing for other codes.
std::optional<DayKind> DayKindFromCode(int code);

}  // namespace tkv
