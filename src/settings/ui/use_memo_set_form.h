#pragma once

#include <array>
#include <functional>

#include <QDialog>

namespace tkv {

struct Settings;
class SingleLineEdit;

// Edits the ten fixed memos. Fields are filled from the settings each time
// the dialog is shown; "登 録" writes them back trimmed and saves.
class TUseMemoSetForm final : public QDialog {
    Q_OBJECT

public:
    TUseMemoSetForm(Settings& settings, std::function<void()> saveSettings,
                    QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void OkButtonClick();

    Settings& m_settings;
    std::function<void()> m_saveSettings;
    std::array<SingleLineEdit*, 10> m_fields{};
};

}  // namespace tkv
