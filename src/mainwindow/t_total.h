#pragma once

#include <functional>
#include <map>
#include <optional>

#include <QDialog>

#include "core/overtime_limits.h"
#include "core/recalculate.h"

class QLabel;
class QLineEdit;
class QScrollArea;

namespace tkv {

struct Settings;

// The pay window "給与金額": amounts from the settings, the month's working
// figures and the pay totals, all read-only.
class TTotal final : public QDialog {
    Q_OBJECT
public:
    explicit TTotal(QWidget* parent = nullptr);

    void showFigures(const MonthCalculation& calc, const Settings& s);
    // The premium above 60 hours of overtime in a month: its line shows only
    // with a premium rate set. It is extra information, not in the totals.
    void showPremium60(const std::optional<OvertimeLimits>& limits);
    QLineEdit* field(const QString& name) const;

    // Esc is the program's Esc action (to the tray when the user wants that),
    // not a way to close the window.
    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Its natural size, held to the screen's work area.
    void fitToScreen();

    std::function<void()> m_escapeAction;
    std::map<QString, QLineEdit*> m_fields;
    QLabel* m_premium60Label = nullptr;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
};

}  // namespace tkv
