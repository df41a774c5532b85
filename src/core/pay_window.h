#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/recalculate.h"

namespace tkv {

struct Settings;

// One field of the pay window: its control name and the text it shows.
struct PayField {
    std::string name;
    std::string text;
    bool enabled = true;
    bool negativeTime = false;  // a time field whose value is below zero: drawn red
};

// Every field of the pay window in the order of its three groups, from one
// recalculation and the settings: amounts with thousands separators, day
// counts with one decimal where halves occur, times at width 3.
std::vector<PayField> PayWindowFields(const MonthCalculation& c, const Settings& s);

}  // namespace tkv
