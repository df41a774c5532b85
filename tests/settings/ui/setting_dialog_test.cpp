#include "settings/ui/setting_dialog.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QtTest>

#include "base/atomic_file.h"
#include "base/cp932.h"
#include "base/ini_file.h"
#include "base/registry_store.h"
#include "base/test_folder.h"
#include "platform/choose_dialogs.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/message_box.h"
#include "platform/qt_helpers.h"
#include "platform/waiting_form.h"
#include "settings/holiday_list.h"
#include "settings/settings_store.h"
#include "settings/ui/break_grid.h"
#include "settings/ui/holiday_grid.h"
#include "settings/ui/kyotei_setting_form.h"
#include "settings/ui/pass_change_form.h"
#include "settings/ui/print_setting_form.h"
#include "settings/ui/private_info_form.h"
#include "settings/ui/setting_parts.h"

namespace tkv::test {
namespace {

// The settings dialog over a registry file and a data folder of its own.
struct DialogFixture {
    TestFolder folder;
    std::string registryPath = folder.file("registry.ini");
    IniRegistryStore registry{registryPath};
    SettingsStore store{registry, folder.path(), folder.path(), ""};
    Settings settings;
    AnnualHolidayTable holidays;
    platform::TWaitingForm waiting;
    TPassChangeForm passChange;
    int escapes = 0;
    std::unique_ptr<TSetting> dialog;

    explicit DialogFixture(const std::function<void(Settings&)>& tweak = {}) {
        platform::testing::NeverShowMessages(true);
        store.LoadSettings(settings);
        if (tweak) {
            tweak(settings);
            store.SaveSettings(settings);
        }
        SettingDialogContext c;
        c.settings = &settings;
        c.store = &store;
        c.holidays = &holidays;
        c.dataDir = folder.path();
        c.waiting = &waiting;
        c.passChange = &passChange;
        c.escape = [this] { ++escapes; };
        dialog = std::make_unique<TSetting>(std::move(c));
    }
    ~DialogFixture() {
        dialog.reset();
        platform::testing::ResetMessageHook();
        platform::testing::ResetChooserHook();
    }

    TSetting& open() {
        dialog->show();
        return *dialog;
    }
    template <typename W = QLineEdit>
    W* child(const char* name) const {
        return Child<W>(*dialog, name);
    }
    void setText(const char* field, const QString& text) const { child(field)->setText(text); }
    void ok() const { child<QPushButton>("OkButton")->click(); }
    void cancel() const { child<QPushButton>("CancelButton")->click(); }
    BreakStringGrid* breaks() const { return child<BreakStringGrid>("BreakStringGrid"); }
    YearHolidayStringGrid* holidayGrid() const {
        return child<YearHolidayStringGrid>("YearHolidayStringGrid");
    }
    // The value as the registry file holds it now.
    QString stored(const char* section, const char* name) const {
        IniRegistryStore reread(registryPath);
        const auto v =
            reread.readValue(std::string("Software\\Varnholt\\Zangyo\\") + section, name);
        return v ? QString::fromStdString(cp932::toUtf8(*v)) : QStringLiteral("<absent>");
    }
};

// The focus leaves a field the way the Tab key takes it away.
void Leave(QWidget* field) {
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(field, &in);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(field, &out);
}

std::vector<QString> MessageTexts() {
    std::vector<QString> texts;
    for (const auto& m : platform::testing::TakeMessageLog())
        texts.push_back(m.caption + ":" + m.text);
    return texts;
}

}  // namespace

class SettingDialogTest final : public QObject {
    Q_OBJECT

private slots:
    void init() {
        platform::testing::ResetMessageHook();
        platform::testing::ResetChooserHook();
    }

    void timesAsStored_data();
    void timesAsStored();
    void fieldRulesOnLeaving_data();
    void fieldRulesOnLeaving();
    void enterCommitsTidiedValues();
    void startAutoInputChain();
    void otherEnableRules();
    void breakRowCommands();
    void breakGridKeys();
    void closingDayQuestion_data();
    void closingDayQuestion();
    void escapeNeverCloses();
    void colourSlotRoundTrip();
    void holidayListReachesTheFile();
    void cancelDiscardsSubDialogChanges();
    void printPositionClashes_data();
    void printPositionClashes();
    void printLayoutWritesOnConfirm();
    void readOnlyRegistryLosesNothing();
    void readCurrentLoadsTheMainUser();
    void captionsAreNotClipped();
    void everyFieldIsReachable();
    void kyoteiSettingsReachTheRegistry();
    void kyoteiSchemeProposesItsLimits_data();
    void kyoteiSchemeProposesItsLimits();
};

void SettingDialogTest::timesAsStored_data() {
    QTest::addColumn<QString>("field");  // a field, or "break2.2" for row 2, column 2
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("stored");

    QTest::newRow("break 2 with an empty end") << "break2"
                                               << "15:00,"
                                               << "Time02"
                                               << "15:00, 0:00";
    QTest::newRow("break 3 left empty") << "break3"
                                        << ","
                                        << "Time03"
                                        << ",";
    QTest::newRow("break 1 unreadable") << "break1"
                                        << "abc,13:00"
                                        << "Time01"
                                        << " 0:00,13:00";
    QTest::newRow("late-night end past a day") << "SinyaEndMemo"
                                               << "29:30"
                                               << "Time12"
                                               << "22:00, 5:30";
    QTest::newRow("late-night end of two days") << "SinyaEndMemo"
                                                << "48:00"
                                                << "Time12"
                                                << "22:00,24:00";
    QTest::newRow("late-night end of nothing") << "SinyaEndMemo"
                                               << "0:00"
                                               << "Time12"
                                               << "22:00, 5:00";
    QTest::newRow("hours only") << "StartMemo"
                                << "8"
                                << "Time11"
                                << " 8:00,17:00";
    QTest::newRow("hours and minutes") << "StartMemo"
                                       << "830"
                                       << "Time11"
                                       << " 8:30,17:00";
    QTest::newRow("spare half") << "HyojunAMMemo"
                                << "4"
                                << "Time14"
                                << " 4:00, 0:00";
    QTest::newRow("compensatory without sign") << "DaikyuMemo"
                                               << "7:30"
                                               << "Time17"
                                               << "-7:30, 0:00";
    QTest::newRow("target") << "MokuTimeMemo"
                            << "25"
                            << "Time16"
                            << "25:00, 0:00";
}

void SettingDialogTest::timesAsStored() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, value);
    QFETCH(QString, stored);
    DialogFixture f([](Settings& s) {
        s.DaikyuZanCalc = true;
        s.MokuhyoTime = true;
        s.times.breaks[1] = {"10:00", "10:10"};
    });
    f.open();
    if (field.startsWith("break")) {
        const int row = field.mid(5).toInt();
        f.breaks()->setCell(row, 1, typed.section(',', 0, 0));
        f.breaks()->setCell(row, 2, typed.section(',', 1));
    } else {
        f.setText(field.toLatin1().constData(), typed);
    }
    f.ok();
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.stored("Setting", value.toLatin1().constData()), stored);
    if (field == "SinyaEndMemo" && typed.section(':', 0, 0).toInt() >= 24)
        // The field shows what is stored.
        QCOMPARE(f.child("SinyaEndMemo")->text(), stored.section(',', 1));
}

