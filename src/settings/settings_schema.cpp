#include "settings/settings_schema.h"

#include <type_traits>
#include <utility>

#include "base/text_util.h"

namespace tkv {

int ReadSettingInt(std::string_view stored, int fallback) {
    return StrToIntDef(stored, fallback);
}

bool ReadSettingBool(std::string_view stored, bool fallback) {
    return StrToIntDef(stored, fallback ? 1 : 0) != 0;
}

std::string NumberedName(std::string_view prefix, int n, int digits) {
    return std::string(prefix) + IntToStrPad(n, digits, '0');
}

namespace {

// How a member of each type becomes its stored text and is read back.
// `fallback` is the member's value in the record of defaults.
template <typename T>
struct Codec;

template <>
struct Codec<bool> {
    static constexpr SettingType type = SettingType::Bool;
    static std::string text(bool v) { return v ? "1" : "0"; }
    static void read(bool& v, std::string_view t, bool fallback) {
        v = ReadSettingBool(t, fallback);
    }
};

template <>
struct Codec<int> {
    static constexpr SettingType type = SettingType::Int;
    static std::string text(int v) { return std::to_string(v); }
    static void read(int& v, std::string_view t, int fallback) { v = ReadSettingInt(t, fallback); }
};

// Choices are stored as their codes; any integer is kept.
template <typename E>
requires std::is_enum_v<E>
struct Codec<E> {
    static constexpr SettingType type = SettingType::Int;
    static std::string text(E v) { return std::to_string(static_cast<int>(v)); }
    static void read(E& v, std::string_view t, E fallback) {
        v = static_cast<E>(ReadSettingInt(t, static_cast<int>(fallback)));
    }
};

template <>
struct Codec<std::string> {
    static constexpr SettingType type = SettingType::Text;
    static std::string text(const std::string& v) { return v; }
    static void read(std::string& v, std::string_view t, const std::string&) { v = t; }
};

template <>
struct Codec<DecimalText> {
    static constexpr SettingType type = SettingType::Text;
    static std::string text(const DecimalText& v) { return v.text(); }
    static void read(DecimalText& v, std::string_view t, const DecimalText&) { v = std::string(t); }
};

template <>
struct Codec<TimeText> {
    static constexpr SettingType type = SettingType::Text;
    static std::string text(const TimeText& v) { return v.text(); }
    static void read(TimeText& v, std::string_view t, const TimeText&) { v = std::string(t); }
};

template <>
struct Codec<TimePair> {
    static constexpr SettingType type = SettingType::TimePair;
    static std::string text(const TimePair& v) { return v.text(); }
    static void read(TimePair& v, std::string_view t, const TimePair&) {
        v = TimePair::FromText(t);
    }
};

// `member` returns the member of a record, const or not.
template <typename Member>
SettingField makeField(std::string name, SettingSection section, Member member,
                       bool password = false) {
    using T = std::remove_cvref_t<decltype(member(std::declval<Settings&>()))>;
    return {std::move(name), section, password ? SettingType::Password : Codec<T>::type,
            [member](const Settings& s) { return Codec<T>::text(member(s)); },
            [member](Settings& s, std::string_view t, const Settings& d) {
                Codec<T>::read(member(s), t, member(d));
            }};
}

// A Time value with two named halves is read and written as one pair.
struct NamedHalves {
    TimeText TimeSettings::*first;
    TimeText TimeSettings::*second;
};

SettingField timeField(std::string name, NamedHalves h) {
    return {std::move(name), SettingSection::Setting, SettingType::TimePair,
            [h](const Settings& s) {
                return TimePair{s.times.*h.first, s.times.*h.second}.text();
            },
            [h](Settings& s, std::string_view t, const Settings&) {
                TimePair p = TimePair::FromText(t);
                s.times.*h.first = std::move(p.first);
                s.times.*h.second = std::move(p.second);
            }};
}

std::vector<SettingField> buildSchema() {
    std::vector<SettingField> f;
    constexpr SettingSection System = SettingSection::System;
    constexpr SettingSection Setting = SettingSection::Setting;
#define TKV_MEMBER(path)   \
    [](auto& s) -> auto& { \
        return s.path;     \
    }
#define TKV_SYSTEM_VALUE(type, name, ...) f.push_back(makeField(#name, System, TKV_MEMBER(name)));
#define TKV_SYSTEM_PASSWORD(name) f.push_back(makeField(#name, System, TKV_MEMBER(name), true));
#define TKV_SYSTEM_ELEMENT(array, index, name) \
    f.push_back(makeField(#name, System, TKV_MEMBER(array[index])));
#define TKV_SETTING_ELEMENT(array, index, name) \
    f.push_back(makeField(#name, Setting, TKV_MEMBER(array[index])));
#define TKV_PAY_VALUE(member, name, firstRun) \
    f.push_back(makeField(#name, Setting, TKV_MEMBER(pay.member)));
#define TKV_TIME_PAIR(name, first, second) \
    f.push_back(timeField(#name, {&TimeSettings::first, &TimeSettings::second}));
#define TKV_TIME_ELEMENT(array, index, name) \
    f.push_back(makeField(#name, Setting, TKV_MEMBER(times.array[index])));
#define TKV_SKIP(...)
    TKV_SYSTEM_SETTINGS(TKV_SYSTEM_VALUE, TKV_SYSTEM_PASSWORD, TKV_SKIP, TKV_SYSTEM_ELEMENT)
    TKV_PAY_SETTINGS(TKV_PAY_VALUE)
    TKV_TIME_SETTINGS(TKV_TIME_PAIR, TKV_SKIP, TKV_TIME_ELEMENT)
    TKV_MEMO_SETTINGS(TKV_SKIP, TKV_SETTING_ELEMENT)
#undef TKV_MEMBER
#undef TKV_SYSTEM_VALUE
#undef TKV_SYSTEM_PASSWORD
#undef TKV_SYSTEM_ELEMENT
#undef TKV_SETTING_ELEMENT
#undef TKV_PAY_VALUE
#undef TKV_TIME_PAIR
#undef TKV_TIME_ELEMENT
#undef TKV_SKIP
    return f;
}

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

}  // namespace

const std::vector<SettingField>& SettingsSchema() {
    static const std::vector<SettingField> schema = [] {
        std::vector<SettingField> fields = buildSchema();
        struct Description {
            const char* name;
            const char* text;
        };
#define TKV_DESCRIPTION(name, text) {#name, text},
        static constexpr Description descriptions[] = {TKV_SETTING_DESCRIPTIONS(TKV_DESCRIPTION)};
#undef TKV_DESCRIPTION
        for (SettingField& f : fields) {
            for (const Description& d : descriptions)
                if (f.name == d.name)
                    f.description = d.text;
        }
        return fields;
    }();
    return schema;
}

const SettingField* FindSetting(std::string_view name) {
    const std::string wanted = upper(name);
    for (const SettingField& f : SettingsSchema())
        if (upper(f.name) == wanted)
            return &f;
    return nullptr;
}

}  // namespace tkv
