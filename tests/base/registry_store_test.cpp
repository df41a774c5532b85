#include "base/registry_store.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/param_names.h"
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

struct DamageCase {
    const char* name;
    std::string bytes;
    bool damaged;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class RegistryDamage : public ::testing::TestWithParam<DamageCase> {};

// A damaged file is reported and never written over, whatever is changed.
TEST_P(RegistryDamage, IsReportedAndNeverWrittenOver) {
    test::TestFolder dir;
    const std::string path = dir.file("registry.ini");
    ASSERT_TRUE(WriteFileAtomically(path, GetParam().bytes).ok());
    IniRegistryStore store(path);
    EXPECT_EQ(store.loadResult().error, GetParam().damaged ? IoError::Damaged : IoError::None);
    store.writeValue("S", "B", "2");
    const IoResult flushed = store.flush();
    std::string now;
    ASSERT_TRUE(ReadWholeFile(path, now).ok());
    if (GetParam().damaged) {
        EXPECT_EQ(flushed.error, IoError::Damaged);
        EXPECT_EQ(now, GetParam().bytes);
    } else {
        EXPECT_TRUE(flushed.ok());
        EXPECT_NE(now.find("B=2"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryDamage,
    ::testing::Values(DamageCase{"Sound", "[S]\r\nA=1\r\n; note\r\n\r\n[T]\r\n", false},
                      DamageCase{"Empty", "", false},
                      DamageCase{"NulByte", std::string("[S]\r\nA=\0\r\n", 9), true},
                      DamageCase{"LineOutsideSections", "junk\r\n[S]\r\nA=1\r\n", true},
                      DamageCase{"LineWithoutEquals", "[S]\r\nA 1\r\n", true},
                      DamageCase{"CutHeader", "[S]\r\nA=1\r\n[Soft", true}),
    test::ByName());

TEST(RegistryStore, UnreadableFileIsNeverWrittenOver) {
    test::TestFolder dir;
    const std::string path = dir.file("registry.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "[S]\r\nA=1\r\n").ok());
    InjectFileFault({FileStep::Read, 1, EACCES});
    IniRegistryStore store(path);
    EXPECT_EQ(store.loadResult().error, IoError::ReadFailed);
    store.writeValue("S", "A", "2");
    EXPECT_EQ(store.flush().error, IoError::ReadFailed);
    std::string now;
    ASSERT_TRUE(ReadWholeFile(path, now).ok());
    EXPECT_EQ(now, "[S]\r\nA=1\r\n");
}

}  // namespace
}  // namespace tkv
