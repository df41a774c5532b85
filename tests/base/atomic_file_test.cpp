#include "base/atomic_file.h"

#include <cerrno>
#include <filesystem>
#include <ostream>
#include <string>
#include <sys/stat.h>
#include <vector>

#include <gtest/gtest.h>

#include "base/param_names.h"
#include "base/test_folder.h"

namespace tkv {
namespace {

using test::ReadBytes;
using test::ScopedFileFault;
using test::TestFolder;

std::vector<std::string> FilesIn(const TestFolder& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    return names;
}

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

struct FaultCase {
    const char* name;
    FileStep step;
    int err;
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << "step " << static_cast<int>(c.step) << " fails with errno " << c.err;
}

// Every step of a replacement can fail; whichever does, the result says so
// with the step's errno, the old file is there as it was, and no temporary
// file is left beside it.
class AtomicWriteFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(AtomicWriteFaultTest, OldFileSurvivesAndNothingIsLeftBehind) {
    const FaultCase& c = GetParam();
    TestFolder dir;
    const std::string path = dir.file("200403.dat");
    ASSERT_TRUE(WriteFileAtomically(path, "old bytes\r\n", 0600).ok());
    {
        ScopedFileFault fault({c.step, 1, c.err});
        const IoResult r = WriteFileAtomically(path, "new bytes\r\n");
        EXPECT_EQ(r.error, IoError::WriteFailed);
        EXPECT_EQ(r.sysErrno, c.err);
        EXPECT_EQ(r.path, path);
    }
    EXPECT_EQ(ReadBytes(path), "old bytes\r\n");
    EXPECT_EQ(ModeOf(path), 0600u);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"200403.dat"});

    // The fault struck once: the next replacement goes through.
    ASSERT_TRUE(WriteFileAtomically(path, "new bytes\r\n").ok());
    EXPECT_EQ(ReadBytes(path), "new bytes\r\n");
    EXPECT_EQ(ModeOf(path), 0600u);
}

TEST_P(AtomicWriteFaultTest, NewFileIsNotCreated) {
    TestFolder dir;
    ScopedFileFault fault({GetParam().step, 1, GetParam().err});
    EXPECT_FALSE(WriteFileAtomically(dir.file("Vacation.dat"), "bytes").ok());
    EXPECT_TRUE(FilesIn(dir).empty());
}

INSTANTIATE_TEST_SUITE_P(Steps, AtomicWriteFaultTest,
                         ::testing::Values(FaultCase{"CreateDenied", FileStep::Create, EACCES},
                                           FaultCase{"ModeRefused", FileStep::Chmod, EPERM},
                                           FaultCase{"DiskFull", FileStep::Write, ENOSPC},
                                           FaultCase{"WriteError", FileStep::Write, EIO},
                                           FaultCase{"SyncError", FileStep::Sync, EIO},
                                           FaultCase{"CloseError", FileStep::Close, EDQUOT},
                                           FaultCase{"RenameRefused", FileStep::Rename, EROFS}),
                         test::ByName());

TEST(AtomicWrite, FaultStrikesTheNthCallOnly) {
    TestFolder dir;
    const std::string path = dir.file("Holiday.dat");
    ScopedFileFault fault({FileStep::Rename, 2, EIO});
    EXPECT_TRUE(WriteFileAtomically(path, "first").ok());
    const IoResult second = WriteFileAtomically(path, "second");
    EXPECT_EQ(second.error, IoError::WriteFailed);
    EXPECT_EQ(describe(second), path + ": cannot write: Input/output error");
    EXPECT_TRUE(WriteFileAtomically(dir.file("other.dat"), "third").ok());
    EXPECT_EQ(ReadBytes(path), "first");
}

TEST(AtomicWrite, NewFileGetsItsModeAndAnExistingOneKeepsIts) {
    TestFolder dir;
    const std::string path = dir.file("registry.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "a", 0600).ok());
    EXPECT_EQ(ModeOf(path), 0600u);
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "b", 0600).ok());
    EXPECT_EQ(ModeOf(path), 0640u);
    EXPECT_EQ(ReadBytes(path), "b");
}

// A file nobody may write is not replaced, also for root, whom the mode
// would not stop; once writable again it is written as usual.
TEST(AtomicWrite, ReadOnlyFileIsNotReplaced) {
    TestFolder dir;
    const std::string path = dir.file("registry.ini");
    ASSERT_TRUE(WriteFileAtomically(path, "stored", 0600).ok());
    ::chmod(path.c_str(), 0400);
    const IoResult r = WriteFileAtomically(path, "new", 0600);
    EXPECT_EQ(r.error, IoError::WriteFailed);
    EXPECT_EQ(r.sysErrno, EACCES);
    EXPECT_EQ(ReadBytes(path), "stored");
    EXPECT_EQ(ModeOf(path), 0400u);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"registry.ini"});

    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "new", 0600).ok());
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(ModeOf(path), 0640u);
}

// Leave memos must not become readable by other users of a shared folder.
TEST(AtomicWrite, FilesAre0600AndFoldersAre0700UnderUmaskZero) {
    test::TestFolder dir;
    const mode_t old = ::umask(0);
    const std::string folder = dir.file("a/b");
    ASSERT_TRUE(MakeDirectories(folder).ok());
    ASSERT_TRUE(WriteFileAtomically(folder + "/Vacation.dat", "x").ok());
    ::umask(old);
    struct stat st {};
    ASSERT_EQ(::stat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    ASSERT_EQ(::stat(dir.file("a").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    ASSERT_EQ(::stat((folder + "/Vacation.dat").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
}

// Two saves prepared, the process gone between the renames: the record
// finishes them, and a second replay changes nothing.
TEST(AtomicWrite, IntentRecordFinishesTheRenames) {
    test::TestFolder dir;
    const std::string a = dir.file("a"), b = dir.file("b"), intent = dir.file(".intent");
    ASSERT_TRUE(WriteFileAtomically(a, "old a").ok());
    ASSERT_TRUE(WriteFileAtomically(b, "old b").ok());
    PreparedFile pa, pb;
    ASSERT_TRUE(pa.prepare(a, "new a").ok());
    ASSERT_TRUE(pb.prepare(b, "new b").ok());
    InjectFileFault({FileStep::Rename, 3, EIO});  // the record's own rename, a's, then b's fails
    EXPECT_FALSE(CommitTogether({&pa, &pb}, intent).ok());
    ClearFileFault();
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(a, bytes).ok());
    EXPECT_EQ(bytes, "new a");
    ASSERT_TRUE(ReadWholeFile(b, bytes).ok());
    EXPECT_EQ(bytes, "old b");
    bool replayed = false;
    ASSERT_TRUE(ReplayIntent(intent, &replayed).ok());
    EXPECT_TRUE(replayed);
    ASSERT_TRUE(ReadWholeFile(b, bytes).ok());
    EXPECT_EQ(bytes, "new b");
    EXPECT_FALSE(FileExists(intent));
    ASSERT_TRUE(ReplayIntent(intent, &replayed).ok());
    EXPECT_FALSE(replayed);
    EXPECT_EQ(RemoveStaleTemporaryFiles(dir.path()), 0);
}

}  // namespace
}  // namespace tkv
