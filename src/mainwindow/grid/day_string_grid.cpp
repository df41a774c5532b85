#include "mainwindow/grid/day_string_grid.h"

#include <algorithm>

#include <QKeyEvent>
#include <QScrollBar>
#include <QToolTip>

#include "base/text_util.h"
#include "mainwindow/grid/day_grid_delegate.h"
#include "mainwindow/grid/day_grid_header.h"
#include "mainwindow/grid/day_grid_model.h"
#include "mainwindow/grid/grid_layout.h"
#include "mainwindow/grid/grid_services.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {

using platform::ToQString;

namespace {

bool isCommandShortcut(const QKeyEvent* e) {
    if (e->modifiers() != Qt::ControlModifier)
        return false;
    const int k = e->key();
    return k == Qt::Key_G || k == Qt::Key_T || k == Qt::Key_U || k == Qt::Key_N;
}

}  // namespace

DayStringGrid::DayStringGrid(QWidget* parent)
    : platform::EditingGrid(parent),
      m_model(new DayGridModel(this)),
      m_delegate(new DayGridDelegate(this)) {
    setObjectName("DayStringGrid");
    buildMenus();  // before the model: setting it already moves the current cell
    setHorizontalHeader(new DayGridHeader(this));
    setModel(m_model);
    setItemDelegate(m_delegate);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setStatusTip(ToQString(GeneralHint));
    applyGridFont();
    fitColumns();
    connect(m_model, &DayGridModel::cellEdited, this, &DayStringGrid::monthEdited);
}

DayStringGrid::~DayStringGrid() = default;

// --- setup -------------------------------------------------------------

int DayStringGrid::designWidth() const {
    int w = 0;
    for (int c : ColumnWidths(blankWidth(), 0)) w += c + GridLineWidth;
    return w + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

void DayStringGrid::fitColumns() {
    if (m_fitting)
        return;
    m_fitting = true;
    const auto widths = ColumnWidths(blankWidth(), viewport()->width());
    for (int c = 0; c < DayColumnCount; ++c) {
        setColumnWidth(c, widths[static_cast<std::size_t>(c)] + GridLineWidth);
    }
    m_fitting = false;
}

void DayStringGrid::setMonth(MonthRecord* month) {
    const int row = currentDayRow();
    const int column = currentColumn();
    m_loading = true;
    closeCellEditor();
    m_month = month;
    m_model->setMonth(month);
    if (row > 0)
        selectDay(std::min(row, m_model->rowCount()), column);
    m_loading = false;
}

void DayStringGrid::setSettings(const Settings* settings) {
    m_settings = settings;
    m_model->setSettings(settings);
    applyInputMethod();
}

void DayStringGrid::setClock(const Clock* clock) {
    m_clock = clock;
}

void DayStringGrid::setServices(GridServices* services) {
    m_services = services;
}

void DayStringGrid::setPeriodListShown(bool shown) {
    m_periodListShown = shown;
}

void DayStringGrid::refresh() {
    if (m_month && m_month->rowCount() != m_model->rowCount()) {
        setMonth(m_month);
        return;
    }
    m_model->refresh();
    refreshCells();
}

// --- current cell and editor --------------------------------------------

int DayStringGrid::currentDayRow() const {
    const QModelIndex i = currentIndex();
    if (!i.isValid())
        return 0;
    const int day = DayGridModel::dayOfRow(i.row());
    return m_model->isDayRow(day) ? day : 0;
}

int DayStringGrid::currentColumn() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.column() : -1;
}

DayColumn DayStringGrid::currentDayColumn() const {
    return ColumnAt(currentColumn());
}

void DayStringGrid::selectDay(int row, int column) {
    const QModelIndex i = m_model->indexOf(row, column);
    if (i.isValid())
        setCurrentIndex(i);
}

void DayStringGrid::scrollToDay(int row) {
    // Per-item scrolling: the scroll bar value is the first visible day row - 1,
    // and its maximum already stops at the last full page.
    verticalScrollBar()->setValue(std::max(0, row - 11));
}

int DayStringGrid::rowFor(std::initializer_list<DayColumn> columns) const {
    const int row = currentDayRow();
    if (row == 0)
        return 0;
    const DayColumn column = ColumnAt(currentColumn());
    for (DayColumn c : columns) {
        if (c == column)
            return row;
    }
    return 0;
}

void DayStringGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    platform::EditingGrid::currentChanged(current, previous);
    attachMenu(ColumnAt(current.column()));
    if (!m_loading && current.isValid() && current != previous)
        requestAutoCalc();
}

bool DayStringGrid::editsCell(const QModelIndex& index) const {
    return m_model->dayRowAt(index) && IsEditableColumn(ColumnAt(index.column()));
}

std::optional<bool> DayStringGrid::wantsInputMethod(const QModelIndex& index) const {
    if (!m_settings || !m_settings->IMEAutoMode)
        return std::nullopt;
    // The input method is wanted for the memo only.
    return ColumnAt(index.column()) == DayColumn::Memo;
}

