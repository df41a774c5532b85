#include "core/user_list.h"

#include <algorithm>
#include <filesystem>

#include "base/paths.h"
#include "base/registry_store.h"
#include "base/text_util.h"

namespace tkv {

std::vector<std::string> DataFolderEntries(const std::string& dataDir) {
    std::vector<std::string> names;
    std::error_code ec;
    std::filesystem::directory_iterator it(dataDir, ec), end;
    for (; !ec && it != end; it.increment(ec)) names.push_back(it->path().filename().string());
    return names;
}

std::vector<std::string> MenuUsers(const std::vector<std::string>& entries,
                                   const RegistryStore& registry) {
    std::vector<std::string> users;
    for (const std::string& name : entries) {
        // A name that cannot be a folder and a key of its own ("..", "a/b")
        // could never be opened.
        if (IsValidUserName(name) && registry.keyExists(UserRegKey(name)))
            users.push_back(name);
    }
    std::sort(users.begin(), users.end(), [](const std::string& a, const std::string& b) {
        const std::string ua = UpperAscii(a), ub = UpperAscii(b);
        return ua != ub ? ua < ub : a < b;
    });
    return users;
}

std::string UserMenuCaption(int item, std::string_view name) {
    if (item == 0)
        return "&0 (ｶﾚﾝﾄ)";
    // An "&" in a name is shown as it is, not taken as the item's access key.
    const std::string shown = ReplaceAll(name, "&", "&&");
    if (item >= 1 && item <= 9)
        return "&" + std::to_string(item) + " " + shown;
    if (item >= 10 && item <= 35)
        return std::string("&") + static_cast<char>('A' + item - 10) + " " + shown;
    return shown;
}

}  // namespace tkv
