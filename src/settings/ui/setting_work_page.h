#pragma once

#include <array>

#include "settings/ui/setting_page.h"

class QCheckBox;

namespace tkv {

class BreakStringGrid;
class SingleLineEdit;

// Page "勤務・金額設定": the closing day, the working times and breaks, the
// standard working times, the amounts and the monthly target.
class SettingWorkPage final : public SettingPage {
    Q_OBJECT

public:
    explicit SettingWorkPage(QWidget* parent);

    void load(const Settings& s) override;
    void store(Settings& s) override;

    QString closingDayText() const;
    BreakStringGrid* breakGrid() const { return m_breaks; }

private:
    void applyEnableRules();
    void MokuTimeCheckBoxClick(bool checked);
    void MokuTedoriCheckBoxClick(bool checked);

    SingleLineEdit* m_simeDay;
    QCheckBox* m_flexTime;
    SingleLineEdit* m_kake;
    SingleLineEdit* m_start;
    SingleLineEdit* m_end;
    SingleLineEdit* m_sinya;
    SingleLineEdit* m_sinyaEnd;
    SingleLineEdit* m_handon;
    SingleLineEdit* m_handonEnd;
    BreakStringGrid* m_breaks;
    std::array<SingleLineEdit*, 10> m_amounts{};
    SingleLineEdit* m_hyojunAll;
    SingleLineEdit* m_handonKinmu;
    SingleLineEdit* m_hyojunAM;
    SingleLineEdit* m_hyojunPM;
    QCheckBox* m_daikyu;
    SingleLineEdit* m_daikyuMemo;
    QCheckBox* m_mokuTime;
    SingleLineEdit* m_mokuTimeMemo;
    QCheckBox* m_mokuTedori;
    SingleLineEdit* m_mokuMemo;
};

}  // namespace tkv