QModelIndex DayStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    QModelIndex i = platform::EditingGrid::moveCursor(action, modifiers);
    // Keys never lead into the fixed columns.
    if (i.isValid() && ColumnAt(i.column()) < DayColumn::Kind)
        i = m_model->index(i.row(), ColumnNumber(DayColumn::Kind));
    return i;
}

// --- keyboard, mouse, focus ------------------------------------------------

void DayStringGrid::requestAutoCalc() {
    if (m_settings && m_settings->AutoCalc && m_month && !m_periodListShown) {
        emit recalculateRequested();
    }
}

void DayStringGrid::leftGrid() {
    requestAutoCalc();
}

bool DayStringGrid::tabPressed(bool backward, bool ctrl) {
    if (m_periodListShown)
        return true;
    const int row = currentDayRow();
    if (row == 0) {
        if (!ctrl)
            return false;
        emit focusPreviousButton();
        return true;
    }
    const TabMove move =
        TabTarget(row, ColumnAt(currentColumn()), m_model->rowCount(), backward, ctrl);
    switch (move.kind) {
        case TabMove::ExitButton:
            emit focusExitButton();
            break;
        case TabMove::PreviousButton:
            emit focusPreviousButton();
            break;
        case TabMove::Cell:
            selectDay(move.row, ColumnNumber(move.column));
            break;
    }
    return true;
}

bool DayStringGrid::editorKeyPress(QKeyEvent* e) {
    if (m_periodListShown)
        return true;
    return platform::EditingGrid::editorKeyPress(e);
}

bool DayStringGrid::windowShortcut(const QKeyEvent* e) const {
    // The commands' shortcuts win over the editor's own key bindings.
    return isCommandShortcut(e);
}

bool DayStringGrid::editorDoubleClicked(const QModelIndex& index) {
    if (ColumnAt(index.column()) == DayColumn::Memo)
        return false;
    doubleClickCell(DayGridModel::dayOfRow(index.row()), index.column());
    return true;
}

void DayStringGrid::keyPressEvent(QKeyEvent* e) {
    if (m_periodListShown) {
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        if (m_services)
            m_services->escapeAction();
        e->accept();
        return;
    }
    platform::EditingGrid::keyPressEvent(e);
}

void DayStringGrid::resizeEvent(QResizeEvent* e) {
    platform::EditingGrid::resizeEvent(e);
    fitColumns();
}

void DayStringGrid::mousePressEvent(QMouseEvent* e) {
    platform::EditingGrid::mousePressEvent(e);
    attachMenu(currentDayColumn());
}

void DayStringGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    const QModelIndex i = indexAt(e->position().toPoint());
    if (m_model->dayRowAt(i))
        doubleClickCell(DayGridModel::dayOfRow(i.row()), i.column());
    e->accept();
}

void DayStringGrid::doubleClickCell(int row, int column) {
    if (m_periodListShown || !m_model->isDayRow(row))
        return;
    if (row != currentDayRow() || column != currentColumn())
        selectDay(row, column);
    if (row != currentDayRow() || column != currentColumn())
        return;
    const Qt::KeyboardModifiers mods =
        m_services ? m_services->keyboardModifiers() : Qt::NoModifier;
    switch (ColumnAt(column)) {
        case DayColumn::Date:
        case DayColumn::Weekday:
        case DayColumn::Kind:
            KubunChange();
            break;
        case DayColumn::Arrival:
        case DayColumn::Leaving: {
            const bool blank = Trim(m_month->day(row).cell(ColumnAt(column))).empty();
            if (!blank && !mods.testFlag(Qt::ControlModifier))
                break;
            const bool shift = mods.testFlag(Qt::ShiftModifier);
            const bool standardFirst =
                !m_settings || m_settings->ClickAutoSelect == ClickTimeChoice::StandardTime;
            if (standardFirst != shift) {
                TeijiTimeIn();
            } else {
                NowTimeIn();
            }
            break;
        }
        case DayColumn::Overtime:
        case DayColumn::LateNight:
        case DayColumn::Working:
            ZanTimeIn();
            break;
        default:
            break;
    }
}

bool DayStringGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* he = static_cast<QHelpEvent*>(e);
        const QModelIndex i = indexAt(he->pos());
        const DayRow* row = m_model->dayRowAt(i);
        const std::string hint = row ? CellHint(*row, ColumnAt(i.column())) : std::string();
        if (hint.empty()) {
            QToolTip::hideText();
            return true;
        }
        // A column's hint holds over its whole column, the memo's over its cell.
        QRect area = visualRect(i);
        if (ColumnAt(i.column()) != DayColumn::Memo)
            area = QRect(area.left(), 0, area.width(), viewport()->height());
        QToolTip::showText(he->globalPos() + QPoint(16, 0), ToQString(hint), viewport(), area,
                           10000);
        return true;
    }
    return platform::EditingGrid::viewportEvent(e);
}

}  // namespace tkv