void SettingDialogTest::fieldRulesOnLeaving_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("compensatory gets the sign") << "DaikyuMemo"
                                                << "7:30"
                                                << "-7:30";
    QTest::newRow("compensatory keeps the sign") << "DaikyuMemo"
                                                 << "-7:30"
                                                 << "-7:30";
    QTest::newRow("compensatory empty") << "DaikyuMemo"
                                        << ""
                                        << " 0:00";
    QTest::newRow("closing day 0") << "SimeDayMemo"
                                   << "0"
                                   << "1";
    QTest::newRow("closing day 27") << "SimeDayMemo"
                                    << "27"
                                    << "27";
    QTest::newRow("closing day 28") << "SimeDayMemo"
                                    << "28"
                                    << "31";
    QTest::newRow("closing day 45") << "SimeDayMemo"
                                    << "45"
                                    << "31";
    QTest::newRow("closing day text") << "SimeDayMemo"
                                      << "abc"
                                      << "1";
    QTest::newRow("amount") << "KihonMemo"
                            << "200000"
                            << "200,000";
    QTest::newRow("amount text") << "ZanMemo"
                                 << "abc"
                                 << "0";
    QTest::newRow("target amount") << "MokuMemo"
                                   << "250000"
                                   << "250,000";
    QTest::newRow("half-day") << "HanDayAMMemo"
                              << "0.5"
                              << "-0.5";
    QTest::newRow("leave month") << "YukyuMonthMemo"
                                 << "13"
                                 << "12";
    QTest::newRow("leave month text") << "YukyuMonthMemo"
                                      << "x"
                                      << "0";
    QTest::newRow("memo print length") << "PrintMemoLenMemo"
                                       << "5"
                                       << "10";
    QTest::newRow("margin") << "TopMarginMemo"
                            << "-5"
                            << "5.0";
    QTest::newRow("reserve") << "YukyuMokuZanMemo"
                             << "-1.5"
                             << "-1.5";
    QTest::newRow("ratio has no rule") << "KakeMemo"
                                       << "abc"
                                       << "abc";
}

void SettingDialogTest::fieldRulesOnLeaving() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    DialogFixture f([](Settings& s) {
        s.DaikyuZanCalc = true;
        s.YukyuMokuZanDisp = true;
    });
    f.open();
    QLineEdit* edit = f.child(field.toLatin1().constData());
    edit->setText(typed);
    Leave(edit);
    QCOMPARE(edit->text(), shown);
}

// Enter commits straight from a field whose focus never left it: what is
// stored is still what the field would have shown.
void SettingDialogTest::enterCommitsTidiedValues() {
    DialogFixture f;
    f.open();
    f.setText("KihonMemo", "1,234,567");
    f.setText("HanDayPMMemo", "0.5");
    f.setText("YukyuMonthMemo", "abc");
    f.setText("PrintMemoLenMemo", "3");
    f.setText("LeftMarginMemo", "-7");
    f.setText("DaikyuMemo", "8");
    f.setText("KakeMemo", "x");
    QLineEdit* field = f.child("ZanLowLimitMemo");
    field->setText("0:30");
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.stored("Setting", "Kin01"), QStringLiteral("1234567"));
    QCOMPARE(f.stored("Setting", "Kin07"), QStringLiteral("100"));
    QCOMPARE(f.stored("System", "HanDayPM"), QStringLiteral("-0.5"));
    QCOMPARE(f.stored("System", "YukyuMonth"), QStringLiteral("4"));
    QCOMPARE(f.stored("System", "PrintMemo"), QStringLiteral("10"));
    QCOMPARE(f.stored("System", "PageLeftMargin"), QStringLiteral("7.0"));
    QCOMPARE(f.stored("Setting", "Time17"), QStringLiteral("-8:00, 0:00"));
    QCOMPARE(f.stored("Setting", "Time13"), QStringLiteral(" 8:00, 0:30"));
    QCOMPARE(f.settings.pay.basicSalary, 1234567);
    QCOMPARE(f.settings.times.minimumOvertime.minutes(), 30);
}

