#pragma once

#include <optional>
#include <vector>

#include <QLineEdit>
#include <QtTest>

#include "base/clock.h"
#include "core/calendar.h"
#include "core/month_record.h"
#include "mainwindow/grid/day_grid_model.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/grid/grid_services.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"

namespace tkv::test {

// Answers the grid's dialogs from a script and records what was asked.
class ScriptedServices final : public GridServices {
public:
    std::optional<QString> confirmAnswer;
    ManualTimeResult manualAnswer;
    std::optional<int> colorAnswer;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;

    std::vector<TimeConfirmRequest> confirmAsked;
    std::vector<ManualTimeRequest> manualAsked;
    int useTimesOpened = 0;
    int useMemosOpened = 0;
    int colorAsked = 0;
    int escapes = 0;

    int calls() const {
        return static_cast<int>(confirmAsked.size() + manualAsked.size()) + useTimesOpened +
               useMemosOpened + colorAsked + escapes;
    }

    std::optional<QString> confirmTime(const TimeConfirmRequest& r) override {
        confirmAsked.push_back(r);
        return confirmAnswer;
    }
    ManualTimeResult editManualTime(const ManualTimeRequest& r) override {
        manualAsked.push_back(r);
        return manualAnswer;
    }
    void editUseTimes() override { ++useTimesOpened; }
    void editUseMemos() override { ++useMemosOpened; }
    std::optional<int> chooseMemoColor(int) override {
        ++colorAsked;
        return colorAnswer;
    }
    Qt::KeyboardModifiers keyboardModifiers() const override { return modifiers; }
    void escapeAction() override { ++escapes; }
};

// May 2025 (closing day 31): the 3rd is a Saturday holiday, the 4th a
// Sunday, the 12th a Monday.
struct GridFixture {
    Settings settings;
    MonthRecord month;
    FixedClock clock{DateTime{2025, 5, 12, 8, 10, 0}};
    ScriptedServices services;
    DayStringGrid grid;

    GridFixture() {
        settings.times.standardStart = " 8:30";
        settings.times.standardEnd = "17:30";
        settings.times.shortDayStart = " 8:30";
        settings.times.shortDayEnd = "12:30";
        NewMonth(month, {2025, 5}, settings, AnnualHolidayTable::Defaults());
        grid.setSettings(&settings);
        grid.setClock(&clock);
        grid.setServices(&services);
        grid.setMonth(&month);
        grid.resize(600, 560);
    }

    bool show() {
        grid.show();
        return QTest::qWaitForWindowExposed(&grid);
    }
    std::string& cell(int row, int column) {
        return month.day(row).cells[static_cast<std::size_t>(column)];
    }
    QPoint centre(int row, int column) const {
        return grid.visualRect(grid.dayModel()->indexOf(row, column)).center();
    }
    QRect cellRect(int row, int column) const {
        return grid.visualRect(grid.dayModel()->indexOf(row, column));
    }
};

}  // namespace tkv::test
