#pragma once

#include <optional>
#include <vector>

#include <QColor>
#include <QFrame>
#include <QString>

#include "core/overtime_limits.h"

namespace tkv {

// The compact overtime-agreement meter for the main window:
// "36協定 今月 32:15／45:00 ・ 年 210:30／360:00" on green, amber from the
// warning share of a limit on, red once a limit is exceeded. Its tooltip
// holds every figure and the forecast. It shows what it is given.
class OvertimeLimitsMeter final : public QFrame {
    Q_OBJECT
public:
    explicit OvertimeLimitsMeter(QWidget* parent = nullptr);

    // The month to show; nothing shows an empty grey meter.
    void setLimits(const std::optional<OvertimeLimits>& limits);

    const std::optional<OvertimeLimits>& limits() const { return m_limits; }
    QString text() const;
    // The background of a level.
    static QColor LevelColor(LimitLevel level);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<OvertimeLimits> m_limits;
};

// The tooltip of the meter: every figure, the forecast, the missing months
// and what the figures are (an estimate from the recorded times).
QString OvertimeLimitsToolTip(const OvertimeLimits& limits);

// The estimate's caveat, shown wherever the figures are.
QString OvertimeLimitsCaveat();

// "210:30", "-3:05".
QString LimitTimeQText(long long minutes);
// "2025/03、2025/06".
QString YearMonthListText(const std::vector<YearMonth>& months);

}  // namespace tkv