void SettingDialogTest::startAutoInputChain() {
    DialogFixture f([](Settings& s) {
        s.StartAutoIn = AutoTimeMode::Automatic;
        s.StartPassSkip = true;
        s.StartAutoMinimize = true;
    });
    f.open();
    auto* group = f.child<RadioGroup>("StartAutoInRadioGroup");
    auto* skip = f.child<QCheckBox>("StartPassSkipCheckBox");
    auto* minimise = f.child<QCheckBox>("StartAutoMinimizeCheckBox");
    auto* teiji = f.child<QComboBox>("StartTeijiInComboBox");
    QVERIFY(skip->isChecked() && skip->isEnabled());
    QVERIFY(minimise->isChecked() && teiji->isEnabled());

    group->button(0)->click();  // しない
    QVERIFY(!skip->isChecked() && !skip->isEnabled());
    QVERIFY(!minimise->isChecked() && !minimise->isEnabled());
    QVERIFY(!teiji->isEnabled());

    group->button(2)->click();  // ｳｨﾝﾄﾞｳ入力: enabled again, still cleared
    QVERIFY(skip->isEnabled() && !skip->isChecked());
    QVERIFY(minimise->isEnabled() && teiji->isEnabled());
    f.ok();
    QCOMPARE(f.stored("System", "StartAutoIn"), QStringLiteral("2"));
    QCOMPARE(f.stored("System", "StartPassSkip"), QStringLiteral("0"));
}

void SettingDialogTest::otherEnableRules() {
    DialogFixture f([](Settings& s) { s.StartTime2 = 9; });  // a unit the list does not have
    f.open();
    auto* overwrite = f.child<QComboBox>("EndOverWriteComboBox");
    auto* endAuto = f.child<RadioGroup>("EndAutoInRadioGroup");
    QVERIFY(!overwrite->isEnabled());
    endAuto->button(1)->click();  // 完全自動
    QVERIFY(overwrite->isEnabled());
    endAuto->button(2)->click();
    QVERIFY(!overwrite->isEnabled());

    auto* unit = f.child<QComboBox>("ZangyoTimeComboBox");
    QVERIFY(!unit->isEnabled());
    f.child<RadioGroup>("ZangyoAdjustRadioGroup")->button(3)->click();
    QVERIFY(unit->isEnabled());

    auto* daikyu = f.child<QCheckBox>("DaikyuCheckBox");
    QVERIFY(!f.child("DaikyuMemo")->isEnabled());
    daikyu->click();
    QVERIFY(f.child("DaikyuMemo")->isEnabled());

    // Exactly one target is chosen, and its field is the enabled one.
    auto* time = f.child<QCheckBox>("MokuTimeCheckBox");
    auto* takeHome = f.child<QCheckBox>("MokuTedoriCheckBox");
    QVERIFY(!time->isChecked() && takeHome->isChecked());
    time->click();
    QVERIFY(time->isChecked() && !takeHome->isChecked());
    QVERIFY(f.child("MokuTimeMemo")->isEnabled() && !f.child("MokuMemo")->isEnabled());
    time->click();
    QVERIFY(!time->isChecked() && takeHome->isChecked());

    auto* reserve = f.child<QCheckBox>("YukyuMokuZanDispCheckBox");
    QVERIFY(!f.child("YukyuMokuZanMemo")->isEnabled());
    reserve->click();
    QVERIFY(f.child("YukyuMokuZanMemo")->isEnabled());

    f.ok();
    QCOMPARE(f.stored("System", "StartTime2"), QStringLiteral("9"));  // kept as it was
    QCOMPARE(f.stored("System", "EndAutoIn"), QStringLiteral("2"));
    QCOMPARE(f.stored("System", "MokuhyoTime"), QStringLiteral("0"));
}

void SettingDialogTest::breakRowCommands() {
    DialogFixture f;
    f.open();
    BreakStringGrid* grid = f.breaks();
    for (int r = 1; r <= 10; ++r) {
        grid->setCell(r, 1, QStringLiteral("%1:00").arg(r));
        grid->setCell(r, 2, QStringLiteral("%1:30").arg(r));
    }
    auto column = [grid](int c) {
        QStringList texts;
        for (int r = 1; r <= 10; ++r) texts << grid->cell(r, c);
        return texts.join('|');
    };
    QAction* insert = grid->popupMenu()->findChild<QAction*>("InsertItem");
    QAction* remove = grid->popupMenu()->findChild<QAction*>("DeleteItem");
    QCOMPARE(insert->shortcut(), QKeySequence("Ctrl+Insert"));
    QCOMPARE(remove->shortcut(), QKeySequence("Ctrl+Delete"));

    grid->setCurrentCell1(10, 2);
    insert->trigger();
    QCOMPARE(column(1), QStringLiteral("1:00|2:00|3:00|4:00|5:00|6:00|7:00|8:00|9:00|"));
    QCOMPARE(column(2), QStringLiteral("1:30|2:30|3:30|4:30|5:30|6:30|7:30|8:30|9:30|"));

    grid->setCurrentCell1(1, 1);
    remove->trigger();
    QCOMPARE(column(1), QStringLiteral("2:00|3:00|4:00|5:00|6:00|7:00|8:00|9:00||"));
    QCOMPARE(grid->cell(1, 0).trimmed(), QStringLiteral("1"));  // the numbers stay

    grid->setCurrentCell1(3, 1);
    grid->popupMenu()->findChild<QAction*>("MoveUpItem")->trigger();
    QCOMPARE(column(1), QStringLiteral("2:00|4:00|3:00|5:00|6:00|7:00|8:00|9:00||"));
    QCOMPARE(grid->currentRow1(), 2);
    grid->popupMenu()->findChild<QAction*>("MoveDownItem")->trigger();
    QCOMPARE(column(1), QStringLiteral("2:00|3:00|4:00|5:00|6:00|7:00|8:00|9:00||"));
    QCOMPARE(grid->currentRow1(), 3);

    f.ok();
    QCOMPARE(f.stored("Setting", "Time01"), QStringLiteral(" 2:00, 2:30"));
    QCOMPARE(f.stored("Setting", "Time10"), QStringLiteral(","));
}

