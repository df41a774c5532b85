#pragma once

#include <QDialog>
#include <map>

#include "core/month/recalculate.h"

class QLineEdit;

namespace tkv {

struct Settings;

// The pay window "給与金額": amounts from the settings, the month's working
// figures and the pay totals, all read-only.
class TTotal final : public QDialog {
    Q_OBJECT
public:
    explicit TTotal(QWidget* parent = nullptr);

    void showFigures(const MonthCalculation& calc, const Settings& s);
    QLineEdit* field(const QString& name) const;

private:
    std::map<QString, QLineEdit*> m_fields;
};

}  // namespace tkv
