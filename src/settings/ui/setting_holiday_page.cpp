#include "settings/ui/setting_holiday_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>

#include "platform/choose_dialogs.h"
#include "platform/colors.h"
#include "platform/text_convert.h"
#include "settings/setting_fields.h"
#include "settings/settings.h"
#include "settings/ui/holiday_grid.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;
using namespace setting_parts;

namespace {}  // namespace

SettingHolidayPage::SettingHolidayPage(QWidget* parent)
    : SettingPage("HoliDayTabSheet", platform::HelpTopic::SettingsHoliday, parent) {
    QWidget* page = content();

    // 会社休日と区切り線.
    QGroupBox* week = Group(page, "会社休日と区切り線", {6, 4, 175, 118});
    static constexpr const char* kDays[7] = {"日曜日", "月曜日", "火曜日", "水曜日",
                                             "木曜日", "金曜日", "土曜日"};
    for (int i = 0; i < 7; ++i) {
        const QString name = QStringLiteral("Week%1CheckBox").arg(i + 1);
        m_week[static_cast<std::size_t>(i)] =
            Check(week, name.toLatin1().constData(), kDays[i],
                  {8 + (i / 4) * 82, 17 + (i % 4) * 18, 78, 18}, "会社の休日を設定します。");
    }
    Label(week, "区切り線", {8, 95, 50, 16});
    m_gridLine = Combo(week, "GridLineSelectComboBox",
                       {ToQString("なし"), ToQString("日曜日"), ToQString("月曜日")},
                       {62, 93, 100, 20}, "一覧表の区切り線を選択します。");

    // 以下の日を休日とする: the movable holidays and the switch for the current law.
    QGroupBox* movable = Group(page, "以下の日を休日とする", {6, 126, 175, 110});
    auto holiday = [&](int i, const char* name, const char* text, const char* hint) {
        return Check(movable, name, text, {8 + (i / 3) * 82, 17 + (i % 3) * 18, 78, 18}, hint);
    };
    m_seijin = holiday(0, "SeijinDayCheckBox", "成人の日", "成人の日を休日とします。");
    m_spring = holiday(1, "SpringDayCheckBox", "春分の日", "春分の日を休日とします。");
    m_autumn = holiday(2, "AutumnDayCheckBox", "秋分の日", "秋分の日を休日とします。");
    m_sport = holiday(3, "SportDayCheckBox", "体育の日", "体育の日を休日とします。");
    m_ocean = holiday(4, "OceanDayCheckBox", "海の日", "海の日を休日とします。");
    m_oldMan = holiday(5, "OldManDayCheckBox", "敬老の日", "敬老の日を休日とします。");
    m_holidayLaw =
        new WrappingCheckBox(ToQString("現行の祝日法で祝日を判定する（2007年以降）"), movable);
    m_holidayLaw->setObjectName("HolidayLawCheckBox");
    m_holidayLaw->setGeometry(8, 73, 161, 33);
    m_holidayLaw->setToolTip(
        ToQString("2007年以降の祝日を、現行の祝日法（振替休日・国民の休日を含む）で判定します。"));

    // 半日有給休暇.
    QGroupBox* half = Group(page, "半日有給休暇", {6, 240, 175, 66});
    Label(half, "午前半休", {8, 19, 60, 16});
    m_hanDayAM = Field(half, "HanDayAMMemo", {70, 17, 44, 20},
                       "午前半日休暇を取った場合の有給休暇の減算日数を設定します。");
    Label(half, "午後半休", {8, 41, 60, 16});
    m_hanDayPM = Field(half, "HanDayPMMemo", {70, 39, 44, 20},
                       "午後半日休暇を取った場合の有給休暇の減算日数を設定します。");
    for (SingleLineEdit* f : {m_hanDayAM, m_hanDayPM})
        rules().onLeave(
            f, [](std::string_view t) { return DecimalFieldText(t, DecimalSign::NeverPositive); });

    // 祝祭日ｶﾚﾝﾀﾞｰ.
    QGroupBox* calendar = Group(page, "祝祭日ｶﾚﾝﾀﾞｰ", {186, 4, 225, 210});
    m_holidays = new YearHolidayStringGrid(calendar);
    m_holidays->setGeometry(QRect(QPoint(8, 18), m_holidays->sizeForRows(11)));

    // 有給休暇計算.
    QGroupBox* leave = Group(page, "有給休暇計算", {6, 310, 405, 94});
    m_yuukyuKinmu =
        Check(leave, "YuukyuKinmuCheckBox", "有給休暇も勤務時間として計算する", {8, 19, 230, 18});
    m_hankyu05 =
        Check(leave, "Hankyu05CheckBox", "半日休暇の出勤日数を0.5日で計算する", {8, 40, 230, 18});
    Label(leave, "有給開始月", {240, 19, 76, 16});
    m_yukyuMonth = Field(leave, "YukyuMonthMemo", {320, 17, 32, 20},
                         "有給休暇の区切り線を引く「月」を設定してください。\r\n"
                         "「0」を設定すると、区切り線は表示されません。");
    rules().onLeave(m_yukyuMonth,
                    [](std::string_view t) { return std::to_string(LeaveStartMonthOf(t, 0)); });
    m_mokuZanDisp =
        Check(leave, "YukyuMokuZanDispCheckBox", "目標残日数を表示する", {240, 40, 160, 18});
    Label(leave, "目標残日数", {240, 64, 76, 16});
    m_mokuZan = Field(leave, "YukyuMokuZanMemo", {320, 62, 44, 20},
                      "有給休暇目標残日数を設定します。\r\n【ヒント】繰り越せる有給休暇日数を "
                      "\r\n設定しておくと便利です。");
    rules().onLeave(m_mokuZan,
                    [](std::string_view t) { return DecimalFieldText(t, DecimalSign::Kept); });

    // 背景色: one slot at a time, chosen in the list.
    QGroupBox* colors = Group(page, "背景色", {186, 218, 225, 49});
    m_colorList = Combo(colors, "CellColorComboBox",
                        {ToQString("休日"), ToQString("有給"), ToQString("午前"), ToQString("午後"),
                         ToQString("代休"), ToQString("欠勤"), ToQString("半ドン"),
                         ToQString("土曜"), ToQString("日曜")},
                        {8, 19, 74, 20}, "背景色を設定する日の種類を選択します。");
    m_colorCheck = Check(colors, "CellColorCheckBox", "", {88, 20, 18, 18},
                         "ﾁｪｯｸすると、選択した日の背景に色を付けます。");
    m_colorPanel = new ColorPanel(colors);
    m_colorPanel->setObjectName("CellColorPanel");
    m_colorPanel->setGeometry(108, 17, 108, 24);
    m_colorPanel->setToolTip(ToQString("ｸﾘｯｸすると背景色を選択できます。"));

    m_holidays->setTabExits(m_hanDayPM, m_yuukyuKinmu);
    setTabOrder(m_hanDayPM, m_holidays);
    setTabOrder(m_holidays, m_yuukyuKinmu);

    connect(m_mokuZanDisp, &QCheckBox::toggled, this, &SettingHolidayPage::applyEnableRules);
    connect(m_colorList, &QComboBox::currentIndexChanged, this,
            &SettingHolidayPage::CellColorComboBoxChange);
    connect(m_colorCheck, &QCheckBox::clicked, this, &SettingHolidayPage::CellColorCheckBoxClick);
    connect(m_colorPanel, &ColorPanel::clicked, this, &SettingHolidayPage::CellColorPanelClick);
}

