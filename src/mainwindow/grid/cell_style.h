#pragma once

#include "core/month_record.h"

namespace tkv {

struct Settings;

// How one cell of a day row is drawn, decided without any painter: the
// delegate turns it into colours and fonts.
enum class CellInk { Normal, Red, Blue, Memo };

struct CellStyle {
    bool fixed = false;  // date and weekday: fixed colour, raised edge
    CellInk ink = CellInk::Normal;
    int memoColor = 0;       // 0x00BBGGRR when ink is Memo
    bool underline = false;  // a hand-entered computed value
    int cellColor = -1;      // index into CellColor, -1 for the grid colour
    bool weekLine = false;   // black line along the bottom edge
};

CellStyle StyleFor(const DayRow& row, DayColumn column, const Settings& s);

}  // namespace tkv
