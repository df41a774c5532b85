#pragma once

#include <functional>

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;

namespace tkv {

struct Settings;
class SingleLineEdit;

// Confirms an automatically entered arrival or leaving time and lets the user
// shift it by the rounding unit. The caller fills it, runs it modally and,
// on OK, takes timeText().
class TTimeAdjust final : public QDialog {
    Q_OBJECT

public:
    enum Mode : int { Arrival = 0, Leaving = 1 };

    explicit TTimeAdjust(const Settings& settings, QWidget* parent = nullptr);

    void setMode(int mode);  // 0 = arrival, 1 = leaving
    int mode() const { return m_mode; }
    void setDateLabel(const QString& dateLabel);  // "5月12日(月)"
    void setNowText(const QString& text);
    void setTimeText(const QString& text);
    QString timeText() const;

    // Minutes of one "+" / "-" press for the current mode and settings.
    int stepMinutes() const;

    // The main window's Esc action (to the tray when the user wants that).
    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }
    // Called with false when the dialog opens and true when it closes: the
    // program must not be ended from the tray menu under an open time entry.
    void setExitCommandEnabler(std::function<void(bool)> enable) {
        m_enableExit = std::move(enable);
    }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ApplyTexts();
    void Shift(int direction);
    void SpeedButtonUpClick();
    void DownSpeedButtonClick();
    void OkButtonClick();
    void EscButtonClick();

    const Settings& m_settings;
    int m_mode = Arrival;
    QString m_dateLabel;
    std::function<void()> m_escapeAction;
    std::function<void(bool)> m_enableExit;

    QLabel* m_helpLabel = nullptr;
    QGroupBox* m_nowGroup = nullptr;
    QGroupBox* m_adjustGroup = nullptr;
    SingleLineEdit* m_nowMemo = nullptr;
    SingleLineEdit* m_timeMemo = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_esc = nullptr;
};

}  // namespace tkv
