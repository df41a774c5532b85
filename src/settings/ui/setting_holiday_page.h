#pragma once

#include <array>

#include "settings/holiday_list.h"
#include "settings/ui/setting_page.h"

class QCheckBox;
class QComboBox;

namespace tkv {

class ColorPanel;
class SingleLineEdit;
class YearHolidayStringGrid;

// Page "休日・ｶﾚﾝﾀﾞｰ設定": the company's days off, the holidays by law and the
// movable ones, the half-day leave values, the background colours, the
// paid-leave options and the year's holiday list.
class SettingHolidayPage final : public SettingPage {
    Q_OBJECT

public:
    explicit SettingHolidayPage(QWidget* parent);

    void load(const Settings& s) override;
    void store(Settings& s) override;

    YearHolidayStringGrid* holidayGrid() const { return m_holidays; }

private:
    void applyEnableRules();
    void CellColorComboBoxChange();
    void CellColorCheckBoxClick(bool checked);
    void CellColorPanelClick();
    int currentSlot() const;

    std::array<QCheckBox*, 7> m_week{};
    QComboBox* m_gridLine;
    QCheckBox* m_seijin;
    QCheckBox* m_spring;
    QCheckBox* m_autumn;
    QCheckBox* m_sport;
    QCheckBox* m_ocean;
    QCheckBox* m_oldMan;
    QCheckBox* m_holidayLaw;
    SingleLineEdit* m_hanDayAM;
    SingleLineEdit* m_hanDayPM;
    YearHolidayStringGrid* m_holidays;
    QComboBox* m_colorList;
    QCheckBox* m_colorCheck;
    ColorPanel* m_colorPanel;
    QCheckBox* m_yuukyuKinmu;
    QCheckBox* m_hankyu05;
    SingleLineEdit* m_yukyuMonth;
    QCheckBox* m_mokuZanDisp;
    SingleLineEdit* m_mokuZan;

    // The colours being edited, by slot.
    std::array<bool, 9> m_colorFlags{};
    std::array<int, 9> m_colors{};
};

}  // namespace tkv
