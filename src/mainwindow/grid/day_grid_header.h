#pragma once

#include "platform/grid_cell.h"

namespace tkv {

// The grid's title row: a fixed row with a raised edge and centred titles.
class DayGridHeader final : public platform::GridTitleHeader {
    Q_OBJECT
public:
    explicit DayGridHeader(QWidget* parent = nullptr);
};

}  // namespace tkv
