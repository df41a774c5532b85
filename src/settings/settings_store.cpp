#include "settings/settings_store.h"

#include <algorithm>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/paths.h"
#include "base/registry_store.h"
#include "base/text_util.h"
#include "settings/settings_schema.h"

namespace tkv {

std::string ReverseText(std::string_view bytes) {
    return std::string(bytes.rbegin(), bytes.rend());
}

std::string SetFileEncode(std::string_view bytes) {
    const std::size_t n = bytes.size();
    std::string out(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        const auto hi = static_cast<unsigned char>(bytes[n - 1 - i]) & 0x0F;
        const auto lo = static_cast<unsigned char>(bytes[i]) & 0x0F;
        out[i] = static_cast<char>(16 * hi + lo);
    }
    return out;
}

std::string BuildSetFile(const Settings& s) {
    std::string out;
    auto line = [&out](const std::string& bytes) {
        out += bytes;
        out += "\r\n";
    };
    line(SetFileEncode(ReverseText(cp932::fromUtf8(s.Pass))));
    line(SetFileEncode(std::to_string(s.SimeDay)));
    line(SetFileEncode(s.FlexTime ? "1" : "0"));
#define TKV_SET_FILE_AMOUNT(member, name, firstRun) \
    line(SetFileEncode(std::to_string(s.pay.member)));
    TKV_PAY_SETTINGS(TKV_SET_FILE_AMOUNT)
#undef TKV_SET_FILE_AMOUNT
    auto pair = [&line](const TimeText& first, const TimeText& second) {
        line(SetFileEncode(cp932::fromUtf8(first.text())) +
             SetFileEncode(cp932::fromUtf8(second.text())));
    };
#define TKV_SET_FILE_PAIR(name, first, second) pair(s.times.first, s.times.second);
#define TKV_SET_FILE_ELEMENT(array, index, name) \
    pair(s.times.array[index].first, s.times.array[index].second);
#define TKV_SKIP(...)
    TKV_TIME_SETTINGS(TKV_SET_FILE_PAIR, TKV_SKIP, TKV_SET_FILE_ELEMENT)
#undef TKV_SET_FILE_PAIR
#undef TKV_SET_FILE_ELEMENT
#undef TKV_SKIP
    return out;
}

namespace {

constexpr std::string_view kSystem = "System";
constexpr std::string_view kSetting = "Setting";

std::string sub(const std::string& key, std::string_view section) {
    return key + "\\" + std::string(section);
}

std::string_view sectionName(SettingSection s) {
    return s == SettingSection::System ? kSystem : kSetting;
}

// Legacy unit index (0..4) to the index of the seven-entry table.
int legacyUnit(int old) {
    static constexpr int map[5] = {0, 4, 2, 5, 3};
    return old >= 0 && old < 5 ? map[old] : 0;
}

}  // namespace

void RepairSettings(Settings& s) {
    TimeSettings& t = s.times;
    if (t.lateNightEnd.minutes() == 0)
        t.lateNightEnd = " 5:00";
    if (s.StartTime2 == -1)
        s.StartTime2 = legacyUnit(s.StartTime);
    if (s.EndTime2 == -1)
        s.EndTime2 = legacyUnit(s.EndTime);
    if (s.ZangyoTime2 == -1)
        s.ZangyoTime2 = legacyUnit(s.ZangyoTime);
    if (Trim(t.minimumOvertime.text()).empty())
        t.minimumOvertime = " 0:00";
    s.SatHandon = false;
    if (t.shortDayStart.text().empty()) {
        t.shortDayStart = t.standardStart;
        t.shortDayEnd = "12:00";
        t.shortDayWork = " 4:00";
    }
}

SettingsStore::SettingsStore(RegistryStore& registry, std::string dataDir, std::string currentDir,
                             std::string startUser)
    : m_registry(registry),
      m_dataDir(std::move(dataDir)),
      m_currentDir(std::move(currentDir)),
      m_startUser(startUser),
      m_currentUser(std::move(startUser)) {}

std::string SettingsStore::userKey() const {
    return UserRegKey(m_currentUser);
}

std::string SettingsStore::setFilePath() const {
    return UserFilePath(m_currentUser, JoinPath(m_dataDir, "tokivane.SET"));
}

SettingsLoadResult SettingsStore::LoadSettings(Settings& s) {
    SettingsLoadResult result;
    result.registry = m_registry.reload();
    // A store that could not be read is never filled with first-run values:
    // that would write them over the person's settings.
    if (!result.registry.ok())
        return result;

    const std::string key = userKey();
    const std::string sys = sub(key, kSystem);
    const std::string set = sub(key, kSetting);
    m_registry.createKey(key);
    bool wrote = false;
    auto put = [&](const std::string& k, std::string_view name, std::string_view text) {
        m_registry.writeValue(k, name, cp932::fromUtf8(text));
        wrote = true;
    };
    auto raw = [&](const std::string& k, std::string_view name) {
        return m_registry.readValue(k, name);
    };

    const auto simeDay = raw(sys, "SimeDay");
    if (ReadSettingInt(simeDay ? cp932::toUtf8(*simeDay) : "", -1) == -1) {
        result.firstRun = true;
        put(sys, "Pass", "");
        put(sys, "SimeDay", "31");
        m_registry.deleteKey(sub(key, "Position"));
#define TKV_ZERO_AMOUNT(member, name, firstRun) put(set, #name, "0");
#define TKV_FIRST_RUN_AMOUNT(member, name, firstRun) put(set, #name, #firstRun);
        TKV_PAY_SETTINGS(TKV_ZERO_AMOUNT)
        TKV_PAY_SETTINGS(TKV_FIRST_RUN_AMOUNT)
#undef TKV_ZERO_AMOUNT
#undef TKV_FIRST_RUN_AMOUNT
#define TKV_EMPTY_PAIR(name, ...) put(set, #name, ",");
#define TKV_EMPTY_ELEMENT(array, index, name) put(set, #name, ",");
#define TKV_SKIP(...)
        TKV_TIME_SETTINGS(TKV_EMPTY_PAIR, TKV_SKIP, TKV_EMPTY_ELEMENT)
#undef TKV_EMPTY_PAIR
#undef TKV_EMPTY_ELEMENT
#undef TKV_SKIP
        put(set, "Time01", "12:00,13:00");
        put(set, "Time11", " 8:00,17:00");
        put(set, "Time12", "22:00,");
        put(sys, "SyukeiMonth", "1");
        put(sys, "FlexTime", "0");
        put(set, "Time13", " 8:00, 0:00");
        put(set, "Time14", " 4:00,");
        put(set, "Time15", " 4:00,");
        put(sys, "MokuhyoTime", "0");
        put(set, "Time16", "20:00,");
    }

    // Older keys may lack these; Time17 then gets the classic deduction.
    static constexpr std::pair<std::string_view, std::string_view> kTimeRepairs[] = {
        {"Time13", " 8:00, 0:00"},
        {"Time14", " 4:00,"},
        {"Time15", " 4:00,"},
        {"Time16", "20:00,"},
        {"Time17", "-8:00,"}};
    for (const auto& [name, text] : kTimeRepairs) {
        const auto v = raw(set, name);
        if (!v || v->empty())
            put(set, name, text);
    }

    Settings defaults;
    defaults.SaveInitialDir =
        m_currentUser.empty() ? m_currentDir : JoinPath(m_currentDir, m_currentUser);
    m_stored.clear();
    for (const SettingField& f : SettingsSchema()) {
        const std::string& k = f.section == SettingSection::System ? sys : set;
        const auto v = raw(k, f.name);
        m_stored[k + '\n' + f.name] = v;
        if (f.type == SettingType::Password) {
            f.assign(s, v ? cp932::toUtf8(ReverseText(*v)) : "", defaults);
        } else if (v) {
            f.assign(s, cp932::toUtf8(*v), defaults);
        } else {
            f.assign(s, f.text(defaults), defaults);
        }
    }
    result.halfDays = HalfDayValuesOf(s);

    RepairSettings(s);
    const TimeSettings& t = s.times;
    for (std::size_t i = 0; i < t.frequentTimes.size(); ++i) {
        s.UseTime[2 * i] = t.frequentTimes[i].first.text();
        s.UseTime[2 * i + 1] = t.frequentTimes[i].second.text();
    }

    if (result.firstRun) {
        const SettingsSaveResult saved = SaveSettings(s);
        result.registry = saved.registry;
        result.setFile = saved.setFile;
    } else if (wrote && result.registry.ok()) {
        result.registry = m_registry.flush();
    }
    if (m_currentUser == m_startUser)
        m_copies = StartUserCopiesOf(s);
    return result;
}

SettingsSaveResult SettingsStore::SaveSettings(Settings& s) {
    for (std::size_t i = 0; i < s.times.frequentTimes.size(); ++i)
        s.times.frequentTimes[i] = {s.UseTime[2 * i], s.UseTime[2 * i + 1]};

    SettingsSaveResult result;
    const std::string key = userKey();
    m_registry.createKey(key);
    std::vector<const SettingField*> unchanged;
    for (const SettingField& f : SettingsSchema()) {
        // These two belong to their windows, which write them themselves.
        if (f.name == "MokuhyoBasShow" || f.name == "SyukeiMonth")
            continue;
        const std::string k = sub(key, sectionName(f.section));
        std::string bytes = cp932::fromUtf8(f.text(s));
        if (f.type == SettingType::Password)
            bytes = ReverseText(bytes);
        // Only what this program changed since its load: a value another
        // program stored meanwhile is not put back to this record's old one.
        const auto loaded = m_stored.find(k + '\n' + f.name);
        if (loaded != m_stored.end() && loaded->second == bytes) {
            unchanged.push_back(&f);
            continue;
        }
        m_registry.writeValue(k, f.name, bytes);
        m_stored[k + '\n' + f.name] = bytes;
    }
    // The registry and the .SET file are written as one: neither is renamed
    // before both are ready.
    const std::string setPath = setFilePath();
    if (const std::size_t slash = setPath.rfind('/'); slash != std::string::npos) {
        if (const IoResult dir = MakeDirectories(setPath.substr(0, slash)); !dir.ok()) {
            result.setFile = dir;
            return result;
        }
    }
    const IoResult written = m_registry.flushWith([&] {
        // The record takes up what the other programs stored, so that the
        // .SET file and the windows follow the registry.
        const Settings fallback = s;
        for (const SettingField* f : unchanged) {
            const std::string k = sub(key, sectionName(f->section));
            const auto v = m_registry.readValue(k, f->name);
            std::optional<std::string>& seen = m_stored[k + '\n' + f->name];
            if (!v || *v == seen)
                continue;
            f->assign(s, cp932::toUtf8(f->type == SettingType::Password ? ReverseText(*v) : *v),
                      fallback);
            seen = v;
        }
        return RegistryStore::CompanionFile{setPath, BuildSetFile(s)};
    });
    (written.path == setPath ? result.setFile : result.registry) = written;
    if (m_currentUser == m_startUser)
        m_copies = StartUserCopiesOf(s);
    return result;
}

}  // namespace tkv
