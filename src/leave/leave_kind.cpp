#include "leave/leave_kind.h"

#include <array>
#include <string>

#include "base/text_util.h"

namespace tkv {
namespace {

struct KindTexts {
    std::string_view name;
    std::string_view caption;
    std::string_view mark;  // day-kind mark of the month grid, if any
};

constexpr std::array<KindTexts, LeaveKindCount> kKinds{{
    {"有給", "有給", "有"},
    {"午前", "午前", "前"},
    {"午後", "午後", "後"},
    {"増加", "増加", ""},
    {"減少", "減少", ""},
    {"ｿﾉ他", "その他", ""},
}};

const KindTexts& textsOf(LeaveKind kind) {
    const int code = static_cast<int>(kind);
    return kKinds[static_cast<std::size_t>(code >= 1 && code <= LeaveKindCount ? code - 1 : 0)];
}

}  // namespace

std::string_view LeaveKindName(LeaveKind kind) {
    return textsOf(kind).name;
}

std::string_view LeaveKindCaption(LeaveKind kind) {
    return textsOf(kind).caption;
}

std::optional<LeaveKind> LeaveKindFromCode(int code) {
    if (code < 1 || code > LeaveKindCount)
        return std::nullopt;
    return static_cast<LeaveKind>(code);
}

std::optional<LeaveKind> LeaveKindFromName(std::string_view name) {
    const std::string trimmed = Trim(name);
    for (int code = 1; code <= LeaveKindCount; ++code)
        if (kKinds[static_cast<std::size_t>(code - 1)].name == trimmed)
            return static_cast<LeaveKind>(code);
    return std::nullopt;
}

std::optional<LeaveKind> LeaveKindOfMark(std::string_view mark) {
    const std::string trimmed = Trim(mark);
    if (trimmed.empty())
        return std::nullopt;
    for (int code = 1; code <= LeaveKindCount; ++code)
        if (kKinds[static_cast<std::size_t>(code - 1)].mark == trimmed)
            return static_cast<LeaveKind>(code);
    return std::nullopt;
}

std::optional<LeaveKind> NextLeaveKind(std::string_view name) {
    if (Trim(name).empty())
        return LeaveKind::PaidLeave;
    const auto kind = LeaveKindFromName(name);
    if (!kind)
        return std::nullopt;
    return static_cast<LeaveKind>(static_cast<int>(*kind) % LeaveKindCount + 1);
}

}  // namespace tkv
