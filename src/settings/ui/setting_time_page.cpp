#include "settings/ui/setting_time_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "platform/text_convert.h"
#include "settings/settings.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;
using namespace setting_parts;

namespace {

// A list shows the stored code as its index; a code the list does not have
// selects nothing and is kept as it was.
template <typename T>
void Show(QComboBox* list, T code) {
    list->setCurrentIndex(static_cast<int>(code));
}

template <typename T>
void Take(const QComboBox* list, T& code) {
    if (list->currentIndex() >= 0)
        code = static_cast<T>(list->currentIndex());
}

template <typename T>
void Take(const RadioGroup* group, T& code) {
    code = static_cast<T>(group->index());
}

}  // namespace

SettingTimePage::SettingTimePage(QWidget* parent)
    : SettingPage("TimeAdjustTabSheet", platform::HelpTopic::SettingsTime, parent) {
    QWidget* page = content();

    // One group each for arrival and leaving, built alike.
    struct Side {
        RadioGroup* adjust;
        QComboBox* unit;
        RadioGroup* autoIn;
        QComboBox* extra;
    };
    auto side = [&](int x, const char* title, const char* adjustName, const char* adjustHint,
                    const char* unitName, const char* unitHint, const char* autoName,
                    const char* autoTitle, const char* autoHint, const char* extraName,
                    const QStringList& extraItems, const char* extraHint) {
        QGroupBox* g = Group(page, title, {x, 4, 195, 209});
        Side s{};
        s.adjust = new RadioGroup(g, adjustName, "調整方法", RoundMethodItems(), 2,
                                  {6, 16, 183, 56}, adjustHint);
        QGroupBox* unitGroup = Group(g, "時刻調整", {6, 74, 183, 46});
        s.unit = Combo(unitGroup, unitName, RoundUnitItems(), {8, 18, 167, 20}, unitHint);
        s.autoIn = new RadioGroup(g, autoName, autoTitle, AutoInputItems(), 2, {6, 123, 183, 56},
                                  autoHint);
        s.extra = Combo(g, extraName, extraItems, {6, 183, 183, 20}, extraHint);
        return s;
    };
    const Side start =
        side(6, "出社時刻調整", "StartAdjustRadioGroup",
             "出社時刻をどのように調整する(丸める)のかを設定します。", "StartTimeComboBox",
             "出社時刻を調整する(丸める)ときの調整間隔を設定します。", "StartAutoInRadioGroup",
             "起動時の自動入力", "起動時の自動入力機能を選択します。", "StartTeijiInComboBox",
             {ToQString("定時入力を行わない"), ToQString("定時より早い場合定時を入力"),
              ToQString("常に定時を入力する")},
             "[起動時の自動入力]が「しない」以外の時、\r\n定時の自動入力を行うかを選択します。");
    m_startAdjust = start.adjust;
    m_startTime = start.unit;
    m_startAutoIn = start.autoIn;
    m_startTeijiIn = start.extra;
    const Side end =
        side(216, "退社時刻調整", "EndAdjustRadioGroup",
             "退社時刻をどのように調整する(丸める)のかを設定します。", "EndTimeComboBox",
             "退社時刻を調整する(丸める)ときの調整間隔を設定します。", "EndAutoInRadioGroup",
             "終了時の自動入力", "終了時の自動入力機能を選択します。", "EndOverWriteComboBox",
             {ToQString("退社時刻を上書きする"), ToQString("退社時刻の上書き確認をする"),
              ToQString("退社時刻を上書きしない")},
             "[終了時の自動入力]"
             "が「完全自動」で、すでに退社時刻が\r\n入力されている時の処理を選択します。");
    m_endAdjust = end.adjust;
    m_endTime = end.unit;
    m_endAutoIn = end.autoIn;
    m_endOverWrite = end.extra;

    QGroupBox* options = Group(page, "時刻調整ｵﾌﾟｼｮﾝ", {6, 217, 195, 98});
    m_noAutoInAdjust =
        Check(options, "NoAutoInAdjustCheckBox", "自動入力では時刻調整しない", {8, 17, 181, 18},
              "出社・退社時刻の自動入力と現在時刻入力では、時刻の調整（丸め）を行いません。");
    m_calcTimeAdjust = Check(options, "CalcTimeAdjustCheckBox", "時刻調整を[再計算]時に行う",
                             {8, 36, 181, 18}, "[再計算]を行う時、出社･退社時刻も調整します。");
    m_startPassSkip = Check(options, "StartPassSkipCheckBox", "ﾊﾟｽﾜｰﾄﾞ入力をｽｷｯﾌﾟする",
                            {8, 55, 181, 18}, "出社時刻自動入力時、ﾊﾟｽﾜｰﾄﾞ入力をｽｷｯﾌﾟします。");
    m_startAutoMinimize = Check(options, "StartAutoMinimizeCheckBox", "自動入力後、ｱｲｺﾝ化する",
                                {8, 74, 181, 18}, "出社時刻自動入力後、ｱｲｺﾝ化します。");

    m_clickAuto = new RadioGroup(
        page, "ClickAutoRadioGroup", "表のﾀﾞﾌﾞﾙｸﾘｯｸ動作",
        {ToQString("定時時刻 / +Shiftで現在時刻"), ToQString("現在時刻 / +Shiftで定時時刻")}, 1,
        {6, 319, 195, 58}, "残業時間一覧表のをﾀﾞﾌﾞﾙｸﾘｯｸした時の動作を設定します。");

    QGroupBox* overtime = Group(page, "残業時間調整", {216, 217, 195, 132});
    m_zangyoAdjust = new RadioGroup(
        overtime, "ZangyoAdjustRadioGroup", "調整方法", RoundMethodItems(), 2, {6, 16, 183, 56},
        "残業時間の自動計算をどのように調整する(丸める)のかを設定します。");
    m_zangyoTime = Combo(overtime, "ZangyoTimeComboBox", RoundUnitItems(), {6, 78, 183, 20},
                         "残業時間の自動計算を調整する(丸める)ときの調整間隔を設定します。");
    Label(overtime, "最低残業時間", {8, 106, 90, 16});
    m_zanLowLimit =
        Field(overtime, "ZanLowLimitMemo", {100, 104, 44, 20},
              "最低残業時間を設定します。\r\nこの時間未満だと、残業時間は「0」となります。");

    for (RadioGroup* g : {m_startAdjust, m_endAdjust, m_zangyoAdjust, m_endAutoIn})
        connect(g, &RadioGroup::indexChanged, this, &SettingTimePage::applyEnableRules);
    connect(m_startAutoIn, &RadioGroup::indexChanged, this,
            &SettingTimePage::StartAutoInRadioGroupClick);
}

