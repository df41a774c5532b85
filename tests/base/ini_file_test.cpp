#include "base/ini_file.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/test_folder.h"

namespace tkv {
namespace {

TEST(IniFile, ProfileSemantics) {
    IniFile ini;
    ini.parse(cp932::fromUtf8(
        "[System]\r\n  LastDay = 31 \r\nQuoted=\" a b \"\r\n[DayData]\n 1=3/ 1,月,\n"));
    EXPECT_EQ(ini.readString("system", "lastday"), "31");
    EXPECT_EQ(ini.readString(" SYSTEM ", "LASTDAY"), "31");
    EXPECT_EQ(ini.readString("System", "Quoted"), " a b ");
    EXPECT_EQ(ini.readString("DayData", "1"), "3/ 1,月,");
    EXPECT_EQ(ini.readString("DayData", " 1"), "3/ 1,月,");
    EXPECT_EQ(ini.readInteger("System", "LastDay", 0), 31);
    EXPECT_EQ(ini.readInteger("System", "Missing", 7), 7);
    EXPECT_EQ(ini.readString("Nowhere", "x", "dflt"), "dflt");
}

TEST(IniFile, OrderOfNewKeysAndSections) {
    IniFile ini;
    ini.parse("[A]\r\nk1=1\r\nk2=2\r\n[B]\r\nx=1\r\n");
    ini.writeString("A", "k3", "3");
    ini.writeString("A", "K1", "one");  // an existing key keeps its place
    ini.writeString("C", "y", "2");
    EXPECT_EQ(ini.serialize(), "[A]\r\nk1=one\r\nk2=2\r\nk3=3\r\n[B]\r\nx=1\r\n[C]\r\ny=2\r\n");

    EXPECT_TRUE(ini.deleteKey("a", "k1"));
    ini.writeString("A", "k1", "again");  // deleted and rewritten: goes to the end
    EXPECT_EQ(ini.keyNames("A"), (std::vector<std::string>{"k2", "k3", "k1"}));
    EXPECT_FALSE(ini.deleteKey("A", "nope"));
    EXPECT_TRUE(ini.deleteSection("B"));
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"A", "C"}));
}

TEST(IniFile, KeepsForeignLinesAndFirstDuplicate) {
    IniFile ini;
    ini.parse("; header comment\n[S]\n; note\nk=first\nk=second\ngarbage line\n");
    EXPECT_EQ(ini.readString("S", "k"), "first");
    EXPECT_EQ(ini.serialize(),
              "; header comment\r\n[S]\r\n; note\r\nk=first\r\nk=second\r\ngarbage line\r\n");
    ini.deleteKey("S", "k");
    EXPECT_FALSE(ini.readRaw("S", "k").has_value());
}

TEST(IniFile, ValuesAreCp932OnDisk) {
    test::TestFolder dir;
    IniFile ini;
    ini.setPath(dir.file("h.dat"));
    ini.writeString("HolidayData", "1", "1月 1日, ○ ,元旦,");
    ASSERT_TRUE(ini.flush().ok());
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.file("h.dat"), bytes).ok());
    EXPECT_NE(bytes.find("\x8c\xb3\x92\x55"), std::string::npos);  // 元旦
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);

    IniFile back;
    ASSERT_TRUE(back.load(dir.file("h.dat")).ok());
    EXPECT_EQ(back.readString("HolidayData", "1"), "1月 1日, ○ ,元旦,");
}

TEST(IniFile, MissingFileIsEmptyAndReportedAsNotFound) {
    test::TestFolder dir;
    IniFile ini;
    EXPECT_EQ(ini.load(dir.file("none.dat")).error, IoError::NotFound);
    EXPECT_TRUE(ini.sectionNames().empty());
}

// The folder refuses the temporary file (an injected failure rather than a
// read-only folder, which root could write into anyway).
TEST(IniFile, FailedWriteIsReportedAndOldFileSurvives) {
    test::TestFolder dir;
    IniFile ini;
    ini.setPath(dir.file("m.dat"));
    ini.writeString("System", "LastDay", "31");
    ASSERT_TRUE(ini.flush().ok());
    ini.writeString("System", "LastDay", "30");
    IoResult r;
    {
        test::ScopedFileFault denied({FileStep::Create, 1, EACCES});
        r = ini.flush();
    }
    EXPECT_EQ(r.error, IoError::WriteFailed);
    IniFile back;
    back.load(dir.file("m.dat"));
    EXPECT_EQ(back.readString("System", "LastDay"), "31");
}

// A full disk, simulated with a file-size limit (works as root too): the
// write fails, is reported, and the file on disk is the old one.
TEST(IniFile, WriteFailureMidwayKeepsOldFile) {
    test::TestFolder dir;
    IniFile ini;
    ini.setPath(dir.file("m.dat"));
    ini.writeString("System", "LastDay", "31");
    ASSERT_TRUE(ini.flush().ok());
    for (int i = 1; i <= 31; ++i)
        ini.writeString("DayData", std::to_string(i), std::string(40, 'x'));

    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const IoResult r = ini.flush();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(r.error, IoError::WriteFailed);
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(dir.file("m.dat"), bytes).ok());
    EXPECT_EQ(bytes, "[System]\r\nLastDay=31\r\n");
    EXPECT_EQ(std::filesystem::directory_iterator(dir.path())->path().filename(), "m.dat");
}

TEST(IniFile, WriteIntoMissingFolderFails) {
    test::TestFolder dir;
    IniFile ini;
    ini.setPath(dir.file("no/such/folder/m.dat"));
    ini.writeString("S", "k", "v");
    EXPECT_EQ(ini.flush().error, IoError::WriteFailed);
}

}  // namespace
}  // namespace tkv
