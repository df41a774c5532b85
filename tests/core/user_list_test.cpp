#include "core/user_list.h"

#include <fstream>

#include <gtest/gtest.h>

#include "base/paths.h"
#include "base/registry_store.h"
#include "base/test_folder.h"

namespace tkv {
namespace {

void AddUserKey(RegistryStore& registry, const std::string& user) {
    registry.writeValue(UserRegKey(user) + "\\System", "SimeDay", "31");
}

// The folders taro and hanako with keys, a folder without a key, a key
// without a folder, and a file that has a key.
TEST(UserList, TheKeyDecidesAndLetterCaseDoesNotSort) {
    test::TestFolder folder;
    for (const char* dir : {"taro", "hanako", "old"})
        std::filesystem::create_directory(folder.file(dir));
    std::ofstream(folder.file("Zed")) << "a file";
    std::ofstream(folder.file("202505.dat")) << "";
    IniRegistryStore registry;
    for (const char* user : {"taro", "hanako", "ghost", "Zed"}) AddUserKey(registry, user);

    const std::vector<std::string> users = MenuUsers(DataFolderEntries(folder.path()), registry);
    EXPECT_EQ(users, (std::vector<std::string>{"hanako", "taro", "Zed"}));
}

TEST(UserList, NamesThatCannotBeUsersAreLeftOut) {
    IniRegistryStore registry;
    registry.writeValue("Software\\Varnholt\\Zangyo\\User\\..\\System", "SimeDay", "31");
    EXPECT_TRUE(MenuUsers({".", "..", ""}, registry).empty());
    EXPECT_TRUE(DataFolderEntries("/nonexistent/folder").empty());
}

TEST(UserList, Captions) {
    EXPECT_EQ(UserMenuCaption(0, ""), "&0 (ｶﾚﾝﾄ)");
    EXPECT_EQ(UserMenuCaption(1, "hanako"), "&1 hanako");
    EXPECT_EQ(UserMenuCaption(9, "i"), "&9 i");
    EXPECT_EQ(UserMenuCaption(10, "j"), "&A j");
    EXPECT_EQ(UserMenuCaption(35, "z"), "&Z z");
    EXPECT_EQ(UserMenuCaption(36, "&1 x"), "&&1 x");
    EXPECT_EQ(UserMenuCaption(2, "R&D"), "&2 R&&D");
}

}  // namespace
}  // namespace tkv