void SettingDialogTest::breakGridKeys() {
    DialogFixture f;
    TSetting& d = f.open();
    d.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&d));
    BreakStringGrid* grid = f.breaks();
    grid->setCurrentCell1(1, 1);
    grid->setFocus();
    QLineEdit* editor = grid->cellEditor();
    QVERIFY(editor != nullptr);

    // Typing goes into the cell; Ctrl+Insert in the editor inserts a row.
    editor->setText("12:15");
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(grid->cell(1, 1), QString());
    QCOMPARE(grid->cell(2, 1), QStringLiteral("12:15"));
    QTest::keyClick(grid->cellEditor(), Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(grid->cell(1, 1), QStringLiteral("12:15"));

    // Shift+Tab in the first cell goes back to the late-night end.
    grid->setCurrentCell1(1, 1);
    QTest::keyClick(grid->cellEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), f.child("SinyaEndMemo"));

    // Tab moves from cell to cell, and from the last one to the amounts.
    grid->setFocus();
    grid->setCurrentCell1(1, 2);
    QTest::keyClick(grid->cellEditor(), Qt::Key_Tab);
    QCOMPARE(grid->currentRow1(), 2);
    QCOMPARE(grid->currentColumn(), 1);
    grid->setCurrentCell1(10, 2);
    QTest::keyClick(grid->cellEditor(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), f.child("KihonMemo"));

    // Ctrl+Tab anywhere, the typed text kept.
    grid->setFocus();
    grid->setCurrentCell1(4, 1);
    grid->cellEditor()->setText("18:00");
    QTest::keyClick(grid->cellEditor(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), f.child("KihonMemo"));
    QCOMPARE(grid->cell(4, 1), QStringLiteral("18:00"));

    // Esc in a cell is the main window's Esc action; the dialog stays.
    grid->setFocus();
    QTest::keyClick(grid->cellEditor(), Qt::Key_Escape);
    QCOMPARE(f.escapes, 1);
    QVERIFY(d.isVisible());
    QCOMPARE(grid->cell(4, 1), QStringLiteral("18:00"));
}

void SettingDialogTest::closingDayQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("stored");

    QTest::newRow("Cancel keeps the dialog open")
        << int(QMessageBox::Cancel) << true << false << "31";
    QTest::newRow("Yes rebuilds the month") << int(QMessageBox::Yes) << false << true << "20";
    QTest::newRow("No keeps the month") << int(QMessageBox::No) << false << false << "20";
}

void SettingDialogTest::closingDayQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, open);
    QFETCH(bool, changed);
    QFETCH(QString, stored);
    DialogFixture f;
    f.open();
    f.setText("SimeDayMemo", "20");
    platform::testing::QueueMessageAnswer(static_cast<QMessageBox::StandardButton>(answer));
    f.ok();
    const auto log = platform::testing::TakeMessageLog();
    QCOMPARE(log.size(), std::size_t{1});
    QCOMPARE(log[0].caption, U("締日変更確認"));
    QCOMPARE(log[0].text, U("今月のﾃﾞｰﾀを新しい締日で、初期化作成しますか？\n"
                            "初期化作成すると、今月の入力済みﾃﾞｰﾀはすべて消去されます。"));
    QCOMPARE(log[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(f.dialog->isVisible(), open);
    QCOMPARE(f.dialog->outcome().simeDayChanged, changed);
    QCOMPARE(f.dialog->outcome().saved, !open);
    QCOMPARE(f.stored("System", "SimeDay"), stored);
    QCOMPARE(f.settings.SimeDay, stored.toInt());
    if (open)  // everything as it was, the new value still in the field
        QCOMPARE(f.child("SimeDayMemo")->text(), QStringLiteral("20"));
    QVERIFY(!f.waiting.isVisible());
}

void SettingDialogTest::escapeNeverCloses() {
    DialogFixture f;
    TSetting& d = f.open();
    QTest::keyClick(f.child("KihonMemo"), Qt::Key_Escape);
    QTest::keyClick(&d, Qt::Key_Escape);
    QCOMPARE(f.escapes, 2);
    QVERIFY(d.isVisible());
    // Not reachable by Tab, and not in the way of Enter.
    auto* esc = f.child<QPushButton>("EscButton");
    QCOMPARE(esc->focusPolicy(), Qt::NoFocus);
    QVERIFY(f.child<QPushButton>("OkButton")->isDefault());

    // The layout dialog hands Esc on too; the personal dialog has no Esc button.
    TPrintSettingForm& layout = d.printSetting();
    layout.show();
    QTest::keyClick(&layout, Qt::Key_Escape);
    QCOMPARE(f.escapes, 3);
    QVERIFY(layout.isVisible());
    layout.reject();
}

void SettingDialogTest::colourSlotRoundTrip() {
    DialogFixture f;
    f.open();
    auto* list = f.child<QComboBox>("CellColorComboBox");
    auto* check = f.child<QCheckBox>("CellColorCheckBox");
    auto* panel = f.child<ColorPanel>("CellColorPanel");
    QCOMPARE(list->currentText(), U("休日"));
    list->setCurrentIndex(6);  // 半ドン
    QCOMPARE(panel->caption(), U("半ドン"));
    QVERIFY(!check->isChecked());
    check->click();
    platform::testing::QueueChooserAnswer(QColor(0x12, 0x34, 0x56));
    QTest::mouseClick(panel, Qt::LeftButton);
    QCOMPARE(panel->color(), QColor(0x12, 0x34, 0x56));
    // The chooser started from the panel's colour, the window background.
    const auto log = platform::testing::TakeChooserLog();
    QCOMPARE(log.size(), std::size_t{1});
    QCOMPARE(std::get<QColor>(log[0]), panel->palette().color(QPalette::Base));
    // Cancelling the chooser changes nothing.
    platform::testing::QueueChooserAnswer(std::monostate{});
    QTest::mouseClick(panel, Qt::LeftButton);
    QCOMPARE(panel->color(), QColor(0x12, 0x34, 0x56));
    f.ok();

    QCOMPARE(f.stored("System", "CellColor8"), QString::number(0x563412));
    QCOMPARE(f.stored("System", "CellColorCheck8"), QStringLiteral("1"));
    QCOMPARE(f.stored("System", "CellColor6"), QStringLiteral("-2147483643"));
    QCOMPARE(f.stored("System", "CellColorCheck6"), QStringLiteral("0"));
    QCOMPARE(f.settings.CellColor[8], 0x563412);

    f.open();
    QCOMPARE(list->currentText(), U("半ドン"));  // the list keeps its item
    QVERIFY(check->isChecked());
    QCOMPARE(panel->color(), QColor(0x12, 0x34, 0x56));
    list->setCurrentIndex(7);  // 土曜 is slot 6
    QVERIFY(!check->isChecked());
    QCOMPARE(panel->caption(), U("土曜"));
    f.cancel();
}

void SettingDialogTest::holidayListReachesTheFile() {
    DialogFixture f;
    f.open();
    YearHolidayStringGrid* grid = f.holidayGrid();
    // The nine defaults, written at the first read.
    QVERIFY(FileExists(f.folder.file("Holiday.dat")));
    QCOMPARE(grid->cell(1, 1), U(" ○ "));
    QCOMPARE(grid->cell(1, 2), U("元旦"));
    const int row = HolidayRow(8, 13);
    grid->scrollTo(grid->model()->index(row - 1, 1));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                       grid->visualRect(grid->model()->index(row - 1, 1)).center());
    QCOMPARE(grid->cell(row, 1), U(" ○ "));
    grid->toggleMark(1);
    QCOMPARE(grid->cell(1, 1), QStringLiteral("    "));
    grid->setCell(row, 2, U("夏休み,前半"));
    f.ok();

    IniFile ini;
    QVERIFY(ini.load(f.folder.file("Holiday.dat")).ok());
    QCOMPARE(QString::fromStdString(ini.readString("HolidayData", std::to_string(row))),
             U("8月13日, ○ ,夏休み.前半,"));
    QCOMPARE(QString::fromStdString(ini.readString("HolidayData", "1")), U("1月 1日,,元旦,"));
    QCOMPARE(QString::fromStdString(f.holidays.at(8, 13).memo), U("夏休み.前半"));
    QVERIFY(f.dialog->outcome().holidaysChanged);
    QVERIFY(f.waiting.steps() == 366 && f.waiting.position() == 366);

    // Cancelled edits never reach the file and are gone at the next showing.
    f.open();
    grid->setCell(row, 2, U("取り消す"));
    f.cancel();
    f.open();
    QCOMPARE(grid->cell(row, 2), U("夏休み.前半"));
    f.ok();
    QVERIFY(!f.dialog->outcome().holidaysChanged);
}

