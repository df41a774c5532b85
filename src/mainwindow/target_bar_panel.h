#pragma once

#include <QFrame>

#include "core/target_bar.h"

class QLabel;

namespace tkv {

// The bar under the grid: achievement percentage, overtime needed per
// remaining working day, paid-leave days above the reserve, and the graph.
class TargetBarPanel final : public QFrame {
    Q_OBJECT
public:
    static constexpr int DesignedHeight = 16;

    explicit TargetBarPanel(QWidget* parent = nullptr);

    void setState(const TargetBarState& state);
    // The leave indicator: hidden when `visible` is false; red below zero.
    void setLeave(bool visible, double daysAboveReserve);

    QLabel* parPanel() const { return m_par; }
    QLabel* mokuZanPanel() const { return m_mokuZan; }
    QLabel* yukyuPanel() const { return m_yukyu; }
    QWidget* paintBox() const { return m_box; }

private:
    QLabel* m_par;
    QLabel* m_mokuZan;
    QLabel* m_yukyu;
    QWidget* m_box;
};

}  // namespace tkv
