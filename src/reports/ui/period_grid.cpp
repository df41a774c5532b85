#include "reports/ui/period_grid.h"

#include <array>

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "platform/fonts.h"
#include "platform/text_convert.h"

namespace tkv {

using platform::ToQString;

namespace {

// Characters of the grid font each column holds.
constexpr std::array<int, PeriodColumnCount> kColumnChars{7, 6, 6, 6, 6, 6, 8, 8, 8, 8};
constexpr int kCellMargin = 6;
constexpr int kTextInset = 2;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

void drawRules(QPainter* p, const QRect& rect, bool below, bool after) {
    p->setPen(QPen(Qt::black, 1));
    if (below)
        p->drawLine(rect.bottomLeft(), rect.bottomRight());
    if (after)
        p->drawLine(rect.topRight(), rect.bottomRight());
}

// Paints every cell: its text 2 pixels in from the left and top, in the
// colour the values ask for, then the black rules.
class PeriodGridDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* model = static_cast<const PeriodGridModel*>(index.model());
        const int row = index.row() + 1;
        const int column = index.column();
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QPalette& pal = option.palette;
        p->save();
        p->fillRect(option.rect,
                    selected ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
        p->setPen(selected ? pal.color(QPalette::HighlightedText)
                           : PeriodCellColor(model->grid(), row, column));
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(kTextInset, kTextInset, 0, 0),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
        drawRules(p, option.rect, PeriodRuleBelow(model->grid(), row), PeriodRuleAfter(column));
        p->restore();
    }
};

// The fixed header row: titles centred on the button colour, the rule under
// it (row 0 is a multiple of twelve) and the column rules.
class PeriodGridHeader final : public QHeaderView {
public:
    explicit PeriodGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setObjectName("MonthStringGridTitleRow");
        setSectionResizeMode(QHeaderView::Fixed);
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(1);
    }

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override {
        const QPalette& pal = palette();
        p->save();
        p->fillRect(rect, pal.color(QPalette::Button));
        p->setPen(pal.color(QPalette::Light));
        p->drawLine(rect.topLeft(), rect.topRight());
        p->drawLine(rect.topLeft(), rect.bottomLeft());
        p->setPen(pal.color(QPalette::Mid));
        p->drawLine(rect.topRight(), rect.bottomRight());
        const QString title =
            model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString().trimmed();
        p->setPen(pal.color(QPalette::ButtonText));
        p->drawText(rect.adjusted(0, kTextInset, 0, 0),
                    Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, title);
        drawRules(p, rect, true, PeriodRuleAfter(logicalIndex));
        p->restore();
    }
};

// Twelve empty months, as the window starts before its first calculation.
PeriodGrid emptyGrid() {
    PeriodGrid g;
    g.monthRows = 12;
    g.rows.resize(16);
    return g;
}

}  // namespace

QColor PeriodCellColor(const PeriodGrid& grid, int row, int column) {
    if (!grid.isMonthRow(row) || column < 1)
        return Qt::black;
    const std::size_t i = static_cast<std::size_t>(row - 1);
    if (i < grid.counted.size() && !grid.counted[i])
        return kBlue;
    return PeriodAboveAverage(grid, row, column) ? kRed : QColor(Qt::black);
}

bool PeriodRuleBelow(const PeriodGrid& grid, int row) {
    return row % 12 == 0 || row == grid.monthRows ||
           (row > grid.monthRows && row < grid.monthRows + 4);
}

bool PeriodRuleAfter(int column) {
    return column == 5 || column == 8;
}

PeriodGridModel::PeriodGridModel(QObject* parent)
    : QAbstractTableModel(parent), m_grid(emptyGrid()) {}

void PeriodGridModel::setGrid(PeriodGrid grid) {
    beginResetModel();
    m_grid = std::move(grid);
    endResetModel();
}

int PeriodGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid.rowCount();
}

int PeriodGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : PeriodColumnCount;
}

QVariant PeriodGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return ToQString(m_grid.row(index.row() + 1)[static_cast<std::size_t>(index.column())]);
}

QVariant PeriodGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 ||
        section >= PeriodColumnCount)
        return {};
    return ToQString(PeriodColumnTitles()[static_cast<std::size_t>(section)]);
}

MonthStringGrid::MonthStringGrid(QWidget* parent) : QTableView(parent) {
    setObjectName("MonthStringGrid");
    setToolTip("赤色=平均以上。青色=平均計算対象外。");
    setFont(platform::GridFont());
    m_model = new PeriodGridModel(this);
    setModel(m_model);
    setHorizontalHeader(new PeriodGridHeader(this));
    horizontalHeader()->setFont(font());
    setItemDelegate(new PeriodGridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setFixedHeight(fontMetrics().height() + 4);
    applyColumnWidths();
}

void MonthStringGrid::applyColumnWidths() {
    const int charWidth = fontMetrics().horizontalAdvance(QChar('0'));
    for (int c = 0; c < PeriodColumnCount; ++c)
        setColumnWidth(c, kColumnChars[static_cast<std::size_t>(c)] * charWidth + kCellMargin);
}

void MonthStringGrid::setGrid(PeriodGrid grid) {
    const int keep = selectedRow();
    m_model->setGrid(std::move(grid));
    const int rows = m_model->grid().rowCount();
    // The selection stays on its row number while that row exists.
    selectGridRow(keep >= 1 && keep <= rows ? keep : rows);
}

int MonthStringGrid::selectedRow() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void MonthStringGrid::selectGridRow(int number) {
    if (number < 1 || number > m_model->rowCount())
        return;
    setCurrentIndex(m_model->index(number - 1, 0));
    selectRow(number - 1);
    scrollTo(m_model->index(number - 1, 0));
}

int MonthStringGrid::designWidth() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < PeriodColumnCount; ++c) width += columnWidth(c);
    return width;
}

int MonthStringGrid::heightForRows(int rows) const {
    return horizontalHeader()->height() + (rows - 1) * verticalHeader()->defaultSectionSize() +
           2 * frameWidth();
}

void MonthStringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid()) {
        selectGridRow(index.row() + 1);
        emit rowDoubleClicked(index.row() + 1);
    }
    event->accept();
}

}  // namespace tkv
