#include "session/month_session.h"

#include <cerrno>
#include <filesystem>
#include <ostream>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "base/atomic_file.h"
#include "base/clock.h"
#include "base/test_folder.h"
#include "core/month_builders.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv {
namespace {

struct PathCase {
    const char* name;
    const char* user;
    const char* month;
    const char* ledger;
    const char* holidays;
    const char* folder;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class UserPathsTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(UserPathsTest, FilesOfTheUser) {
    const UserPaths paths{"/data", GetParam().user};
    EXPECT_EQ(paths.monthFile({2004, 3}), GetParam().month);
    EXPECT_EQ(paths.ledgerFile(), GetParam().ledger);
    EXPECT_EQ(paths.holidayFile(), GetParam().holidays);
    EXPECT_EQ(paths.folder(), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Users, UserPathsTest,
    ::testing::Values(PathCase{"MainUser", "", "/data/200403.dat", "/data/Vacation.dat",
                               "/data/Holiday.dat", "/data"},
                      PathCase{"NamedUser", "taro", "/data/taro/200403.dat",
                               "/data/taro/Vacation.dat", "/data/taro/Holiday.dat", "/data/taro"}),
    [](const ::testing::TestParamInfo<PathCase>& row) { return std::string(row.param.name); });

struct NowCase {
    const char* name;
    DateTime now;
    int simeDay;
    YearMonth month;
};

void PrintTo(const NowCase& c, std::ostream* os) {
    *os << c.name;
}

class AccountingMonthNowTest : public ::testing::TestWithParam<NowCase> {};

TEST_P(AccountingMonthNowTest, FollowsTheClosingDay) {
    const FixedClock clock(GetParam().now);
    EXPECT_EQ(AccountingMonthNow(clock, GetParam().simeDay), GetParam().month);
}

INSTANTIATE_TEST_SUITE_P(
    Days, AccountingMonthNowTest,
    ::testing::Values(NowCase{"OnTheClosingDay", {2025, 3, 20, 23, 59, 0}, 20, {2025, 3}},
                      NowCase{"DayAfterClosing", {2025, 3, 21, 0, 0, 0}, 20, {2025, 4}},
                      NowCase{"AfterDecemberClosing", {2004, 12, 21, 8, 0, 0}, 20, {2005, 1}},
                      NowCase{"MonthEndClosing", {2004, 3, 31, 8, 0, 0}, 31, {2004, 3}},
                      NowCase{"FirstOfMonth", {2004, 4, 1, 8, 0, 0}, 31, {2004, 4}}),
    [](const ::testing::TestParamInfo<NowCase>& row) { return std::string(row.param.name); });

TEST(SummaryFields, NamesInShownOrder) {
    SummaryTexts t;
    t.ZanTMemo = "12:30";
    const auto fields = SummaryFields(t);
    const char* names[] = {"SyukinMemo", "KyujituMemo", "ZanTMemo",  "SZanTMemo",
                           "KeiTMemo",   "MokuTMemo",   "KinmuTMemo"};
    for (int i = 0; i < SummaryFieldCount; ++i) EXPECT_EQ(fields[i].name, names[i]);
    EXPECT_EQ(*fields[2].text, "12:30");
}

class MonthSessionTest : public ::testing::Test {
protected:
    MonthSessionTest() { settings.StartTime2 = settings.EndTime2 = settings.ZangyoTime2 = 0; }

    std::string monthFile() const { return session.paths().monthFile({2004, 3}); }
    std::string ledgerFile() const { return session.paths().ledgerFile(); }
    std::string bytesOf(const std::string& path) const {
        std::string bytes;
        ReadWholeFile(path, bytes);
        return bytes;
    }
    Ledger ledger() const {
        Ledger l;
        LoadLedger(l, ledgerFile());
        return l;
    }

    test::TestFolder dir;
    Settings settings = test::DefaultSettings();
    AnnualHolidayTable holidays = AnnualHolidayTable::Defaults();
    MonthSession session{settings, holidays, UserPaths{dir.path(), ""}};
};

TEST_F(MonthSessionTest, LoadBuildsAMissingMonthAndReadsASavedOne) {
    ASSERT_TRUE(session.load({2004, 3}).ok());
    EXPECT_EQ(session.loadedMonth(), (YearMonth{2004, 3}));
    EXPECT_FALSE(session.readOnly());
    EXPECT_EQ(session.month().LastDay, 31);
    EXPECT_EQ(session.month().day(20).cell(DayColumn::Memo), "春分の日");
    EXPECT_FALSE(FileExists(monthFile()));

    session.month().day(1).cell(DayColumn::Arrival) = " 8:00";
    session.month().day(1).cell(DayColumn::Leaving) = "19:00";
    ASSERT_TRUE(session.save().ok());
    EXPECT_EQ(session.calculation().overtime, 120);

    MonthSession other(settings, holidays, UserPaths{dir.path(), ""});
    ASSERT_TRUE(other.load({2004, 3}).ok());
    EXPECT_EQ(other.month().day(1).cell(DayColumn::Overtime), " 2:00");
    EXPECT_FALSE(other.month().hasUnsavedChanges());
}

// The ledger as the leave window and the CLI read it: new half days take
// the settings' values.
TEST_F(MonthSessionTest, LedgerReadWithTheHalfDayValues) {
    Ledger stored;
    stored.setKuriZan("10.0");
    ASSERT_TRUE(SaveLedger(stored, ledgerFile()).ok());
    settings.HanDayAM = DecimalText("-0.3");
    Ledger l;
    ASSERT_TRUE(session.loadLedger(l).ok());
    EXPECT_EQ(l.KuriZan(), "10.0");
    ASSERT_TRUE(l.AddLeaveEntry("2004/03/05", "前", 0, ""));
    EXPECT_EQ(l.entry(1).days, " -0.3");

    // A folder where the file should be cannot be read, as any user.
    std::filesystem::remove(ledgerFile());
    std::filesystem::create_directory(ledgerFile());
    EXPECT_EQ(session.loadLedger(l).error, IoError::ReadFailed);
}

// A save writes the month and then brings the ledger in step with the leave
// days that changed; a save without changes leaves Vacation.dat alone.
TEST_F(MonthSessionTest, SaveKeepsTheLedgerInStep) {
    ASSERT_TRUE(session.load({2004, 3}).ok());
    MonthRecord& m = session.month();
    m.day(1).cell(DayColumn::Kind) = "有";
    m.day(2).cell(DayColumn::Kind) = "前";
    m.day(2).cell(DayColumn::Memo) = "通院";
    ASSERT_TRUE(session.save().ok());
    Ledger l = ledger();
    ASSERT_EQ(l.entryCount(), 2);
    EXPECT_EQ(l.entry(1).date, "2004/03/01");
    EXPECT_EQ(l.entry(1).kind, "有給");
    EXPECT_EQ(l.entry(2).kind, "午前");
    EXPECT_EQ(l.entry(2).memo, "通院");
    EXPECT_EQ(l.CurrentBalance(), "-1.5");

    const std::string saved = bytesOf(ledgerFile());
    ASSERT_TRUE(session.save().ok());
    EXPECT_EQ(bytesOf(ledgerFile()), saved);

    m.day(1).cell(DayColumn::Kind) = "  ";
    m.day(2).cell(DayColumn::Memo) = "歯科";
    ASSERT_TRUE(session.save().ok());
    l = ledger();
    ASSERT_EQ(l.entryCount(), 1);
    EXPECT_EQ(l.entry(1).memo, "歯科");
    EXPECT_EQ(l.CurrentBalance(), "-0.5");
    EXPECT_FALSE(m.hasUnsavedChanges());
}

// Never replace a month file that could not be read, not even when it has
// become readable since: the month read as empty.
TEST_F(MonthSessionTest, UnreadableMonthIsNeverSaved) {
    std::filesystem::create_directory(monthFile());
    const IoResult loaded = session.load({2004, 3});
    EXPECT_EQ(loaded.error, IoError::ReadFailed);
    EXPECT_TRUE(session.readOnly());
    EXPECT_EQ(session.month().LastDay, 0);

    std::filesystem::remove(monthFile());
    ASSERT_TRUE(WriteFileAtomically(monthFile(), "[System]\r\nLastDay=31\r\n").ok());
    session.month().LastDay = 1;
    session.month().day(1).cell(DayColumn::Kind) = "有";
    const MonthSaveOutcome saved = session.save();
    EXPECT_TRUE(saved.refused);
    EXPECT_EQ(saved.month.error, IoError::ReadFailed);
    EXPECT_EQ(saved.month.path, monthFile());
    EXPECT_EQ(bytesOf(monthFile()), "[System]\r\nLastDay=31\r\n");
    EXPECT_FALSE(FileExists(ledgerFile()));

    // A load that works lifts the refusal.
    ASSERT_TRUE(session.load({2004, 3}).ok());
    EXPECT_FALSE(session.readOnly());
    EXPECT_TRUE(session.save().ok());
}

// The days of a span belong to up to three files: while they are shown no
// save writes anything, the ledger included; the next load ends the span.
TEST_F(MonthSessionTest, ShownSpanIsNeverSaved) {
    ASSERT_TRUE(session.load({2004, 3}).ok());
    session.month().day(10).cell(DayColumn::Arrival) = " 9:00";
    ASSERT_TRUE(session.save().ok());
    const std::string march = bytesOf(monthFile());
    const std::string april = session.paths().monthFile({2004, 4});
    std::filesystem::create_directory(april);  // exists, cannot be read

    const std::vector<IoResult> unreadable = session.showSpan({{2004, 3, 10}, {2004, 4, 5}});
    ASSERT_EQ(unreadable.size(), 1u);
    EXPECT_EQ(unreadable[0].path, april);
    EXPECT_EQ(session.shownSpan(), (DaySpan{{2004, 3, 10}, {2004, 4, 5}}));
    EXPECT_FALSE(session.loadedMonth().has_value());
    ASSERT_EQ(session.month().LastDay, 27);
    EXPECT_EQ(session.month().year * 100 + session.month().month, 200404);
    EXPECT_EQ(session.month().day(1).cell(DayColumn::Arrival), " 9:00");

    MonthRecord& m = session.month();
    m.day(1).cell(DayColumn::Kind) = "有";
    m.day(2).cell(DayColumn::Memo) = "見るだけ";
    const MonthSaveOutcome r = session.save();
    EXPECT_TRUE(r.refused);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(bytesOf(monthFile()), march);
    EXPECT_FALSE(FileExists(session.paths().monthFile({2004, 5})));
    EXPECT_FALSE(FileExists(ledgerFile()));

    ASSERT_TRUE(session.load({2004, 3}).ok());
    EXPECT_FALSE(session.shownSpan().has_value());
    EXPECT_EQ(session.month().day(10).cell(DayColumn::Kind), "  ");
}

// The month and the ledger are written together or not at all: a ledger
// that cannot be read keeps the month file as it was, and the month unsaved.
TEST_F(MonthSessionTest, LedgerFailureIsReportedAndTheMonthIsNotWritten) {
    std::filesystem::create_directory(ledgerFile());
    ASSERT_TRUE(session.load({2004, 3}).ok());
    session.month().day(1).cell(DayColumn::Kind) = "有";
    const MonthSaveOutcome r = session.save();
    EXPECT_FALSE(r.refused);
    EXPECT_EQ(r.ledger.error, IoError::ReadFailed);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(FileExists(monthFile()));
    EXPECT_TRUE(session.month().hasUnsavedChanges());
    EXPECT_TRUE(std::filesystem::is_directory(ledgerFile()));
}

// A ledger that fails while its replacement is written: neither file changes.
TEST_F(MonthSessionTest, AFailedLedgerWriteLeavesBothFiles) {
    ASSERT_TRUE(session.load({2004, 3}).ok());
    ASSERT_TRUE(session.save().ok());
    const std::string month = bytesOf(monthFile());
    session.month().day(1).cell(DayColumn::Kind) = "有";
    InjectFileFault({FileStep::Write, 2, ENOSPC});  // the second file prepared: the ledger
    const MonthSaveOutcome r = session.save();
    ClearFileFault();
    EXPECT_EQ(r.ledger.error, IoError::WriteFailed);
    EXPECT_EQ(bytesOf(monthFile()), month);
    EXPECT_FALSE(FileExists(ledgerFile()));
    EXPECT_TRUE(session.month().hasUnsavedChanges());
    ASSERT_TRUE(session.save().ok());
    EXPECT_EQ(ledger().entryCount(), 1);
}

TEST_F(MonthSessionTest, UserFolderAndMonthFileRemoval) {
    std::filesystem::create_directory(dir.file("taro"));
    session.setPaths({dir.path(), "taro"});
    ASSERT_TRUE(session.load({2004, 3}).ok());
    session.month().day(5).cell(DayColumn::Kind) = "後";
    ASSERT_TRUE(session.save().ok());
    EXPECT_TRUE(FileExists(dir.file("taro/200403.dat")));
    EXPECT_TRUE(FileExists(dir.file("taro/Vacation.dat")));
    EXPECT_FALSE(FileExists(dir.file("200403.dat")));

    EXPECT_TRUE(session.removeMonthFile({2004, 3}).ok());
    EXPECT_FALSE(FileExists(dir.file("taro/200403.dat")));
    EXPECT_TRUE(session.removeMonthFile({2004, 3}).ok());  // nothing left to remove
}

// Two holders of one month (the desktop program and the command line): each
// save merges what the other saved since its own load.
struct MergeCase {
    const char* name;
    int otherDay;           // the day the other program changes and saves first
    const char* otherKind;  // its new kind (a leave mark reaches the ledger)
    bool keepMine;          // the answer to a conflict
    const char* day3Memo;   // day 3 after both saves
    const char* day3Kind;
    int ledgerEntries;
};

void PrintTo(const MergeCase& c, std::ostream* os) {
    *os << c.name;
}

class MonthMerge : public MonthSessionTest, public ::testing::WithParamInterface<MergeCase> {};

TEST_P(MonthMerge, NoEditIsLost) {
    const MergeCase& c = GetParam();
    ASSERT_TRUE(session.load({2004, 3}).ok());
    ASSERT_TRUE(session.save().ok());  // a month file to start from
    session.month().day(3).cell(DayColumn::Memo) = "mine";
    session.month().day(3).cell(DayColumn::Kind) = "有";

    MonthSession other(settings, holidays, UserPaths{dir.path(), ""});
    ASSERT_TRUE(other.load({2004, 3}).ok());
    other.month().day(c.otherDay).cell(DayColumn::Memo) = "theirs";
    other.month().day(c.otherDay).cell(DayColumn::Kind) = c.otherKind;
    ASSERT_TRUE(other.save().ok());

    MonthSaveOutcome r = session.save();
    if (c.otherDay == 3) {
        ASSERT_EQ(r.conflicts.size(), 1u);
        EXPECT_EQ(r.conflicts[0].slot, 3);
        EXPECT_EQ(r.conflicts[0].theirs.cell(DayColumn::Memo), "theirs");
        EXPECT_TRUE(session.month().hasUnsavedChanges());
        for (const DayConflict& conflict : r.conflicts) session.resolve(conflict, c.keepMine);
        r = session.save();
    }
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(session.month().hasUnsavedChanges());

    MonthSession fresh(settings, holidays, UserPaths{dir.path(), ""});
    ASSERT_TRUE(fresh.load({2004, 3}).ok());
    EXPECT_EQ(fresh.month().day(3).cell(DayColumn::Memo), c.day3Memo);
    EXPECT_EQ(fresh.month().day(3).cell(DayColumn::Kind), c.day3Kind);
    if (c.otherDay != 3) {
        EXPECT_EQ(fresh.month().day(c.otherDay).cell(DayColumn::Memo), "theirs");
    }
    EXPECT_EQ(fresh.month().day(3).cell(DayColumn::Memo),
              session.month().day(3).cell(DayColumn::Memo));
    EXPECT_EQ(ledger().entryCount(), c.ledgerEntries);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthMerge,
    ::testing::Values(MergeCase{"OtherDays", 2, "有", false, "mine", "有", 2},
                      MergeCase{"OtherDayPlain", 9, "  ", false, "mine", "有", 1},
                      MergeCase{"SameDayKeepMine", 3, "前", true, "mine", "有", 1},
                      MergeCase{"SameDayKeepTheirs", 3, "前", false, "theirs", "前", 1}),
    [](const ::testing::TestParamInfo<MergeCase>& row) { return std::string(row.param.name); });

// What the shown month's file went through before a reload, and what the
// reload made of it.
struct ReloadCase {
    const char* name;
    enum { OwnSave, OtherSaved, Removed, MadeUnreadable, SpanShown } happened;
    MonthSession::Reload result;
    const char* day5Memo;  // as held after the reload
};

void PrintTo(const ReloadCase& c, std::ostream* os) {
    *os << c.name;
}

class MonthReload : public MonthSessionTest, public ::testing::WithParamInterface<ReloadCase> {};

TEST_P(MonthReload, HoldsTheFileAsItIsOrKeepsWhatIsShown) {
    const ReloadCase& c = GetParam();
    ASSERT_TRUE(session.load({2004, 3}).ok());
    session.month().day(5).cell(DayColumn::Memo) = "saved";
    ASSERT_TRUE(session.save().ok());
    switch (c.happened) {
        case ReloadCase::OwnSave:
            break;
        case ReloadCase::OtherSaved: {
            MonthSession other(settings, holidays, UserPaths{dir.path(), ""});
            ASSERT_TRUE(other.load({2004, 3}).ok());
            other.month().day(5).cell(DayColumn::Memo) = "theirs";
            ASSERT_TRUE(other.save().ok());
            break;
        }
        case ReloadCase::Removed:
            std::filesystem::remove(monthFile());
            break;
        case ReloadCase::MadeUnreadable:
            std::filesystem::remove(monthFile());
            std::filesystem::create_directory(monthFile());
            break;
        case ReloadCase::SpanShown:
            session.showSpan({{2004, 3, 1}, {2004, 3, 10}});
            break;
    }
    EXPECT_EQ(session.reload(), c.result);
    EXPECT_EQ(session.month().day(5).cell(DayColumn::Memo), c.day5Memo);
    EXPECT_FALSE(session.month().hasUnsavedChanges());
    if (c.happened != ReloadCase::SpanShown) {
        EXPECT_FALSE(session.readOnly());
        EXPECT_EQ(session.loadedMonth(), (YearMonth{2004, 3}));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MonthReload,
    ::testing::Values(
        ReloadCase{"OwnSave", ReloadCase::OwnSave, MonthSession::Reload::Unchanged, "saved"},
        ReloadCase{"OtherSaved", ReloadCase::OtherSaved, MonthSession::Reload::Reloaded, "theirs"},
        ReloadCase{"Removed", ReloadCase::Removed, MonthSession::Reload::Reloaded, ""},
        ReloadCase{"MadeUnreadable", ReloadCase::MadeUnreadable, MonthSession::Reload::Unreadable,
                   "saved"},
        ReloadCase{"SpanShown", ReloadCase::SpanShown, MonthSession::Reload::Unreadable, "saved"}),
    [](const ::testing::TestParamInfo<ReloadCase>& row) { return std::string(row.param.name); });

// The same edit made on both sides is no conflict, and its ledger line is
// there once.
TEST_F(MonthSessionTest, TheSameEditOnBothSidesMergesQuietly) {
    ASSERT_TRUE(session.load({2004, 3}).ok());
    ASSERT_TRUE(session.save().ok());
    session.month().day(4).cell(DayColumn::Kind) = "有";
    MonthSession other(settings, holidays, UserPaths{dir.path(), ""});
    ASSERT_TRUE(other.load({2004, 3}).ok());
    other.month().day(4).cell(DayColumn::Kind) = "有";
    ASSERT_TRUE(other.save().ok());
    ASSERT_TRUE(session.save().ok());
    EXPECT_EQ(ledger().entryCount(), 1);
}

// The process ends at every file-system step of a save that writes the month
// and the ledger together; the next load always finds the two in step, and
// no temporary file of ours is left.
TEST_F(MonthSessionTest, ACrashAtAnyStepHealsAtTheNextLoad) {
    int killed = 0;
    for (int kill = 1; kill < 200; ++kill) {
        const UserPaths paths{dir.path(), "round" + std::to_string(kill)};
        std::filesystem::create_directory(paths.folder());
        {
            // Without the session: its first lock of a folder sweeps the
            // folder once per run, and the sweep is the next load's to make.
            MonthRecord m;
            LoadMonth(m, {2004, 3}, paths.monthFile({2004, 3}), settings, holidays);
            ASSERT_TRUE(SaveMonth(m, paths.monthFile({2004, 3}), settings).io.ok());
        }
        const pid_t pid = ::fork();
        if (pid == 0) {
            MonthSession s(settings, holidays, paths);
            s.load({2004, 3});
            s.month().day(3).cell(DayColumn::Kind) = "有";
            int steps = 0;
            SetFileStepHook([&steps, kill](FileStep) {
                if (++steps == kill)
                    ::_exit(3);
            });
            ::_exit(s.save().ok() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFEXITED(status));
        const int code = WEXITSTATUS(status);
        ASSERT_NE(code, 1) << "kill point " << kill;

        MonthSession after(settings, holidays, paths);
        ASSERT_TRUE(after.load({2004, 3}).ok());
        Ledger l;
        ASSERT_TRUE(LoadLedger(l, paths.ledgerFile()).ok());
        const bool marked = after.month().day(3).kind() == DayKind::PaidLeave;
        EXPECT_EQ(marked, l.entryCount() == 1) << "kill point " << kill;
        for (const auto& e : std::filesystem::directory_iterator(paths.folder()))
            EXPECT_EQ(e.path().filename().string().find(kTemporaryMark), std::string::npos)
                << "kill point " << kill << ": " << e.path();
        EXPECT_FALSE(FileExists(paths.folder() + "/.tokivane-intent")) << "kill point " << kill;
        if (code == 0)
            break;  // the save ran to its end: every step was a kill point once
        ++killed;
    }
    EXPECT_GT(killed, 10);
}

}  // namespace
}  // namespace tkv
