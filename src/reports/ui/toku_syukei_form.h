#pragma once

#include <functional>

#include <QDialog>

#include "core/day_span.h"

class QDateEdit;
class QPushButton;

namespace tkv {

class Clock;

// "任意期間一覧": the span of days the main window shows instead of a month.
// One instance lives for the whole run, so the two dates stay as they were
// last left; at first they are the first and the last day of the month the
// program was started in.
class TTokuSyukeiForm final : public QDialog {
    Q_OBJECT

public:
    explicit TTokuSyukeiForm(const Clock& clock, QWidget* parent = nullptr);

    // The two dates as they stand. After exec() returns Accepted the span is
    // a valid one (IsValidSpan).
    DaySpan span() const;
    void setSpan(const DaySpan& span);

    // Esc runs the program's Esc action (it may send the program to the
    // tray) and leaves the dialog open.
    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

    QDateEdit* startPicker() const { return m_start; }
    QDateEdit* endPicker() const { return m_end; }

    // Closes with OK only for a span of 1 to 31 days; otherwise says why and
    // stays open.
    void OkButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_escapeAction;
    QDateEdit* m_start = nullptr;
    QDateEdit* m_end = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_esc = nullptr;
};

}  // namespace tkv
