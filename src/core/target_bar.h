#pragma once

#include <string>
#include <vector>

namespace tkv {

struct MonthRecord;
struct Settings;

// What the target bar shows for the displayed month.
struct TargetBarState {
    bool hasTarget = false;   // false: "---%", "--:--" and an empty bar
    int percent = 0;          // achieved * 100 / target, truncated
    std::string percentText;  // "87%", "---%"
    bool percentRed = false;
    std::string perDayText;  // overtime still needed per remaining working day, or "--:--"
    int plannedDays = 0;
    int workedDays = 0;
};

TargetBarState ComputeTargetBar(const MonthRecord& m, const Settings& s);

// One drawn piece of the bar, in pixels of a box `width` x `height`.
struct BarShape {
    enum Kind { Tick, FilledSegment, EmptySegment } kind;
    int left, top, right, bottom;  // inclusive edges
    int color;                     // 0x00BBGGRR
};

// The ticks and segments of the bar for `percent` (nothing without a target
// or when the box is narrower than 45 pixels).
std::vector<BarShape> TargetBarShapes(const TargetBarState& state, int width, int height);

}  // namespace tkv
