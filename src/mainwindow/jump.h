#pragma once

#include <functional>
#include <string>

#include <QDialog>

class QPushButton;

namespace tkv {

class SingleLineEdit;

// The accounting month the user asked to go to.
struct JumpTarget {
    int year;
    int month;
};

// Whatever was typed becomes a month the program can open: the year is read
// as an integer (unreadable counts as 0) and held to 1990..2090, the month
// likewise to 1..12. Blanks and full-width digits are read as usual.
JumpTarget ClampJumpTarget(const std::string& yearText, const std::string& monthText);

// "Go to month": one instance for the whole run. Its fields keep what was
// last entered, so the next opening starts from the month last jumped to.
class TJump final : public QDialog {
    Q_OBJECT

public:
    explicit TJump(QWidget* parent = nullptr);
    TJump(int year, int month, QWidget* parent = nullptr);

    void setMonth(int year, int month);

    // Placed once, at start, over the middle of the main window.
    void placeAtCentreOf(const QRect& frame);

    // Esc runs the program's Esc action (it may send the program to the
    // tray) and leaves the dialog open.
    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

    // The entered month after clamping; the fields are set to it as well, so
    // they show where the program actually went. Call after exec() accepts.
    JumpTarget clampedTarget();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EscButtonClick();

    std::function<void()> m_escapeAction;
    SingleLineEdit* m_year = nullptr;
    SingleLineEdit* m_month = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_esc = nullptr;
};

}  // namespace tkv
