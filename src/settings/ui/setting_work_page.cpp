#include "settings/ui/setting_work_page.h"

#include <tuple>
#include <utility>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

#include "base/text_util.h"
#include "platform/text_convert.h"
#include "settings/setting_fields.h"
#include "settings/settings.h"
#include "settings/ui/break_grid.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;
using namespace setting_parts;

namespace {

struct AmountField {
    const char* name;
    const char* label;
    const char* hint;
    int PaySettings::*member;
};

// In the order of the group, top to bottom.
constexpr std::array<AmountField, 10> kAmounts{{
    {"KihonMemo", "基本給額", "基本給を設定します。", &PaySettings::basicSalary},
    {"TeateMemo", "手当金額", "手当金額を設定します。", &PaySettings::allowances},
    {"ElseMemo", "その他支給額", "その他に支給される金額を設定します。",
     &PaySettings::otherPayments},
    {"ZanMemo", "平日普通単価", "平日の普通残業単価を設定します。",
     &PaySettings::weekdayOvertimeRate},
    {"SZanMemo", "平日深夜単価", "平日の深夜残業単価を設定します。",
     &PaySettings::weekdayLateNightRate},
    {"KZanMemo", "休日普通単価", "休日の普通残業単価を設定します。",
     &PaySettings::holidayOvertimeRate},
    {"KSZanMemo", "休日深夜単価", "休日の深夜残業単価を設定します。",
     &PaySettings::holidayLateNightRate},
    {"HZanMemo", "法定普通単価", "法定休日の普通残業単価を設定します。",
     &PaySettings::statutoryOvertimeRate},
    {"HSZanMemo", "法定深夜単価", "法定休日の深夜残業単価を設定します。",
     &PaySettings::statutoryLateNightRate},
    {"TenbikiMemo", "給与天引き", "財形貯蓄などの天引きされる金額を設定します。",
     &PaySettings::deductions},
}};

constexpr int Pitch = 23;
constexpr int FieldHeight = 20;

}  // namespace

