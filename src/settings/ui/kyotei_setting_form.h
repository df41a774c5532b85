#pragma once

#include <QDialog>

class QCheckBox;

namespace tkv {

class FieldRules;
class SingleLineEdit;
struct Settings;

// "36協定・60時間超割増の設定": the overtime agreement's first month, scheme
// and limits, the warning share and the premium above 60 hours. Like the
// other dialogs of the settings dialog it reads the settings when shown and
// writes them on "確 定" only; "登 録" of the settings dialog stores them.
// Choosing or leaving the variable-hours scheme proposes its two limits in
// place of the other scheme's; limits the user typed stay.
class TKyoteiSettingForm final : public QDialog {
    Q_OBJECT

public:
    explicit TKyoteiSettingForm(Settings& settings, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void applyEnableRules();
    void KyoteiVariableCheckBoxClick(bool variable);
    void OkButtonClick();

    Settings& m_settings;
    FieldRules* m_rules = nullptr;
    SingleLineEdit* m_startMonth = nullptr;
    QCheckBox* m_variable = nullptr;
    SingleLineEdit* m_monthLimit = nullptr;
    SingleLineEdit* m_yearLimit = nullptr;
    SingleLineEdit* m_singleMonthLimit = nullptr;
    SingleLineEdit* m_averageLimit = nullptr;
    QCheckBox* m_special = nullptr;
    SingleLineEdit* m_specialYearLimit = nullptr;
    SingleLineEdit* m_overMonths = nullptr;
    SingleLineEdit* m_warnPercent = nullptr;
    SingleLineEdit* m_premium = nullptr;
};

}  // namespace tkv
