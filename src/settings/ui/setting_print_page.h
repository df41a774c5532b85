#pragma once

#include "settings/ui/setting_page.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tkv {

class SingleLineEdit;
class TPassChangeForm;

// Page "印刷・その他の設定": the print options and margins, the two
// passwords, the buttons of the print layout and personal-information
// dialogs, and the other switches with the tray icon.
class SettingPrintPage final : public SettingPage {
    Q_OBJECT

public:
    SettingPrintPage(TPassChangeForm* passChange, QWidget* parent);

    void load(const Settings& s) override;
    void store(Settings& s) override;

    // The items the print layout dialog may edit follow these switches.
    bool printName() const;
    bool printPage() const;
    bool printDate() const;
    // The agreement's values in one line beside the button of their dialog.
    void showKyoteiSummary(const Settings& s);

signals:
    void printLayoutRequested();    // "ﾍｯﾀﾞ文字列・印刷ﾌｫﾝﾄ設定"
    void privateInfoRequested();    // "個人情報・CSVﾌｧｲﾙ出力設定"
    void kyoteiSettingRequested();  // "36協定の設定..."

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void changePassword(SingleLineEdit* field);
    void IconSelectComboBoxChange();

    TPassChangeForm* m_passChange;
    QComboBox* m_printForm;
    SingleLineEdit* m_printMemoLen;
    QCheckBox* m_printTime;
    QCheckBox* m_printDate;
    QCheckBox* m_printPage;
    QCheckBox* m_printGray;
    QCheckBox* m_printName;
    SingleLineEdit* m_topMargin;
    SingleLineEdit* m_bottomMargin;
    SingleLineEdit* m_leftMargin;
    SingleLineEdit* m_rightMargin;
    SingleLineEdit* m_pass;
    SingleLineEdit* m_kinPass;
    QCheckBox* m_reOpenPassIn;
    QCheckBox* m_escKeyMin;
    QCheckBox* m_windowSize;
    QCheckBox* m_autoSave;
    QCheckBox* m_autoCalc;
    QCheckBox* m_imeAutoMode;
    QCheckBox* m_idleProcess;
    QCheckBox* m_chikokuRed;
    QComboBox* m_iconSelect;
    QLabel* m_iconImage;
    QLabel* m_kyoteiSummary;
    int m_storedIcon = 0;
};

}  // namespace tkv
