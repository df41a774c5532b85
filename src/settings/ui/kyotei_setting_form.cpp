#include "settings/ui/kyotei_setting_form.h"

#include <functional>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

#include "base/text_util.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "settings/overtime_limit_rules.h"
#include "settings/setting_fields.h"
#include "settings/settings.h"
#include "settings/ui/dialog_parts.h"
#include "settings/ui/setting_parts.h"
#include "settings/ui/single_line_edit.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;
using namespace setting_parts;

namespace {

const OvertimeLimitRules kDefaults;

std::string StartMonthText(std::string_view t) {
    return std::to_string(AgreementStartMonth(StrToIntDef(t, kDefaults.startMonth)));
}
std::string OverMonthsText(std::string_view t) {
    return std::to_string(MonthsOverAllowed(StrToIntDef(t, kDefaults.monthsOverAllowed)));
}
std::string WarnPercentText(std::string_view t) {
    return std::to_string(WarnPercent(StrToIntDef(t, kDefaults.warnPercent)));
}
std::string PremiumText(std::string_view t) {
    return AmountFieldText(std::to_string(Premium60Rate(AmountOf(t))));
}

}  // namespace

TKyoteiSettingForm::TKyoteiSettingForm(Settings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    dialog_parts::MakeFixedDialog(*this, "TKyoteiSettingForm", 360, 300);
    platform::SetHelpTopic(this, platform::HelpTopic::KyoteiSetting);
    setWindowTitle(ToQString("36協定・60時間超割増の設定"));
    m_rules = new FieldRules(this);

    QGroupBox* agreement = Group(this, "36協定（時間外・休日労働の上限）", {8, 6, 344, 204});
    Label(agreement, "協定の開始月", {10, 22, 100, 16});
    m_startMonth = Field(agreement, "KyoteiStartMonthMemo", {112, 20, 32, 20},
                         "協定期間（1年）の最初の月を設定します。");
    Label(agreement, "月", {148, 22, 20, 16});
    m_rules->onLeave(m_startMonth, StartMonthText);
    m_variable =
        Check(agreement, "KyoteiVariableCheckBox", "1年単位の変形労働時間制", {172, 21, 168, 18},
              "1年単位の変形労働時間制の場合ﾁｪｯｸします。\r\n"
              "月と年の上限に 42:00 と 320:00 を提案します。");

    auto limit = [&](const char* label, const char* name, int x, int y, const char* hint,
                     std::function<int()> fallback) {
        Label(agreement, label, {x, y + 2, 104, 16});
        SingleLineEdit* f = Field(agreement, name, {x + 104, y, 54, 20}, hint);
        m_rules->onLeave(f,
                         [fallback](std::string_view t) { return LimitFieldText(t, fallback()); });
        return f;
    };
    auto scheme = [this] { return SchemeLimitsFor(m_variable->isChecked()); };
    m_monthLimit = limit("月の上限", "KyoteiMonthLimitMemo", 10, 48,
                         "1か月の時間外の上限を設定します。", [scheme] { return scheme().month; });
    m_yearLimit = limit("年の上限", "KyoteiYearLimitMemo", 180, 48,
                        "1年の時間外の上限を設定します。", [scheme] { return scheme().year; });
    m_singleMonthLimit = limit("単月の上限(未満)", "KyoteiSingleMonthLimitMemo", 10, 74,
                               "1か月の時間外と休日労働の合計は、この時間未満にします。",
                               [] { return kDefaults.singleMonthLimit; });
    m_averageLimit = limit("2～6か月平均", "KyoteiAverageLimitMemo", 180, 74,
                           "2～6か月の時間外と休日労働の平均の上限を設定します。",
                           [] { return kDefaults.averageLimit; });

    m_special = Check(agreement, "KyoteiSpecialCheckBox", "特別条項あり", {10, 104, 150, 18},
                      "特別条項付きの協定の場合ﾁｪｯｸします。\r\n"
                      "月の上限を超えてよい回数と、特別条項の年の上限が使われます。");
    m_specialYearLimit = limit("特別条項の年上限", "KyoteiSpecialYearLimitMemo", 10, 128,
                               "特別条項がある場合の1年の時間外の上限を設定します。",
                               [] { return kDefaults.specialYearLimit; });
    Label(agreement, "月上限超の回数", {180, 130, 104, 16});
    m_overMonths = Field(agreement, "KyoteiOverMonthsMemo", {284, 128, 28, 20},
                         "月の上限を超えてよい1年の月数を設定します。");
    Label(agreement, "回", {316, 130, 20, 16});
    m_rules->onLeave(m_overMonths, OverMonthsText);

    Label(agreement, "警告する割合", {10, 166, 100, 16});
    m_warnPercent = Field(agreement, "KyoteiWarnPercentMemo", {112, 164, 32, 20},
                          "上限のこの割合に達すると、表示を黄色にします。");
    Label(agreement, "%", {148, 166, 20, 16});
    m_rules->onLeave(m_warnPercent, WarnPercentText);

    QGroupBox* premium = Group(this, "60時間超の割増", {8, 216, 344, 44});
    Label(premium, "60時間を超えた時間外の割増単価", {10, 18, 190, 16});
    m_premium = Field(premium, "Premium60RateMemo", {204, 16, 90, 20},
                      "60時間を超えた時間外1時間あたりの割増額を設定します。\r\n"
                      "0 のときは表示しません。");
    Label(premium, "円", {298, 18, 20, 16});
    m_rules->onEnter(m_premium, [](std::string_view t) { return AmountEditText(t); });
    m_rules->onLeave(m_premium, PremiumText);

    QPushButton* ok = dialog_parts::MakeButton(
        this, "OkButton", ToQString("確 定"), QRect(182, 268, 82, 26),
        ToQString("このｳｨﾝﾄﾞｳの設定内容を確定します。\r\n【注意】環境設定の[登録]"
                  "ﾎﾞﾀﾝで最終的に登録されます。"));
    ok->setDefault(true);
    QPushButton* cancel =
        dialog_parts::MakeButton(this, "CancelButton", ToQString("ｷｬﾝｾﾙ"), QRect(270, 268, 82, 26));
    cancel->setAutoDefault(false);

    connect(m_special, &QCheckBox::toggled, this, &TKyoteiSettingForm::applyEnableRules);
    connect(m_variable, &QCheckBox::clicked, this,
            &TKyoteiSettingForm::KyoteiVariableCheckBoxClick);
    connect(ok, &QPushButton::clicked, this, &TKyoteiSettingForm::OkButtonClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TKyoteiSettingForm::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TKyoteiSettingForm::FormShow() {
    dialog_parts::CentreOnScreen(*this);
    const Settings& s = m_settings;
    m_startMonth->setText(QString::number(s.KyoteiStartMonth));
    m_variable->setChecked(s.KyoteiVariable);
    m_monthLimit->setText(ToQString(s.KyoteiMonthLimit.text()));
    m_yearLimit->setText(ToQString(s.KyoteiYearLimit.text()));
    m_singleMonthLimit->setText(ToQString(s.KyoteiSingleMonthLimit.text()));
    m_averageLimit->setText(ToQString(s.KyoteiAverageLimit.text()));
    m_special->setChecked(s.KyoteiSpecial);
    m_specialYearLimit->setText(ToQString(s.KyoteiSpecialYearLimit.text()));
    m_overMonths->setText(QString::number(s.KyoteiOverMonths));
    m_warnPercent->setText(QString::number(s.KyoteiWarnPercent));
    m_premium->setText(ToQString(AmountFieldText(std::to_string(s.Premium60Rate))));
    applyEnableRules();
}

void TKyoteiSettingForm::applyEnableRules() {
    m_specialYearLimit->setEnabled(m_special->isChecked());
    m_overMonths->setEnabled(m_special->isChecked());
}

void TKyoteiSettingForm::KyoteiVariableCheckBoxClick(bool variable) {
    // A field that holds the other scheme's limit takes this scheme's.
    const SchemeLimits from = SchemeLimitsFor(!variable);
    const SchemeLimits to = SchemeLimitsFor(variable);
    auto propose = [](SingleLineEdit* field, int fromMinutes, int toMinutes) {
        if (StrToMinutes(ToUtf8(field->text())) == fromMinutes)
            field->setText(ToQString(LimitText(toMinutes)));
    };
    propose(m_monthLimit, from.month, to.month);
    propose(m_yearLimit, from.year, to.year);
}

void TKyoteiSettingForm::OkButtonClick() {
    m_rules->applyLeaveRules();
    Settings& s = m_settings;
    s.KyoteiStartMonth = StrToIntDef(ToUtf8(m_startMonth->text()), kDefaults.startMonth);
    s.KyoteiVariable = m_variable->isChecked();
    s.KyoteiSpecial = m_special->isChecked();
    s.KyoteiMonthLimit = ToUtf8(m_monthLimit->text());
    s.KyoteiYearLimit = ToUtf8(m_yearLimit->text());
    s.KyoteiSingleMonthLimit = ToUtf8(m_singleMonthLimit->text());
    s.KyoteiAverageLimit = ToUtf8(m_averageLimit->text());
    s.KyoteiSpecialYearLimit = ToUtf8(m_specialYearLimit->text());
    s.KyoteiOverMonths = StrToIntDef(ToUtf8(m_overMonths->text()), kDefaults.monthsOverAllowed);
    s.KyoteiWarnPercent = StrToIntDef(ToUtf8(m_warnPercent->text()), kDefaults.warnPercent);
    s.Premium60Rate = AmountOf(ToUtf8(m_premium->text()));
    accept();
}

}  // namespace tkv
