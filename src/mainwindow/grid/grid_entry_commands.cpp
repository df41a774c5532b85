#include <QLineEdit>

#include "base/clock.h"
#include "base/text_util.h"
#include "core/auto_time_input.h"
#include "mainwindow/grid/day_grid_model.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/grid/grid_rules.h"
#include "mainwindow/grid/grid_services.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

// The day grid's entry commands: what the menu items, shortcuts and double
// clicks write into the current day row.
namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

void DayStringGrid::setCell(int row, DayColumn column, const std::string& text) {
    m_model->setCellText(row, ColumnNumber(column), text);
}

void DayStringGrid::KubunChange() {
    const int row = rowFor({DayColumn::Date, DayColumn::Weekday, DayColumn::Kind});
    if (row == 0)
        return;
    setCell(row, DayColumn::Kind,
            std::string(DayKindText(NextDayKind(m_month->day(row).cell(DayColumn::Kind)))));
    requestAutoCalc();
}

void DayStringGrid::KubunMenuClick(int code) {
    const int row = rowFor({DayColumn::Date, DayColumn::Weekday, DayColumn::Kind});
    const auto kind = DayKindFromCode(code);
    if (row == 0 || !kind)
        return;
    setCell(row, DayColumn::Kind, std::string(DayKindText(*kind)));
    requestAutoCalc();
}

void DayStringGrid::NowTimeIn() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0 || !m_settings || !m_clock || !m_services)
        return;
    const DayColumn column = currentDayColumn();
    // The standard-start substitution belongs to the automatic input only.
    Settings s = *m_settings;
    s.StartTeijiIn = StandardStartUse::Never;
    const auto which =
        column == DayColumn::Arrival ? AutoTimeWhich::Arrival : AutoTimeWhich::Leaving;
    const AutoTimePlan plan = PlanAutoTimeInput(m_clock->now(), s, which, AutoTimeMode::Confirm);
    TimeConfirmRequest request;
    request.mode = static_cast<int>(which);
    request.dateLabel = ToQString(RowDateLabel(m_month->day(row)));
    request.nowText = ToQString(plan.unroundedText);
    request.timeText = ToQString(plan.timeText);
    if (const auto text = m_services->confirmTime(request))
        setCell(row, column, ToUtf8(*text));
}

void DayStringGrid::TeijiTimeIn() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0 || !m_settings)
        return;
    setCell(row, currentDayColumn(),
            StandardTimeText(m_month->day(row), currentDayColumn(), *m_settings));
}

void DayStringGrid::TopTimeInItemClick() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0)
        return;
    const DayColumn column = currentDayColumn();
    const int source = RowAboveWithTime(*m_month, row, column);
    if (source == 0)
        return;
    setCell(row, column, ToHankaku(m_month->day(source).cell(column)));
}

void DayStringGrid::UseTimeClick(int n) {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0 || !m_settings)
        return;
    const std::string text = UseTimeText(*m_settings, n);
    if (!text.empty())
        setCell(row, currentDayColumn(), text);
}

void DayStringGrid::UseTimeSetItemClick() {
    if (m_services)
        m_services->editUseTimes();
}

void DayStringGrid::UseMemoClick(int n) {
    const int row = rowFor({DayColumn::Memo});
    if (row == 0 || !m_settings || !cellEditor())
        return;
    const std::string memo = UseMemoText(*m_settings, n);
    if (!memo.empty())
        cellEditor()->insert(ToQString(memo));
}

void DayStringGrid::UseMemoSetItemClick() {
    if (m_services)
        m_services->editUseMemos();
}

void DayStringGrid::TimeClear() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving, DayColumn::Overtime,
                            DayColumn::LateNight, DayColumn::Working});
    if (row != 0)
        setCell(row, currentDayColumn(), std::string());
}

void DayStringGrid::ZanTimeIn() {
    const int row = rowFor({DayColumn::Overtime, DayColumn::LateNight, DayColumn::Working});
    if (row == 0 || !m_services)
        return;
    const DayColumn column = currentDayColumn();
    DayRow& day = *m_model->dayRow(row);
    const DayRow before = day;
    const QString name = ToQString(ManualValueName(column));

    ManualTimeRequest request;
    request.name = name;
    request.label = ToQString(RowDateLabel(day)) + QStringLiteral("の") + name;
    request.noCalc = day.isManual(column);
    request.legalHolidayEnabled = day.kind() == DayKind::Holiday;
    request.legalHoliday = request.legalHolidayEnabled && day.isLegalHoliday();
    request.time = ToQString(MinutesToStr(StrToMinutes(day.cell(column)), 2, true));
    const ManualTimeResult result = m_services->editManualTime(request);

    // The statutory mark is only offered on holidays; elsewhere the box is unchecked.
    day.ManualFlag[ManualFlagIndex(column)] = result.noCalc ? "*" : "";
    day.LegalHolidayFlag = request.legalHolidayEnabled && result.legalHoliday ? "*" : "";
    const bool flagsChanged = !(day == before);
    setCell(row, column, ManualValueText(ToUtf8(result.time), result.noCalc));
    m_model->rowChanged(row);
    if (flagsChanged)
        emit monthEdited();
}

void DayStringGrid::MemoColorItemClick() {
    const int row = rowFor({DayColumn::Memo});
    if (row == 0 || !m_services)
        return;
    DayRow& day = *m_model->dayRow(row);
    const auto color = m_services->chooseMemoColor(day.MemoColor);
    if (!color || *color == day.MemoColor)
        return;
    day.MemoColor = *color;
    m_model->rowChanged(row);
    emit monthEdited();
}

void DayStringGrid::MemoColorResetItemClick() {
    const int row = rowFor({DayColumn::Memo});
    if (row == 0)
        return;
    DayRow& day = *m_model->dayRow(row);
    if (day.MemoColor == 0)
        return;
    day.MemoColor = 0;
    m_model->rowChanged(row);
    emit monthEdited();
}

}  // namespace tkv