void SettingDialogTest::cancelDiscardsSubDialogChanges() {
    DialogFixture f([](Settings& s) {
        s.KinPass = "old";
        s.PrintName = true;
    });
    TSetting& d = f.open();
    bool shown = false;
    WhenModal(d.printSetting(), [&](QDialog& layout) {
        shown = true;
        Child<QLineEdit>(layout, "ZangyoTitleEdit")->setText(U("月間残業"));
        Child<QComboBox>(layout, "ZangyoPrintMukiComboBox")->setCurrentIndex(1);
        Child<QPushButton>(layout, "OkButton")->click();
    });
    f.child<QPushButton>("PrintTiltleButton")->click();
    QVERIFY(shown);
    QCOMPARE(f.settings.ZangyoTitle, std::string("月間残業"));
    QCOMPARE(f.settings.ZangyoPrintMuki, PageOrientation::Landscape);

    auto namePerson = [](QDialog& info) {
        Child<QCheckBox>(info, "PrivateNameDispCheckBox")->setChecked(true);
        Child<QLineEdit>(info, "PrivateNameEdit")->setText(U("山田"));
        Child<QPushButton>(info, "OkButton")->click();
    };
    WhenModal(d.privateInfo(), namePerson);
    f.child<QPushButton>("PrivateInfoButton")->click();
    QVERIFY(f.settings.PrivateNameDisp);

    WhenModal(f.passChange, [](QDialog& change) {
        Child<QLineEdit>(change, "PassEdit1")->setText("new");
        Child<QLineEdit>(change, "PassEdit2")->setText("new");
        Child<QPushButton>(change, "OkButton")->click();
    });
    f.child<QPushButton>("KinPassChangeButton")->click();
    QCOMPARE(f.child("KinPassEdit")->text(), QStringLiteral("new"));

    f.cancel();
    QVERIFY(!d.isVisible());
    QCOMPARE(f.settings.ZangyoTitle, std::string("残業時間一覧表"));
    QCOMPARE(f.settings.ZangyoPrintMuki, PageOrientation::Portrait);
    QVERIFY(!f.settings.PrivateNameDisp);
    QCOMPARE(f.settings.KinPass, std::string("old"));
    QCOMPARE(f.stored("System", "ZangyoTitle"), U("残業時間一覧表"));
    QCOMPARE(f.stored("System", "KinPass"), QStringLiteral("dlo"));
    QVERIFY(!d.outcome().saved);

    // The same changes are stored by "登 録".
    f.open();
    WhenModal(d.privateInfo(), namePerson);
    f.child<QPushButton>("PrivateInfoButton")->click();
    f.ok();
    QCOMPARE(f.stored("System", "PrivateNameDisp"), QStringLiteral("1"));
    QCOMPARE(f.stored("System", "PrivateName"), U("山田"));
}

void SettingDialogTest::printPositionClashes_data() {
    QTest::addColumn<bool>("printPage");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("date");
    QTest::addColumn<int>("name");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("focus");

    const QString pageDate = U("[ﾍﾟｰｼﾞ数]と[印刷日付]の印刷位置を同じ設定にする事はできません。");
    const QString nameMonth =
        U("[所属と氏名]と[一覧表年月]の印刷位置を同じ設定にする事はできません。");
    QTest::newRow("page and date")
        << true << 1 << 1 << 0 << 2 << pageDate << "PagePositionComboBox";
    QTest::newRow("name and month")
        << true << 1 << 2 << 2 << 2 << nameMonth << "NamePositionComboBox";
    QTest::newRow("both: only the name message")
        << true << 0 << 0 << 1 << 1 << nameMonth << "NamePositionComboBox";
    QTest::newRow("page not printed") << false << 1 << 1 << 0 << 2 << QString() << QString();
}

