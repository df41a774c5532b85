#include "base/ini_file.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/test_folder.h"
#include "base/text_util.h"

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

// A hand-edited file may repeat a key in any spelling; deleting it takes
// every copy, and writing it again adds one line at the end.
TEST(IniFile, DeleteTakesEveryCopyOfAKey) {
    IniFile ini;
    ini.parse("[S]\r\nk=1\r\nother=x\r\n K =2\r\n; k=comment\r\nk=3\r\n");
    EXPECT_EQ(ini.readString("s", "K "), "1");
    EXPECT_TRUE(ini.deleteKey("S", "k"));
    EXPECT_FALSE(ini.readRaw("S", "k").has_value());
    EXPECT_EQ(ini.serialize(), "[S]\r\nother=x\r\n; k=comment\r\n");
    EXPECT_FALSE(ini.deleteKey("S", "k"));
    ini.writeString("S", "k", "4");
    EXPECT_EQ(ini.serialize(), "[S]\r\nother=x\r\n; k=comment\r\nk=4\r\n");

    // The way the ledger saves: every slot deleted and written again.
    for (int round = 0; round < 2; ++round) {
        for (int slot = 1; slot <= 500; ++slot) {
            const std::string key = std::string(slot < 10    ? "  "
                                                : slot < 100 ? " "
                                                             : "") +
                                    std::to_string(slot);
            ini.deleteKey("V", key);
            if (slot % 2 == round)
                ini.writeString("V", key, std::to_string(slot * 10 + round));
        }
    }
    EXPECT_EQ(ini.keyNames("V").size(), 250u);
    EXPECT_EQ(ini.readString("V", "7"), "71");
    EXPECT_EQ(ini.readString("V", " 8 "), "");
}

// One pass over a section: each key once with the value a lookup reads,
// and a delete of all keys that match, copies included.
TEST(IniFile, VisitAndDeleteKeysInOnePass) {
    IniFile ini;
    ini.parse("[S]\r\n 7 =a\r\nx=1\r\n; note\r\n7=b\r\n07=c\r\nX=2\r\n8=d\r\n");
    std::vector<std::string> seen;
    ini.forEachKey("s", [&seen](std::string_view key, const std::string& value) {
        seen.push_back(std::string(key) + "=" + value);
    });
    EXPECT_EQ(seen, (std::vector<std::string>{" 7=a", "x=1", "07=c", "8=d"}));

    const int deleted = ini.deleteKeysIf("S", [](std::string_view key) {
        return key.find('7') != std::string_view::npos && key != "07";
    });
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(ini.serialize(), "[S]\r\nx=1\r\n; note\r\n07=c\r\nX=2\r\n8=d\r\n");
    ini.writeString("S", "7", "e");
    EXPECT_EQ(ini.readString("S", " 7"), "e");
    EXPECT_EQ(ini.deleteKeysIf("nowhere", [](std::string_view) { return true; }), 0);
}

// replaceKeys gives what deleting the matching keys and writing the new
// ones gives, whether the old ones end the section (rewritten in place) or
// not (deleted and appended).
TEST(IniFile, ReplaceKeysAsDeleteAndWrite) {
    auto isNumber = [](std::string_view key) {
        const std::string_view k = TrimView(key);
        return !k.empty() && k.find_first_not_of("0123456789") == std::string_view::npos;
    };
    using Lines = std::vector<std::pair<std::string, std::string>>;
    const char* files[] = {
        "[S]\r\nx=1\r\n  1=a\r\n  2=b\r\n  3=c\r\n[T]\r\n",  // ours end the section
        "[S]\r\n  1=a\r\nx=1\r\n  2=b\r\n",                  // interleaved
        "[S]\r\nx=1\r\n  1=a\r\n; note\r\n",                 // a comment after them
        "[S]\r\nx=1\r\n1=a\r\n  2=b\r\n",                    // other spelling
        "[S]\r\nx=1\r\n  1=a\r\n  1=dup\r\n",                // a repeated key
        "[T]\r\n",                                           // no section yet
    };
    for (const char* file : files) {
        for (const Lines& lines : {Lines{{"  1", "A"}, {"  2", "b"}}, Lines{}, Lines{{"  1", "a"}},
                                   Lines{{"  1", "a"}, {"  2", "B"}, {"  3", "c"}, {"  4", "D"}}}) {
            IniFile expected;
            expected.parse(file);
            expected.deleteKeysIf("S", isNumber);
            for (const auto& [key, value] : lines) expected.writeRaw("S", key, value);
            IniFile replaced;
            replaced.parse(file);
            replaced.replaceKeys("S", isNumber, Lines(lines));
            EXPECT_EQ(replaced.serialize(), expected.serialize()) << file << lines.size();
            for (const auto& [key, value] : lines) EXPECT_EQ(replaced.readRaw("s", key), value);
            EXPECT_EQ(replaced.keyNames("S"), expected.keyNames("S")) << file;
        }
    }
}

// A value never carries a control character into or out of the file: a line
// break in it would plant lines of its own.
TEST(IniFile, ControlCharactersInValuesBecomeBlanks) {
    for (const IniValueMode mode : {IniValueMode::Profile, IniValueMode::Exact}) {
        IniFile ini(mode);
        ini.writeString("S", "Memo", "x\r\n[Other]\r\nA=1");
        ini.writeRaw("S", "Raw", std::string("a\0b\tc\x7f", 6));
        EXPECT_EQ(ini.serialize(), "[S]\r\nMemo=x  [Other]  A=1\r\nRaw=a b c \r\n");

        ini.parse("[S]\r\nA=one\rtwo\x01\r\nB=\tx\r\n");
        EXPECT_EQ(ini.readString("S", "A"), mode == IniValueMode::Exact ? "one two " : "one two");
        EXPECT_EQ(ini.readString("S", "B"), mode == IniValueMode::Exact ? " x" : "x");
        EXPECT_FALSE(ini.hasSection("Other"));
    }
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
