#include "core/day_kind.h"

#include <array>
#include <string>

#include "base/text_util.h"

namespace tkv {
namespace {

struct KindNames {
    std::string_view text;
    std::string_view longName;
};

constexpr std::array<KindNames, DayKindCount> kNames{{
    {"  ", ""},
    {"○", "休日"},
    {"有", "有給"},
    {"前", "午前"},
    {"後", "午後"},
    {"代", "代休"},
    {"欠", "欠勤"},
    {"半", "半ド"},
}};

const KindNames& namesOf(DayKind kind) {
    const int code = static_cast<int>(kind);
    return kNames[static_cast<std::size_t>(code >= 0 && code < DayKindCount ? code : 0)];
}

}  // namespace

std::string_view DayKindText(DayKind kind) {
    return namesOf(kind).text;
}

std::string_view DayKindLongName(DayKind kind) {
    return namesOf(kind).longName;
}

DayKind DayKindFromText(std::string_view text) {
    const std::string t = Trim(text);
    for (int code = 1; code < DayKindCount; ++code) {
        if (t == kNames[static_cast<std::size_t>(code)].text)
            return static_cast<DayKind>(code);
    }
    return DayKind::Ordinary;
}

std::optional<DayKind> DayKindFromName(std::string_view name) {
    const std::string t = Trim(name);
    if (t.empty())
        return std::nullopt;
    for (int code = 1; code < DayKindCount; ++code) {
        const KindNames& n = kNames[static_cast<std::size_t>(code)];
        if (t == n.text || t == n.longName)
            return static_cast<DayKind>(code);
    }
    return std::nullopt;
}

std::optional<DayKind> DayKindFromCode(int code) {
    if (code < 0 || code >= DayKindCount)
        return std::nullopt;
    return static_cast<DayKind>(code);
}

}  // namespace tkv