void SettingTimePage::StartAutoInRadioGroupClick(int index) {
    // Without an automatic arrival there is nothing to skip or minimise after.
    if (index == 0) {
        m_startPassSkip->setChecked(false);
        m_startAutoMinimize->setChecked(false);
    }
    applyEnableRules();
}

void SettingTimePage::applyEnableRules() {
    m_startTime->setEnabled(m_startAdjust->index() != 0);
    m_endTime->setEnabled(m_endAdjust->index() != 0);
    m_zangyoTime->setEnabled(m_zangyoAdjust->index() != 0);
    const bool startAuto = m_startAutoIn->index() != 0;
    m_startAutoMinimize->setEnabled(startAuto);
    m_startPassSkip->setEnabled(startAuto);
    m_startTeijiIn->setEnabled(startAuto);
    m_endOverWrite->setEnabled(m_endAutoIn->index() == 1);
}

void SettingTimePage::load(const Settings& s) {
    m_startAdjust->setIndex(static_cast<int>(s.StartAdjustSelect));
    Show(m_startTime, s.StartTime2);
    Show(m_startTeijiIn, s.StartTeijiIn);
    m_endAdjust->setIndex(static_cast<int>(s.EndAdjustSelect));
    Show(m_endTime, s.EndTime2);
    m_endAutoIn->setIndex(static_cast<int>(s.EndAutoIn));
    Show(m_endOverWrite, s.EndOverWrite);
    m_noAutoInAdjust->setChecked(s.NoAutoInAdjust);
    m_calcTimeAdjust->setChecked(s.CalcTimeAdjust);
    m_startPassSkip->setChecked(s.StartPassSkip);
    m_startAutoMinimize->setChecked(s.StartAutoMinimize);
    m_clickAuto->setIndex(static_cast<int>(s.ClickAutoSelect));
    m_zangyoAdjust->setIndex(static_cast<int>(s.ZangyoAdjustSelect));
    Show(m_zangyoTime, s.ZangyoTime2);
    m_zanLowLimit->setText(ToQString(s.times.minimumOvertime.text()));
    // Last: its rule may clear the two check boxes above.
    m_startAutoIn->setIndex(static_cast<int>(s.StartAutoIn));
    StartAutoInRadioGroupClick(m_startAutoIn->index());
}

void SettingTimePage::store(Settings& s) {
    Take(m_startAdjust, s.StartAdjustSelect);
    Take(m_startTime, s.StartTime2);
    Take(m_startAutoIn, s.StartAutoIn);
    Take(m_startTeijiIn, s.StartTeijiIn);
    Take(m_endAdjust, s.EndAdjustSelect);
    Take(m_endTime, s.EndTime2);
    Take(m_endAutoIn, s.EndAutoIn);
    Take(m_endOverWrite, s.EndOverWrite);
    s.NoAutoInAdjust = m_noAutoInAdjust->isChecked();
    s.CalcTimeAdjust = m_calcTimeAdjust->isChecked();
    s.StartPassSkip = m_startPassSkip->isChecked();
    s.StartAutoMinimize = m_startAutoMinimize->isChecked();
    Take(m_clickAuto, s.ClickAutoSelect);
    Take(m_zangyoAdjust, s.ZangyoAdjustSelect);
    Take(m_zangyoTime, s.ZangyoTime2);
    s.times.minimumOvertime = ToUtf8(m_zanLowLimit->text());
}

}  // namespace tkv