SettingWorkPage::SettingWorkPage(QWidget* parent)
    : SettingPage("KinmuTabSheet", platform::HelpTopic::SettingsWork, parent) {
    QWidget* page = content();

    // 勤務設定: closing day, ratio, standard and late-night times, breaks.
    QGroupBox* work = Group(page, "勤務設定", {6, 4, 195, 249});
    int y = 18;
    Label(work, "残業締日", {8, y + 2, 56, 16});
    m_simeDay = Field(work, "SimeDayMemo", {66, y, 33, FieldHeight},
                      "残業を計算するための締め日を設定します。");
    m_flexTime = Check(work, "FlexTimeCheckBox", "ﾌﾚｯｸｽﾀｲﾑ", {108, y + 1, 84, 18},
                       "ﾌﾚｯｸｽﾀｲﾑ制の場合ﾁｪｯｸします。");
    y += Pitch;
    Label(work, "手取り掛け率", {8, y + 2, 76, 16});
    m_kake = Field(work, "KakeMemo", {86, y, 40, FieldHeight},
                   "手取り金額÷支給金額の率(%)を設定します。");
    Label(work, "%", {129, y + 2, 16, 16});
    auto timeRow = [&](const char* label, const char* first, const char* firstHint,
                       const char* second, const char* secondHint) {
        y += Pitch;
        Label(work, label, {8, y + 2, 56, 16});
        SingleLineEdit* a = Field(work, first, {66, y, 44, FieldHeight}, firstHint);
        Label(work, "～", {112, y + 2, 14, 16});
        SingleLineEdit* b = Field(work, second, {127, y, 44, FieldHeight}, secondHint);
        return std::pair{a, b};
    };
    std::tie(m_start, m_end) = timeRow("定時時間", "StartMemo", "定時開始時刻を設定します。",
                                       "EndMemo", "定時終了時刻を設定します。");
    std::tie(m_sinya, m_sinyaEnd) =
        timeRow("深夜残業", "SinyaMemo", "深夜残業開始時刻を設定します。", "SinyaEndMemo",
                "深夜残業終了時刻を設定します。");
    std::tie(m_handon, m_handonEnd) =
        timeRow("半 ド ン", "HandonMemo", "半ドンの定時開始時刻を設定します。", "HandonEndMemo",
                "半ドンの定時終了時刻を設定します。");
    y += Pitch + 1;
    Label(work, "休憩時間", {8, y + 2, 56, 16});
    m_breaks = new BreakStringGrid(work);
    m_breaks->setGeometry(QRect(QPoint(66, y), m_breaks->sizeForRows(7)));

    // 金額設定.
    QGroupBox* money = Group(page, "金額設定", {216, 4, 195, 249});
    y = 18;
    for (std::size_t i = 0; i < kAmounts.size(); ++i) {
        Label(money, kAmounts[i].label, {8, y + 2, 86, 16});
        m_amounts[i] = Field(money, kAmounts[i].name, {96, y, 90, FieldHeight}, kAmounts[i].hint);
        rules().onEnter(m_amounts[i], [](std::string_view t) { return AmountEditText(t); });
        rules().onLeave(m_amounts[i], [](std::string_view t) { return AmountFieldText(t); });
        y += Pitch;
    }

    // 勤務時間設定: the standard working times and the compensatory deduction.
    QGroupBox* hours = Group(page, "勤務時間設定", {6, 258, 405, 88});
    auto hoursRow = [&](int column, int row, const char* label, const char* name,
                        const char* hint) {
        const int x = column == 0 ? 8 : 206;
        const int top = 17 + row * 22;
        Label(hours, label, {x, top + 2, 142, 16});
        return Field(hours, name, {x + 144, top, 44, FieldHeight}, hint);
    };
    m_hyojunAll = hoursRow(0, 0, "標準勤務時間 (終日)", "HyojunAllMemo",
                           "終日勤務日の標準勤務時間を設定します。");
    m_handonKinmu = hoursRow(1, 0, "標準勤務時間 (半ドン)", "HandonKinmuMemo",
                             "半ドンの標準勤務時間を設定します。");
    m_hyojunAM = hoursRow(0, 1, "標準勤務時間 (午前半休)", "HyojunAMMemo",
                          "午前半休日の標準勤務時間を設定します。");
    m_hyojunPM = hoursRow(1, 1, "標準勤務時間 (午後半休)", "HyojunPMMemo",
                          "午後半休日の標準勤務時間を設定します。");
    m_daikyu = Check(hours, "DaikyuCheckBox", "代休減算残業時間", {8, 17 + 44 + 1, 142, 18},
                     "代休を取得した時に、設定されている時間だけ、残業時間を減算します。");
    m_daikyuMemo = Field(hours, "DaikyuMemo", {152, 17 + 44, 44, FieldHeight},
                         "代休を取得した時の減算する残業時間を設定します。");
    rules().onLeave(m_daikyuMemo, [](std::string_view t) { return CompensatoryFieldText(t); });

    // 目標設定: exactly one of the two targets is chosen.
    QGroupBox* target = Group(page, "目標設定", {6, 350, 405, 42});
    m_mokuTime = Check(target, "MokuTimeCheckBox", "目標残業時間", {8, 17, 110, 18},
                       "設定した残業時間を目標時間とします。");
    m_mokuTimeMemo =
        Field(target, "MokuTimeMemo", {120, 16, 50, FieldHeight}, "目標残業時間を設定します。");
    m_mokuTedori = Check(target, "MokuTedoriCheckBox", "目標手取金額", {206, 17, 110, 18},
                         "設定した手取金額から目標時間を計算します。");
    m_mokuMemo =
        Field(target, "MokuMemo", {318, 16, 80, FieldHeight}, "目標手取り金額を設定します。");
    rules().onEnter(m_mokuMemo, [](std::string_view t) { return AmountEditText(t); });
    rules().onLeave(m_mokuMemo, [](std::string_view t) { return AmountFieldText(t); });

    rules().onLeave(m_simeDay, [](std::string_view t) { return ClosingDayFieldText(t); });

    // The break grid sits between the late-night end and the amounts.
    m_breaks->setTabExits(m_sinyaEnd, m_amounts[0]);
    setTabOrder(m_handonEnd, m_breaks);
    setTabOrder(m_breaks, m_amounts[0]);

    connect(m_daikyu, &QCheckBox::toggled, this, &SettingWorkPage::applyEnableRules);
    connect(m_mokuTime, &QCheckBox::clicked, this, &SettingWorkPage::MokuTimeCheckBoxClick);
    connect(m_mokuTedori, &QCheckBox::clicked, this, &SettingWorkPage::MokuTedoriCheckBoxClick);
}

QString SettingWorkPage::closingDayText() const {
    return m_simeDay->text();
}

void SettingWorkPage::MokuTimeCheckBoxClick(bool checked) {
    m_mokuTedori->setChecked(!checked);
    applyEnableRules();
}

