#pragma once

#include <QDialog>

class QCheckBox;

namespace tkv {

struct Settings;
class SingleLineEdit;

// "個人情報・CSVﾌｧｲﾙ出力設定": the user's name for the window title, and
// what the CSV files carry of the user. Each text is enabled by its check
// box. It reads the settings when shown and writes all seven values on
// "確 定" only; the settings dialog stores them when it is committed.
class TPrivateInfoForm final : public QDialog {
    Q_OBJECT

public:
    explicit TPrivateInfoForm(Settings& settings, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void applyEnableRules();
    void OkButtonClick();

    Settings& m_settings;
    QCheckBox* m_nameDisp = nullptr;
    SingleLineEdit* m_name = nullptr;
    QCheckBox* m_fileNameAdd = nullptr;
    SingleLineEdit* m_fileName = nullptr;
    QCheckBox* m_infoAdd = nullptr;
    SingleLineEdit* m_info = nullptr;
    QCheckBox* m_monthAdd = nullptr;
};

}  // namespace tkv