void SettingDialogTest::printPositionClashes() {
    QFETCH(bool, printPage);
    QFETCH(int, page);
    QFETCH(int, date);
    QFETCH(int, name);
    QFETCH(int, month);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Settings settings;
    TPrintSettingForm layout(settings);
    layout.setPrintedItems(true, printPage, true);
    layout.show();
    layout.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&layout));
    Child<QComboBox>(layout, "PagePositionComboBox")->setCurrentIndex(page);
    Child<QComboBox>(layout, "DatePositionComboBox")->setCurrentIndex(date);
    Child<QComboBox>(layout, "NamePositionComboBox")->setCurrentIndex(name);
    Child<QComboBox>(layout, "MonthPositionComboBox")->setCurrentIndex(month);
    Child<QPushButton>(layout, "OkButton")->click();
    const auto log = platform::testing::TakeMessageLog();
    if (message.isEmpty()) {
        QVERIFY(log.empty());
        QVERIFY(!layout.isVisible());
        QCOMPARE(settings.PagePosition, static_cast<PrintAlignment>(page));
        return;
    }
    QCOMPARE(log.size(), std::size_t{1});
    QCOMPARE(log[0].caption, U("設定エラー"));
    QCOMPARE(log[0].text, message);
    QCOMPARE(log[0].icon, QMessageBox::Warning);
    QVERIFY(layout.isVisible());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(settings.PagePosition, PrintAlignment::Centre);  // nothing written
}

void SettingDialogTest::printLayoutWritesOnConfirm() {
    Settings settings;
    settings.ListFontStyle = 1;
    TPrintSettingForm layout(settings);
    layout.setPrintedItems(false, true, true);
    layout.show();
    // The name row follows "所属・氏名を印刷する".
    QVERIFY(!Child<QLineEdit>(layout, "NameTitleEdit")->isEnabled());
    QVERIFY(!Child<QPushButton>(layout, "NameFontButton")->isEnabled());
    QVERIFY(Child<QPushButton>(layout, "PageFontButton")->isEnabled());
    QCOMPARE(Child<QLineEdit>(layout, "ListFontEdit")->text(), U("ＭＳ ゴシック  9ﾎﾟｲﾝﾄ"));
    QVERIFY(Child<QLineEdit>(layout, "ListFontEdit")->font().bold());
    QCOMPARE(Child<QPushButton>(layout, "ListFontButton")->property("tag").toInt(), 4);

    QFont chosen(QStringLiteral("IPAGothic"));
    chosen.setPointSize(11);
    chosen.setItalic(true);
    platform::testing::QueueChooserAnswer(chosen);
    Child<QPushButton>(layout, "ListFontButton")->click();
    QCOMPARE(Child<QLineEdit>(layout, "ListFontEdit")->text(), U("IPAGothic  11ﾎﾟｲﾝﾄ"));
    QCOMPARE(settings.ListFontName, std::string("ＭＳ ゴシック"));  // not before "確 定"
    Child<QPushButton>(layout, "OkButton")->click();
    QCOMPARE(settings.ListFontName, std::string("IPAGothic"));
    QCOMPARE(settings.ListFontSize, 11);
    QCOMPARE(settings.ListFontStyle, 2);

    // "ｷｬﾝｾﾙ" writes nothing.
    layout.show();
    Child<QLineEdit>(layout, "YearTitleEdit")->setText("x");
    Child<QPushButton>(layout, "CancelButton")->click();
    QCOMPARE(settings.YearTitle, std::string("残業時間一覧表"));
}

// A registry file nobody may write: the commit says so, the file and the
// program keep the stored settings, and the edits wait in the dialog.
void SettingDialogTest::readOnlyRegistryLosesNothing() {
    DialogFixture f;
    std::string before;
    QVERIFY(ReadWholeFile(f.registryPath, before).ok());
    ::chmod(f.registryPath.c_str(), 0400);

    f.open();
    f.setText("KihonMemo", "300000");
    f.holidayGrid()->setCell(HolidayRow(12, 29), 1, U(" ○ "));
    f.ok();
    const auto log = MessageTexts();
    QCOMPARE(log.size(), std::size_t{1});
    QVERIFY2(log[0].startsWith(U("設定エラー:設定を保存できませんでした。\n") +
                               QString::fromStdString(f.registryPath)),
             qPrintable(log[0]));
    QVERIFY(f.dialog->isVisible());
    QVERIFY(!f.waiting.isVisible());
    QVERIFY(!f.dialog->outcome().saved);
    QCOMPARE(f.child("KihonMemo")->text(), QStringLiteral("300000"));
    QCOMPARE(f.holidayGrid()->cell(HolidayRow(12, 29), 1), U(" ○ "));
    QCOMPARE(f.settings.pay.basicSalary, 200000);
    std::string after;
    QVERIFY(ReadWholeFile(f.registryPath, after).ok());
    QVERIFY(after == before);
    QVERIFY(f.holidays.at(12, 29).mark.empty());  // Holiday.dat waits as well

    // Writable again, the same edits are stored.
    ::chmod(f.registryPath.c_str(), 0600);
    f.ok();
    QVERIFY(!f.dialog->isVisible());
    QCOMPARE(f.stored("Setting", "Kin01"), QStringLiteral("300000"));
    QCOMPARE(f.settings.pay.basicSalary, 300000);
    QCOMPARE(f.holidays.at(12, 29).mark, std::string(" ○ "));
}

