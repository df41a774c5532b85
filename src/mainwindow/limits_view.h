#pragma once

#include <optional>

#include <QObject>

#include "core/overtime_limits.h"

class QAction;
class QMenu;
class QWidget;

namespace tkv {

struct AppContext;
class MonthSession;
class OvertimeLimitsMeter;
class TKyoteiCheck;
class TTotal;

// The overtime-agreement figures in the main window: the meter in its own
// line under the grid, the window "36協定チェック" and the pay window's
// 60-hour premium line. All three show the displayed month as last
// recalculated (from memory) with the other months as last saved (from
// their files), so they agree with the summary beside the grid.
class LimitsView final : public QObject {
    Q_OBJECT
public:
    LimitsView(const AppContext& app, const MonthSession& session, QObject* parent);

    // The line that holds the meter, made once as a child of `parent`.
    QWidget* statusLine(QWidget* parent);
    // "36協定チェック(&L)..." in `menu`.
    QAction* addMenuItem(QMenu* menu);
    // The windows kept current while they are shown; either may be null.
    void setWindows(TKyoteiCheck* check, TTotal* pay);

    // The figures of accounting month `shown` again, after a load, a
    // recalculation, a save or new settings. While the grid shows a span of
    // days, `shown` is the month named above it, counted from its file.
    void refresh(YearMonth shown);
    // Shows the check window on the agreement year of the month shown.
    void openCheck();

    OvertimeLimitsMeter* meter() const { return m_meter; }
    const std::optional<OvertimeLimits>& limits() const { return m_limits; }

private:
    MonthLoader loader() const;
    Date today() const;
    void refreshCheck();

    const AppContext& m_app;
    const MonthSession& m_session;
    OvertimeLimitsMeter* m_meter = nullptr;
    TKyoteiCheck* m_check = nullptr;
    TTotal* m_pay = nullptr;
    std::optional<YearMonth> m_shown;
    std::optional<OvertimeLimits> m_limits;
};

}  // namespace tkv