void SettingWorkPage::MokuTedoriCheckBoxClick(bool checked) {
    m_mokuTime->setChecked(!checked);
    applyEnableRules();
}

void SettingWorkPage::applyEnableRules() {
    m_daikyuMemo->setEnabled(m_daikyu->isChecked());
    m_mokuTimeMemo->setEnabled(m_mokuTime->isChecked());
    m_mokuMemo->setEnabled(m_mokuTedori->isChecked());
}

void SettingWorkPage::load(const Settings& s) {
    const TimeSettings& t = s.times;
    m_simeDay->setText(QString::number(s.SimeDay));
    m_flexTime->setChecked(s.FlexTime);
    m_kake->setText(QString::number(s.pay.takeHomePercent));
    m_start->setText(ToQString(t.standardStart.text()));
    m_end->setText(ToQString(t.standardEnd.text()));
    m_sinya->setText(ToQString(t.lateNightStart.text()));
    m_sinyaEnd->setText(ToQString(t.lateNightEnd.text()));
    m_handon->setText(ToQString(t.shortDayStart.text()));
    m_handonEnd->setText(ToQString(t.shortDayEnd.text()));
    BreakCells cells;
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = {t.breaks[i].first.text(), t.breaks[i].second.text()};
    m_breaks->setBreaks(cells);
    for (std::size_t i = 0; i < kAmounts.size(); ++i)
        m_amounts[i]->setText(ToQString(ThousandsStr(std::to_string(s.pay.*kAmounts[i].member))));
    m_hyojunAll->setText(ToQString(t.standardWork.text()));
    m_handonKinmu->setText(ToQString(t.shortDayWork.text()));
    m_hyojunAM->setText(ToQString(t.morningLeaveWork.text()));
    m_hyojunPM->setText(ToQString(t.afternoonLeaveWork.text()));
    m_daikyu->setChecked(s.DaikyuZanCalc);
    m_daikyuMemo->setText(ToQString(t.compensatoryCredit.text()));
    m_mokuTime->setChecked(s.MokuhyoTime);
    m_mokuTedori->setChecked(!s.MokuhyoTime);
    m_mokuTimeMemo->setText(ToQString(t.targetOvertime.text()));
    m_mokuMemo->setText(ToQString(ThousandsStr(std::to_string(s.pay.targetTakeHome))));
    applyEnableRules();
}

void SettingWorkPage::store(Settings& s) {
    TimeSettings& t = s.times;
    s.SimeDay = ClosingDayOf(ToUtf8(m_simeDay->text()));
    s.FlexTime = m_flexTime->isChecked();
    s.pay.takeHomePercent = TakeHomePercentOf(ToUtf8(m_kake->text()));
    // The late-night end is on the next morning; the field shows what is stored.
    m_sinyaEnd->setText(ToQString(WrapLateNightEnd(ToUtf8(m_sinyaEnd->text()))));
    t.standardStart = ToUtf8(m_start->text());
    t.standardEnd = ToUtf8(m_end->text());
    t.lateNightStart = ToUtf8(m_sinya->text());
    t.lateNightEnd = ToUtf8(m_sinyaEnd->text());
    t.shortDayStart = ToUtf8(m_handon->text());
    t.shortDayEnd = ToUtf8(m_handonEnd->text());
    const BreakCells cells = m_breaks->breaks();
    for (std::size_t i = 0; i < cells.size(); ++i) t.breaks[i] = {cells[i][0], cells[i][1]};
    for (std::size_t i = 0; i < kAmounts.size(); ++i)
        s.pay.*kAmounts[i].member = AmountOf(ToUtf8(m_amounts[i]->text()));
    t.standardWork = ToUtf8(m_hyojunAll->text());
    t.shortDayWork = ToUtf8(m_handonKinmu->text());
    t.morningLeaveWork = ToUtf8(m_hyojunAM->text());
    t.afternoonLeaveWork = ToUtf8(m_hyojunPM->text());
    s.DaikyuZanCalc = m_daikyu->isChecked();
    t.compensatoryCredit = CompensatoryFieldText(ToUtf8(m_daikyuMemo->text()));
    s.MokuhyoTime = m_mokuTime->isChecked();
    t.targetOvertime = ToUtf8(m_mokuTimeMemo->text());
    s.pay.targetTakeHome = AmountOf(ToUtf8(m_mokuMemo->text()));
}

}  // namespace tkv