void SettingDialogTest::readCurrentLoadsTheMainUser() {
    DialogFixture f([](Settings& s) { s.SimeDay = 20; });  // the main user's
    AnnualHolidayTable mainList = AnnualHolidayTable::Defaults();
    mainList.row(HolidayRow(8, 14)).mark = " ○ ";
    mainList.row(HolidayRow(8, 14)).memo = "お盆";
    AnnualHolidayTable scratch;
    QVERIFY(WriteHolidayList(f.folder.file("Holiday.dat"), mainList, scratch).ok());

    f.open();
    QVERIFY(!f.child<QPushButton>("ReadCurrentButton")->isEnabled());
    f.cancel();

    f.store.setCurrentUser("taro");
    std::filesystem::create_directory(f.folder.file("taro"));
    f.store.LoadSettings(f.settings);  // a new user: first-run values
    f.open();
    QVERIFY(f.child<QPushButton>("ReadCurrentButton")->isEnabled());
    QCOMPARE(f.child("SimeDayMemo")->text(), QStringLiteral("31"));
    QCOMPARE(f.holidayGrid()->cell(HolidayRow(8, 14), 2), QString());
    f.child<QPushButton>("ReadCurrentButton")->click();
    QCOMPARE(f.child("SimeDayMemo")->text(), QStringLiteral("20"));
    QCOMPARE(f.holidayGrid()->cell(HolidayRow(8, 14), 2), U("お盆"));
    QCOMPARE(f.store.currentUser(), std::string("taro"));
    QCOMPARE(f.holidays.at(8, 14).memo, std::string());  // the calendar keeps taro's list

    // "登 録" stores the main user's values as taro's own; the change of
    // closing day is asked as usual.
    platform::testing::QueueMessageAnswer(QMessageBox::No);
    f.ok();
    IniRegistryStore reread(f.registryPath);
    QVERIFY(reread.readValue("Software\\Varnholt\\Zangyo\\User\\taro\\System", "SimeDay") ==
            std::optional<std::string>("20"));
    IniFile taroList;
    QVERIFY(taroList.load(f.folder.file("taro/Holiday.dat")).ok());
    QCOMPARE(QString::fromStdString(
                 taroList.readString("HolidayData", std::to_string(HolidayRow(8, 14)))),
             U("8月14日, ○ ,お盆,"));
}

namespace {

// Every caption of `root` fits its control, and no control sticks out of
// the group or page it sits on.
bool PlacedByUs(const QWidget* w, const QWidget& root) {
    const QWidget* parent = w->parentWidget();
    return parent == &root || qobject_cast<const QGroupBox*>(parent) ||
           parent->objectName().endsWith("Content");
}

void CheckNothingClipped(QWidget& root) {
    for (QWidget* w : root.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&root) || w->isWindow() || w->objectName() == "EscButton" ||
            !PlacedByUs(w, root))
            continue;
        const QString what = w->objectName().isEmpty()
                                 ? QString::fromLatin1(w->metaObject()->className()) + ":" +
                                       w->property("text").toString()
                                 : w->objectName();
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(what));
        if (auto* wrap = qobject_cast<WrappingCheckBox*>(w)) {
            QVERIFY2(wrap->heightForWidth(wrap->width()) <= wrap->height(), qPrintable(what));
            continue;
        }
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            // A push button's size hint has a minimum width of the style's;
            // what matters is that its caption fits.
            const int text = button->fontMetrics().horizontalAdvance(button->text()) + 8;
            QVERIFY2(text <= button->width(),
                     qPrintable(QStringLiteral("%1: %2 > %3").arg(what).arg(text).arg(w->width())));
            continue;
        }
        const bool caption = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QComboBox*>(w);
        if (caption && !qobject_cast<ColorPanel*>(w)) {
            QVERIFY2(w->sizeHint().width() <= w->width() + 1,
                     qPrintable(QStringLiteral("%1: %2 > %3")
                                    .arg(what)
                                    .arg(w->sizeHint().width())
                                    .arg(w->width())));
        }
        if (auto* box = qobject_cast<QGroupBox*>(w)) {
            const int title = box->fontMetrics().horizontalAdvance(box->title()) + 16;
            QVERIFY2(title <= box->width(), qPrintable(box->title()));
        }
    }
}

}  // namespace

void SettingDialogTest::captionsAreNotClipped() {
    DialogFixture f;
    TSetting& d = f.open();
    for (int i = 0; i < d.pages()->count(); ++i) {
        d.pages()->setCurrentIndex(i);
        CheckNothingClipped(*d.pages()->currentWidget());
    }
    // The four page captions side by side, none cut.
    QTabBar* tabs = d.pages()->tabBar();
    int width = 0;
    for (int i = 0; i < tabs->count(); ++i) {
        QVERIFY(tabs->tabRect(i).width() >=
                tabs->fontMetrics().horizontalAdvance(tabs->tabText(i)));
        width += tabs->tabRect(i).width();
    }
    QVERIFY(width <= d.pages()->width());
    CheckNothingClipped(d.printSetting());
    CheckNothingClipped(d.privateInfo());
    CheckNothingClipped(d.kyoteiSetting());
    f.cancel();
}

