#include "mainwindow/grid/day_grid_header.h"

#include <QPainter>

#include "mainwindow/grid/grid_layout.h"
#include "platform/text_convert.h"

namespace tkv {

DayGridHeader::DayGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setObjectName("DayGridTitleRow");
    setSectionResizeMode(QHeaderView::Fixed);
    setSectionsClickable(false);
    setHighlightSections(false);
    setMinimumSectionSize(1);
}

void DayGridHeader::paintSection(QPainter* p, const QRect& rect, int logicalIndex) const {
    const QPalette& pal = palette();
    // The cell proper; the last pixel column and row are the grid line.
    const QRect cell(rect.left(), rect.top(), rect.width() - GridLineWidth,
                     rect.height() - GridLineWidth);
    p->save();
    p->fillRect(rect, pal.color(QPalette::Mid));
    p->fillRect(cell, pal.color(QPalette::Button));
    p->setPen(pal.color(QPalette::Light));
    p->drawLine(cell.topLeft(), cell.topRight());
    p->drawLine(cell.topLeft(), cell.bottomLeft());

    const QString title = platform::Q(ColumnTitle(ColumnAt(logicalIndex))).trimmed();
    const int left = TitleTextLeft(cell.width(), p->fontMetrics().horizontalAdvance(title));
    p->setPen(pal.color(QPalette::ButtonText));
    p->drawText(cell.adjusted(left, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                title);
    p->restore();
}

}  // namespace tkv
