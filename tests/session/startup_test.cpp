#include "session/startup.h"

#include <filesystem>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/paths.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "session/month_session.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace tkv {
namespace {

unsigned modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 0777;
}

FolderInputs inputsUnder(const test::TestFolder& dir) {
    FolderInputs in;
    in.dataDirOverride = dir.file("data/deep");
    in.configDirOverride = dir.file("config");
    in.home = dir.path();
    return in;
}

TEST(PrepareFolders, CreatesDataConfigAndUserFolders) {
    test::TestFolder dir;
    const RunFolders run = PrepareFolders(inputsUnder(dir), "taro");
    ASSERT_TRUE(run.io.ok());
    EXPECT_EQ(run.dataDir, dir.file("data/deep"));
    EXPECT_EQ(run.configDir, dir.file("config"));
    for (const char* folder : {"data/deep", "config", "data/deep/taro"}) {
        EXPECT_TRUE(DirectoryExists(dir.file(folder))) << folder;
        EXPECT_EQ(modeOf(dir.file(folder)), 0700u) << folder;
    }
    EXPECT_TRUE(PrepareFolders(inputsUnder(dir), "").io.ok());  // all there already
}

TEST(PrepareFolders, ReportsTheFolderThatCannotBeMade) {
    test::TestFolder dir;
    ASSERT_TRUE(WriteFileAtomically(dir.file("config"), "a file, not a folder").ok());
    const RunFolders run = PrepareFolders(inputsUnder(dir), "taro");
    EXPECT_EQ(run.io.error, IoError::WriteFailed);
    EXPECT_EQ(run.io.path, dir.file("config"));
    EXPECT_FALSE(DirectoryExists(dir.file("data/deep/taro")));
}

// The users menu makes the folder of the user it switches to.
TEST(PrepareUserFolder, MakesTheUsersFolder) {
    test::TestFolder dir;
    ASSERT_TRUE(PrepareUserFolder({dir.file("data"), "hanako"}).ok());
    EXPECT_TRUE(DirectoryExists(dir.file("data/hanako")));
    EXPECT_EQ(modeOf(dir.file("data/hanako")), 0700u);
    ASSERT_TRUE(WriteFileAtomically(dir.file("data/jiro"), "a file, not a folder").ok());
    EXPECT_EQ(PrepareUserFolder({dir.file("data"), "jiro"}).error, IoError::WriteFailed);
    EXPECT_EQ(RegistryFile(dir.path()), dir.file("registry.ini"));
}

// One run reads registry.ini once, however often its settings are loaded.
TEST(OpenRegistry, ParsedOncePerRun) {
    test::TestFolder dir;
    {
        auto first = OpenRegistry(dir.path());
        first->writeValue(UserRegKey("") + "\\System", "SimeDay", "20");
        ASSERT_TRUE(first->flush().ok());
    }
    auto registry = OpenRegistry(dir.path());
    ASSERT_TRUE(registry->loadResult().ok());
    SettingsStore store(*registry, dir.path(), dir.path(), "");
    Settings s;
    ASSERT_TRUE(store.LoadSettings(s).registry.ok());
    ASSERT_TRUE(store.LoadSettings(s).registry.ok());
    EXPECT_EQ(s.SimeDay, 20);
    EXPECT_EQ(registry->parseCount(), 1);
}

}  // namespace
}  // namespace tkv
