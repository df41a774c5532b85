#pragma once

#include <array>
#include <functional>

#include <QDialog>

namespace tkv {

struct Settings;
class SingleLineEdit;

// Edits the six frequently-used times. Fields are filled from the settings
// each time the dialog is shown; "登 録" writes them back and saves.
class TUseTimeSetForm final : public QDialog {
    Q_OBJECT

public:
    TUseTimeSetForm(Settings& settings, std::function<void()> saveSettings,
                    QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void OkButtonClick();

    Settings& m_settings;
    std::function<void()> m_saveSettings;
    std::array<SingleLineEdit*, 6> m_fields{};
};

}  // namespace tkv
