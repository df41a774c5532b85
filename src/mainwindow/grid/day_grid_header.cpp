#include "mainwindow/grid/day_grid_header.h"

namespace tkv {

DayGridHeader::DayGridHeader(QWidget* parent) : platform::GridTitleHeader(Qt::Horizontal, parent) {
    setObjectName("DayGridTitleRow");
}

}  // namespace tkv
