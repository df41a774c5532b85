#include "base/registry_store.h"

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/test_folder.h"

namespace tkv {
namespace {

TEST(RegistryStore, ExactValuesAndKeyTree) {
    test::TestFolder dir;
    const std::string path = dir.file("registry.ini");
    {
        IniRegistryStore reg(path);
        reg.writeValue("Software\\Varnholt\\Zangyo\\Setting", "Time11", " 8:00,17:00");
        reg.writeValue("Software\\Varnholt\\Zangyo\\User\\taro\\System", "SimeDay", "20");
        reg.createKey("Software\\Varnholt\\Zangyo\\User\\hanako");
        ASSERT_TRUE(reg.flush().ok());
    }
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    IniRegistryStore reg(path);
    EXPECT_EQ(reg.readValue("software\\varnholt\\zangyo\\setting", "time11"), " 8:00,17:00");
    EXPECT_TRUE(reg.keyExists("Software\\Varnholt\\Zangyo\\User\\taro"));
    EXPECT_TRUE(reg.keyExists("Software\\Varnholt\\Zangyo\\User\\hanako"));
    EXPECT_FALSE(reg.keyExists("Software\\Varnholt\\Zangyo\\User\\tar"));
    reg.deleteKey("Software\\Varnholt\\Zangyo\\User");
    EXPECT_FALSE(reg.keyExists("Software\\Varnholt\\Zangyo\\User\\taro"));
    EXPECT_TRUE(reg.keyExists("Software\\Varnholt\\Zangyo\\Setting"));
}

// The file is parsed when the store is made and again only when it changed
// on disk or unflushed changes have to be dropped.
TEST(RegistryStore, ReloadReadsOnlyAChangedFile) {
    test::TestFolder dir;
    const std::string path = dir.file("registry.ini");
    IniRegistryStore reg(path);
    EXPECT_TRUE(reg.loadResult().ok());  // a missing file is an empty registry
    reg.writeValue("K", "a", "1");
    ASSERT_TRUE(reg.flush().ok());
    ASSERT_TRUE(reg.reload().ok());
    EXPECT_EQ(reg.parseCount(), 1);
    EXPECT_EQ(reg.readValue("K", "a"), "1");

    reg.writeValue("K", "a", "unflushed");
    ASSERT_TRUE(reg.reload().ok());
    EXPECT_EQ(reg.parseCount(), 2);
    EXPECT_EQ(reg.readValue("K", "a"), "1");

    {
        IniRegistryStore other(path);
        other.writeValue("K", "a", "2");  // the same length: only the file's identity tells
        ASSERT_TRUE(other.flush().ok());
    }
    ASSERT_TRUE(reg.reload().ok());
    EXPECT_EQ(reg.parseCount(), 3);
    EXPECT_EQ(reg.readValue("K", "a"), "2");
    ASSERT_TRUE(reg.reload().ok());
    EXPECT_EQ(reg.parseCount(), 3);

    // A file that cannot be read is tried again at every reload.
    const std::string blocked = dir.file("blocked.ini");
    std::filesystem::create_directory(blocked);
    IniRegistryStore unreadable(blocked);
    EXPECT_EQ(unreadable.loadResult().error, IoError::ReadFailed);
    EXPECT_EQ(unreadable.reload().error, IoError::ReadFailed);
    EXPECT_EQ(unreadable.parseCount(), 2);
}

}  // namespace
}  // namespace tkv
