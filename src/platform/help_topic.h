#pragma once

#include <span>

class QWidget;

namespace tkv::platform {

// The topics of the user guide. Each number is an anchor of help/index.html,
// so F1 can open the part of the guide that belongs to the window in front.
// 40, 50, 60, 65, 70, 71, 72 and 80 are the topic numbers the windows have
// always had; the others fill the gaps between them.
enum class HelpTopic : int {
    Contents = 0,          // the table of contents at the top of the guide
    MainWindow = 10,       // TZangyoMain
    DayGrid = 11,          // entering days: kinds, times, memos, popup menus
    TimeAdjust = 12,       // TTimeAdjust: automatic arrival and leaving input
    TimeSet = 13,          // TTimeSet: hand-entered overtime
    Templates = 14,        // TUseTimeSetForm, TUseMemoSetForm
    Jump = 15,             // TJump
    Calculation = 16,      // how overtime and working time are computed
    PayWindow = 20,        // TTotal
    TargetBar = 21,        // the target bar and the leave indicator
    KyoteiCheck = 22,      // TKyoteiCheck and the overtime-agreement meter
    Password = 25,         // TPass, TPassChangeForm
    LeaveWindow = 30,      // TYuuKyu
    LeaveDelete = 31,      // TVacDel, TVacDel2
    YearTotal = 40,        // TYearTotal
    PeriodList = 45,       // TTokuSyukeiForm
    SettingsWork = 50,     // TSetting, page 勤務・金額設定
    SettingsTime = 60,     // page 時刻調整設定
    SettingsHoliday = 65,  // page 休日・ｶﾚﾝﾀﾞｰ設定
    SettingsPrint = 70,    // page 印刷・その他の設定
    PrintLayout = 71,      // TPrintSettingForm
    PrivateInfo = 72,      // TPrivateInfoForm
    KyoteiSetting = 73,    // TKyoteiSettingForm
    Preview = 80,          // TPreviewForm
    PrintAndCsv = 81,      // printing the lists, PDF and CSV files
    Resident = 85,         // tray, Esc, closing, session end, idle tool
    Users = 86,            // several users
    Files = 90,            // the files and where they live
    Cli = 95,              // tokivane-cli
    LoginHooks = 96,       // recording arrival and leaving at login and logout
    About = 99,            // TAboutBox
};

// Every topic above, for checks that the guide has them all.
std::span<const HelpTopic> AllHelpTopics();

// Gives a window (or a page inside one) its topic: one line in the window's
// constructor, `SetHelpTopic(this, HelpTopic::Jump);`.
void SetHelpTopic(QWidget* widget, HelpTopic topic);

// The topic for F1 pressed on `widget`: the nearest topic from the widget up
// to its window. When that is the window's own (or there is none), the
// current page of a tab widget in the window that has a topic wins, so F1 on
// a dialog's OK button opens the page in front. Contents when nothing has one.
HelpTopic HelpTopicFor(const QWidget* widget);

}  // namespace tkv::platform