void SettingHolidayPage::applyEnableRules() {
    m_mokuZan->setEnabled(m_mokuZanDisp->isChecked());
}

int SettingHolidayPage::currentSlot() const {
    return ColorSlotOfListItem(m_colorList->currentIndex());
}

void SettingHolidayPage::CellColorComboBoxChange() {
    const auto slot = static_cast<std::size_t>(currentSlot());
    m_colorCheck->setChecked(m_colorFlags[slot]);
    m_colorPanel->setCaption(m_colorList->currentText());
    m_colorPanel->setColor(platform::ToQColor(m_colors[slot], palette()));
}

void SettingHolidayPage::CellColorCheckBoxClick(bool checked) {
    m_colorFlags[static_cast<std::size_t>(currentSlot())] = checked;
}

void SettingHolidayPage::CellColorPanelClick() {
    const auto chosen = platform::ChooseColor(this, m_colorPanel->color());
    if (!chosen)
        return;
    m_colors[static_cast<std::size_t>(currentSlot())] = platform::FromQColor(*chosen);
    m_colorPanel->setColor(*chosen);
}

void SettingHolidayPage::load(const Settings& s) {
    for (std::size_t i = 0; i < m_week.size(); ++i) m_week[i]->setChecked(s.WeekCheck[i]);
    m_gridLine->setCurrentIndex(static_cast<int>(s.GridLineSelect));
    m_seijin->setChecked(s.SeijinDay);
    m_spring->setChecked(s.SpringDay);
    m_autumn->setChecked(s.AutumnDay);
    m_sport->setChecked(s.SportDay);
    m_ocean->setChecked(s.OceanDay);
    m_oldMan->setChecked(s.OldManDay);
    m_holidayLaw->setChecked(s.HolidayLaw);
    m_hanDayAM->setText(ToQString(s.HanDayAM.text()));
    m_hanDayPM->setText(ToQString(s.HanDayPM.text()));
    m_yuukyuKinmu->setChecked(s.YuukyuKinmu);
    m_hankyu05->setChecked(s.Hankyu05);
    m_yukyuMonth->setText(QString::number(s.YukyuMonth));
    m_mokuZanDisp->setChecked(s.YukyuMokuZanDisp);
    m_mokuZan->setText(ToQString(s.YukyuMokuZan.text()));
    m_colorFlags = s.CellColorCheck;
    m_colors = s.CellColor;
    CellColorComboBoxChange();
    applyEnableRules();
}

