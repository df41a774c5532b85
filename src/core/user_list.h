#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tkv {

class RegistryStore;

// The names in the data folder, files and folders alike, in no set order.
// A folder that cannot be read has none.
std::vector<std::string> DataFolderEntries(const std::string& dataDir);

// The users of the menu "切り替え(&C)": the entries whose user key exists
// (the key decides, not the folder), sorted without regard to letter case.
std::vector<std::string> MenuUsers(const std::vector<std::string>& entries,
                                   const RegistryStore& registry);

// The caption of menu item `item`: item 0 is the shared data "&0 (ｶﾚﾝﾄ)",
// items 1..35 carry "&1".."&9", "&A".."&Z" before the name, later items the
// name alone. An "&" of the name is doubled, so it shows as itself.
std::string UserMenuCaption(int item, std::string_view name);

}  // namespace tkv