// On a screen too small for the dialog (as at a large scale factor) it
// shrinks to the screen, and scrolling brings every field into view.
void SettingDialogTest::everyFieldIsReachable() {
    DialogFixture f;
    TSetting& d = f.open();
    const QRect screen = d.screen()->availableGeometry();
    QVERIFY(d.width() <= screen.width() && d.height() <= screen.height());
    if (screen.width() >= 438 && screen.height() >= 531)
        QCOMPARE(d.size(), QSize(430, 491));
    for (QPushButton* b : {f.child<QPushButton>("OkButton"), f.child<QPushButton>("CancelButton")})
        QVERIFY(d.rect().contains(b->geometry()));
    for (int i = 0; i < d.pages()->count(); ++i) {
        d.pages()->setCurrentIndex(i);
        auto* page = qobject_cast<QScrollArea*>(d.pages()->currentWidget());
        QVERIFY(page != nullptr);
        for (QWidget* w : page->widget()->findChildren<QWidget*>()) {
            if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(page) ||
                !PlacedByUs(w, *page->widget()))
                continue;
            const QRect r(w->mapTo(page->widget(), QPoint(0, 0)), w->size());
            page->ensureVisible(r.center().x(), r.center().y(), r.width() / 2 + 1,
                                r.height() / 2 + 1);
            // A field is reachable when it can be seen: a tall grid at least in part.
            const QRect inViewport(w->mapTo(page->viewport(), QPoint(0, 0)), w->size());
            const QRect seen = inViewport.intersected(page->viewport()->rect());
            QVERIFY2(seen.width() >= std::min(w->width(), 40) &&
                         seen.height() >= std::min(w->height(), 40),
                     qPrintable(QStringLiteral("%1 at %2,%3 in %4x%5")
                                    .arg(w->objectName())
                                    .arg(inViewport.x())
                                    .arg(inViewport.y())
                                    .arg(page->viewport()->width())
                                    .arg(page->viewport()->height())));
        }
    }
    f.cancel();
}

// The agreement's dialog writes the record on "確 定", every value tidied;
// "登 録" stores it, and the summary beside its button follows.
void SettingDialogTest::kyoteiSettingsReachTheRegistry() {
    DialogFixture f;
    TSetting& d = f.open();
    d.pages()->setCurrentIndex(3);
    auto* summary = f.child<QLabel>("KyoteiSummaryLabel");
    QCOMPARE(summary->text(), U("4月から・月 45:00・年 360:00"));
    bool shown = false;
    WhenModal(d.kyoteiSetting(), [&](QDialog& form) {
        shown = true;
        auto field = [&](const char* name) { return Child<QLineEdit>(form, name); };
        QVERIFY(!field("KyoteiSpecialYearLimitMemo")->isEnabled());
        QVERIFY(!field("KyoteiOverMonthsMemo")->isEnabled());
        Child<QCheckBox>(form, "KyoteiSpecialCheckBox")->setChecked(true);
        QVERIFY(field("KyoteiSpecialYearLimitMemo")->isEnabled());
        QVERIFY(field("KyoteiOverMonthsMemo")->isEnabled());
        field("KyoteiStartMonthMemo")->setText("13");  // not a month: April
        field("KyoteiMonthLimitMemo")->setText("40");
        Leave(field("KyoteiMonthLimitMemo"));
        QCOMPARE(field("KyoteiMonthLimitMemo")->text(), U(" 40:00"));
        field("KyoteiYearLimitMemo")->setText("abc");  // unreadable: the scheme's limit
        field("KyoteiSpecialYearLimitMemo")->setText("700:00");
        field("KyoteiOverMonthsMemo")->setText("5");
        field("KyoteiWarnPercentMemo")->setText("0");  // no share: 80
        field("Premium60RateMemo")->setText("1875");
        Leave(field("Premium60RateMemo"));
        QCOMPARE(field("Premium60RateMemo")->text(), U("1,875"));
        Child<QPushButton>(form, "OkButton")->click();
    });
    f.child<QPushButton>("KyoteiSettingButton")->click();
    QVERIFY(shown);
    QCOMPARE(f.settings.KyoteiMonthLimit.text(), std::string(" 40:00"));
    QCOMPARE(summary->text(), U("4月から・月 40:00・年 700:00・特別条項"));
    QCOMPARE(f.stored("System", "KyoteiMonthLimit"), U(" 45:00"));  // not before "登 録"

    f.ok();
    QCOMPARE(f.stored("System", "KyoteiStartMonth"), U("4"));
    QCOMPARE(f.stored("System", "KyoteiSpecial"), U("1"));
    QCOMPARE(f.stored("System", "KyoteiMonthLimit"), U(" 40:00"));
    QCOMPARE(f.stored("System", "KyoteiYearLimit"), U("360:00"));
    QCOMPARE(f.stored("System", "KyoteiSpecialYearLimit"), U("700:00"));
    QCOMPARE(f.stored("System", "KyoteiOverMonths"), U("5"));
    QCOMPARE(f.stored("System", "KyoteiWarnPercent"), U("80"));
    QCOMPARE(f.stored("System", "Premium60Rate"), U("1875"));
}

void SettingDialogTest::kyoteiSchemeProposesItsLimits_data() {
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("proposedMonth");
    QTest::addColumn<QString>("proposedYear");
    QTest::newRow("standard limits become the scheme's")
        << U(" 45:00") << U("360:00") << U(" 42:00") << U("320:00");
    QTest::newRow("typed limits stay") << U(" 40:00") << U("300:00") << U(" 40:00") << U("300:00");
    QTest::newRow("one of each") << U("45:00") << U("350:00") << U(" 42:00") << U("350:00");
}

void SettingDialogTest::kyoteiSchemeProposesItsLimits() {
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, proposedMonth);
    QFETCH(QString, proposedYear);
    DialogFixture f;
    TKyoteiSettingForm& form = f.open().kyoteiSetting();
    form.show();
    auto* monthField = Child<QLineEdit>(form, "KyoteiMonthLimitMemo");
    auto* yearField = Child<QLineEdit>(form, "KyoteiYearLimitMemo");
    monthField->setText(month);
    yearField->setText(year);
    auto* variable = Child<QCheckBox>(form, "KyoteiVariableCheckBox");
    variable->click();
    QCOMPARE(monthField->text(), proposedMonth);
    QCOMPARE(yearField->text(), proposedYear);
    // Back to the ordinary scheme: its own limits return where the proposal stood.
    variable->click();
    if (proposedMonth == U(" 42:00")) {
        QCOMPARE(monthField->text(), U(" 45:00"));
    }
    if (proposedYear == U("320:00")) {
        QCOMPARE(yearField->text(), U("360:00"));
    }
    form.reject();
    f.cancel();
}

}  // namespace tkv::test

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tkv::platform::InstallFontSubstitutions();
    tkv::test::SettingDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "setting_dialog_test.moc"
