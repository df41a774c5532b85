#pragma once

#include <functional>
#include <string>

#include <QDialog>

#include "core/calendar.h"

class QDateEdit;
class QPushButton;

namespace tkv {

class SingleLineEdit;

// What the two delete dialogs share: the two buttons, the Esc button behind
// "ｷｬﾝｾﾙ" that runs the program's Esc action (the dialog stays open), the
// help topic and the place in the middle of the screen.
class VacDeleteDialog : public QDialog {
    Q_OBJECT
public:
    void setEscapeAction(std::function<void()> action) { m_escapeAction = std::move(action); }

protected:
    VacDeleteDialog(const char* className, const char* caption, int width, const char* deleteHint,
                    QWidget* parent);
    // Called once the dialog's own field exists: it comes first in the Tab order.
    void setField(QWidget* field);
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> m_escapeAction;
    QWidget* m_field = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_esc = nullptr;
};

// "有給休暇 - 削除(件数指定)": how many of the oldest entries to fold into the
// carry-over.
class TVacDel final : public VacDeleteDialog {
    Q_OBJECT
public:
    explicit TVacDel(QWidget* parent = nullptr);

    // The number entered; text that is not a number is 0, which deletes nothing.
    int count() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SingleLineEdit* m_count = nullptr;
};

// "有給休暇 - 削除(日付指定)": the entries up to a date fold into the
// carry-over. The picker starts on the last day of the month two years and
// one month before `today`, and keeps what was picked last.
class TVacDel2 final : public VacDeleteDialog {
    Q_OBJECT
public:
    TVacDel2(const Date& today, QWidget* parent = nullptr);

    // The picked date as YYYY/MM/DD.
    std::string dateText() const;
    QDateEdit* picker() const { return m_picker; }

private:
    QDateEdit* m_picker = nullptr;
};

}  // namespace tkv
