#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

namespace tkv {

enum class SettingSection { System, Setting };
enum class SettingType { Bool, Int, Text, Password, TimePair };

// One value of the registry schema: its name, where it lives, and how the
// record turns into its stored text and back.
struct SettingField {
    std::string name;
    SettingSection section;
    SettingType type;
    // The text the record stores for this value (UTF-8; passwords in plain form).
    std::function<std::string(const Settings&)> text;
    // Reads the stored text into the record; unreadable numbers take `fallback`'s value.
    std::function<void(Settings&, std::string_view stored, const Settings& fallback)> assign;
    // What the value means, in Japanese, for people outside the dialog.
    std::string description = {};
};

// Every value in schema order: the System table, then Kin01..Kin12,
// Time01..Time22, UseMemo01..UseMemo10.
const std::vector<SettingField>& SettingsSchema();

// Case-insensitive lookup by value name; nullptr when unknown.
const SettingField* FindSetting(std::string_view name);

// Integer and boolean readings of a stored text.
int ReadSettingInt(std::string_view stored, int fallback);
bool ReadSettingBool(std::string_view stored, bool fallback);

// "Kin" + two digits, etc.
std::string NumberedName(std::string_view prefix, int n, int digits);

}  // namespace tkv