void SettingHolidayPage::store(Settings& s) {
    for (std::size_t i = 0; i < m_week.size(); ++i) s.WeekCheck[i] = m_week[i]->isChecked();
    if (m_gridLine->currentIndex() >= 0)
        s.GridLineSelect = static_cast<WeekSeparator>(m_gridLine->currentIndex());
    s.SeijinDay = m_seijin->isChecked();
    s.SpringDay = m_spring->isChecked();
    s.AutumnDay = m_autumn->isChecked();
    s.SportDay = m_sport->isChecked();
    s.OceanDay = m_ocean->isChecked();
    s.OldManDay = m_oldMan->isChecked();
    s.HolidayLaw = m_holidayLaw->isChecked();
    s.HanDayAM = DecimalFieldText(ToUtf8(m_hanDayAM->text()), DecimalSign::NeverPositive);
    s.HanDayPM = DecimalFieldText(ToUtf8(m_hanDayPM->text()), DecimalSign::NeverPositive);
    s.YuukyuKinmu = m_yuukyuKinmu->isChecked();
    s.Hankyu05 = m_hankyu05->isChecked();
    s.YukyuMonth = LeaveStartMonthOf(ToUtf8(m_yukyuMonth->text()), 4);
    s.YukyuMokuZanDisp = m_mokuZanDisp->isChecked();
    s.YukyuMokuZan = DecimalFieldText(ToUtf8(m_mokuZan->text()), DecimalSign::Kept);
    s.CellColorCheck = m_colorFlags;
    s.CellColor = m_colors;
}

}  // namespace tkv
