#include "mainwindow/main_services.h"

#include <QGuiApplication>

#include "platform/choose_dialogs.h"
#include "platform/colors.h"
#include "settings/ui/time_adjust.h"
#include "settings/ui/time_set.h"
#include "settings/ui/use_memo_set_form.h"
#include "settings/ui/use_time_set_form.h"

namespace tkv {

MainServices::MainServices(QWidget* window, Dialogs dialogs, std::function<void()> escape)
    : m_window(window), m_dialogs(dialogs), m_escape(std::move(escape)) {}

std::optional<QString> MainServices::confirmTime(const TimeConfirmRequest& request) {
    TTimeAdjust& d = *m_dialogs.timeAdjust;
    d.setMode(request.mode);
    d.setDateLabel(request.dateLabel);
    d.setNowText(request.nowText);
    d.setTimeText(request.timeText);
    if (d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.timeText();
}

ManualTimeResult MainServices::editManualTime(const ManualTimeRequest& request) {
    TTimeSet& d = *m_dialogs.timeSet;
    // The label of the dialog repeats the name after "の"; the date is what precedes it.
    QString dateLabel = request.label;
    if (dateLabel.endsWith("の" + request.name))
        dateLabel.chop(request.name.size() + 1);
    d.setColumn(request.name, dateLabel);
    d.setNoCalc(request.noCalc);
    d.setLegalHoliday(request.legalHoliday);
    d.setLegalHolidayEnabled(request.legalHolidayEnabled);
    d.setTimeText(request.time);
    d.exec();
    return {d.noCalc(), d.legalHoliday(), d.timeText()};
}

void MainServices::editUseTimes() {
    m_dialogs.useTimes->exec();
}

void MainServices::editUseMemos() {
    m_dialogs.useMemos->exec();
}

std::optional<int> MainServices::chooseMemoColor(int current) {
    const auto chosen =
        platform::ChooseColor(m_window, platform::ToQColor(current, m_window->palette()));
    if (!chosen)
        return std::nullopt;
    return platform::FromQColor(*chosen);
}

Qt::KeyboardModifiers MainServices::keyboardModifiers() const {
    return m_modifiers ? m_modifiers() : QGuiApplication::queryKeyboardModifiers();
}

void MainServices::escapeAction() {
    if (m_escape)
        m_escape();
}

}  // namespace tkv
