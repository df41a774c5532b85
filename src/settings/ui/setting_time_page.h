#pragma once

#include "settings/ui/setting_page.h"

class QCheckBox;
class QComboBox;

namespace tkv {

class RadioGroup;
class SingleLineEdit;

// Page "時刻調整設定": rounding of arrival, leaving and overtime, and the
// automatic time input at start and end.
class SettingTimePage final : public SettingPage {
    Q_OBJECT

public:
    explicit SettingTimePage(QWidget* parent);

    void load(const Settings& s) override;
    void store(Settings& s) override;

private:
    void applyEnableRules();
    void StartAutoInRadioGroupClick(int index);

    RadioGroup* m_startAdjust;
    QComboBox* m_startTime;
    RadioGroup* m_startAutoIn;
    QComboBox* m_startTeijiIn;
    RadioGroup* m_endAdjust;
    QComboBox* m_endTime;
    RadioGroup* m_endAutoIn;
    QComboBox* m_endOverWrite;
    QCheckBox* m_noAutoInAdjust;
    QCheckBox* m_calcTimeAdjust;
    QCheckBox* m_startPassSkip;
    QCheckBox* m_startAutoMinimize;
    RadioGroup* m_clickAuto;
    RadioGroup* m_zangyoAdjust;
    QComboBox* m_zangyoTime;
    SingleLineEdit* m_zanLowLimit;
};

}  // namespace tkv
