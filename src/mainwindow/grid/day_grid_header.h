#pragma once

#include <QHeaderView>

namespace tkv {

// The grid's title row: a fixed row with a raised edge and centred titles.
class DayGridHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit DayGridHeader(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

}  // namespace tkv
