#pragma once

#include <optional>

#include <QString>
#include <Qt>

namespace tkv {

// What the day grid asks of the window around it: the small dialogs, the
// colour dialog and the state of the modifier keys. The main window provides
// it; tests give a scripted one.
struct TimeConfirmRequest {
    int mode = 0;       // 0 arrival, 1 leaving
    QString dateLabel;  // "5月12日(月)"
    QString nowText;    // NowMemo
    QString timeText;   // TimeMemo
};

struct ManualTimeRequest {
    QString name;         // "普通残業時間", "深夜残業時間" or "勤務時間"
    QString label;        // "5月12日(月)の普通残業時間"
    bool noCalc = false;  // NoCalcCheckBox
    bool legalHolidayEnabled = false;
    bool legalHoliday = false;  // HouteiKyujituCheckBox
    QString time;               // ZanTimeMemo
};

struct ManualTimeResult {
    bool noCalc = false;
    bool legalHoliday = false;
    QString time;
};

class GridServices {
public:
    virtual ~GridServices() = default;

    // TTimeAdjust; the TimeMemo text when closed with OK.
    virtual std::optional<QString> confirmTime(const TimeConfirmRequest& request) = 0;
    // TTimeSet; it has no cancel, so there is always a result.
    virtual ManualTimeResult editManualTime(const ManualTimeRequest& request) = 0;
    // TUseTimeSetForm / TUseMemoSetForm (they save the settings on "登 録").
    virtual void editUseTimes() = 0;
    virtual void editUseMemos() = 0;
    // The colour dialog; nothing when cancelled. Colours are 0x00BBGGRR.
    virtual std::optional<int> chooseMemoColor(int current) = 0;
    // Shift and Ctrl as they are now.
    virtual Qt::KeyboardModifiers keyboardModifiers() const = 0;
    // The Esc action of the whole program (to the tray when EscKeyMin is on).
    virtual void escapeAction() = 0;
};

}  // namespace tkv
