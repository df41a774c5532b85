#include "base/registry_store.h"

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

}  // namespace
}  // namespace tkv
