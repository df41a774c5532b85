#pragma once

#include <functional>

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace tkv {

class SingleLineEdit;

// Hand entry of one day's normal overtime, late-night overtime or working
// time with its two flags. There is no OK or Cancel: Enter in the field and
// the close box both end it, and the caller always takes the values.
class TTimeSet final : public QDialog {
    Q_OBJECT

public:
    explicit TTimeSet(QWidget* parent = nullptr);

    // Fills caption, check box text, hints and label for the column `name`
    // ("普通残業時間", "深夜残業時間", "勤務時間") of the day `dateLabel` ("5月12日(月)").
    void setColumn(const QString& name, const QString& dateLabel);

    void setNoCalc(bool on);
    bool noCalc() const;
    void setLegalHoliday(bool on);
    bool legalHoliday() const;
    // The statutory-holiday mark only applies to holiday rows.
    void setLegalHolidayEnabled(bool on);
    void setTimeText(const QString& text);
    QString timeText() const;

    // Placed once, at start, over the middle of the main window.
    void placeAtCentreOf(const QRect& frame);

    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

    // The close box commits just like Enter: there is nothing to cancel.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void EscButtonClick();

    std::function<void()> m_escapeAction;
    QCheckBox* m_noCalc = nullptr;
    QCheckBox* m_legalHoliday = nullptr;
    QLabel* m_label = nullptr;
    SingleLineEdit* m_time = nullptr;
    QPushButton* m_esc = nullptr;
};

}  // namespace tkv
