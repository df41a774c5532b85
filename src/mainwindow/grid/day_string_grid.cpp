#include "mainwindow/grid/day_string_grid.h"

#include <algorithm>

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolTip>

#include "base/clock.h"
#include "base/text_util.h"
#include "core/auto_time_input.h"
#include "mainwindow/grid/day_grid_delegate.h"
#include "mainwindow/grid/day_grid_header.h"
#include "mainwindow/grid/day_grid_model.h"
#include "mainwindow/grid/grid_commands.h"
#include "mainwindow/grid/grid_layout.h"
#include "mainwindow/grid/grid_services.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

namespace tkv {

using platform::Q;
using platform::S;

namespace {

bool isCommandShortcut(const QKeyEvent* e) {
    if (e->modifiers() != Qt::ControlModifier)
        return false;
    const int k = e->key();
    return k == Qt::Key_G || k == Qt::Key_T || k == Qt::Key_U || k == Qt::Key_N;
}

QString menuText(const std::string& text) {
    return Q(text).replace('&', QStringLiteral("&&"));
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
    setStatusTip(Q(GeneralHint));
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
    attachMenu(currentDayColumn());
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
        QToolTip::showText(he->globalPos() + QPoint(16, 0), Q(hint), viewport(), area, 10000);
        return true;
    }
    return platform::EditingGrid::viewportEvent(e);
}

// --- menus -------------------------------------------------------------------

QAction* DayStringGrid::addItem(QMenu* menu, const QString& caption, const char* name) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

void DayStringGrid::buildMenus() {
    auto shortcut = [this](QAction* a, QKeyCombination key) {
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    };
    auto editItem = [this](const QString& caption, const char* name,
                           void (DayStringGrid::*slot)()) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const std::array<QAction*, 4> editItems{
        editItem("切り取り(&T)", "CutItem", &DayStringGrid::CutItemClick),
        editItem("コピー(&C)", "CopyItem", &DayStringGrid::CopyItemClick),
        editItem("貼り付け(&P)", "PasteItem", &DayStringGrid::PasteItemClick),
        editItem("元に戻す(&U)", "UndoItem", &DayStringGrid::UndoItemClick),
    };
    auto addEditItems = [&](QMenu* menu) {
        menu->addSeparator();
        for (QAction* a : editItems) menu->addAction(a);
    };

    m_kubunMenu = new QMenu(this);
    m_kubunMenu->setObjectName("KubunPopupMenu");
    static constexpr std::array<const char*, DayKindCount> kinds{
        "(なし)", "休日", "有給", "午前", "午後", "代休", "欠勤", "半ドン"};
    for (int code = 0; code < DayKindCount; ++code) {
        QAction* a =
            m_kubunMenu->addAction(QString::fromUtf8(kinds[static_cast<std::size_t>(code)]));
        a->setObjectName(QStringLiteral("KubunItem%1").arg(code));
        connect(a, &QAction::triggered, this, [this, code] { KubunMenuClick(code); });
    }

    m_timeMenu = new QMenu(this);
    m_timeMenu->setObjectName("TimePopupMenu");
    QAction* now = addItem(m_timeMenu, "現在時刻入力...", "NowTimeInItem");
    shortcut(now, Qt::CTRL | Qt::Key_G);
    connect(now, &QAction::triggered, this, &DayStringGrid::NowTimeIn);
    QAction* teiji = addItem(m_timeMenu, "定時時刻入力", "TeijiTimeInItem");
    shortcut(teiji, Qt::CTRL | Qt::Key_T);
    connect(teiji, &QAction::triggered, this, &DayStringGrid::TeijiTimeIn);
    QAction* top = addItem(m_timeMenu, "上の時刻を貼り付け", "TopTimeInItem");
    shortcut(top, Qt::CTRL | Qt::Key_U);
    connect(top, &QAction::triggered, this, &DayStringGrid::TopTimeInItemClick);
    m_useTimeMenu = m_timeMenu->addMenu("設定時刻を貼り付け");
    m_useTimeMenu->setObjectName("UseTimePopupMenu");
    for (int n = 1; n <= 6; ++n) {
        QAction* a = m_useTimeMenu->addAction(QString());
        a->setObjectName(QStringLiteral("UseTimeItem%1").arg(n));
        m_useTimeItems[static_cast<std::size_t>(n - 1)] = a;
        connect(a, &QAction::triggered, this, [this, n] { UseTimeClick(n); });
    }
    m_useTimeMenu->addSeparator();
    connect(addItem(m_useTimeMenu, "設定時刻...", "UseTimeSetItem"), &QAction::triggered, this,
            &DayStringGrid::UseTimeSetItemClick);
    connect(m_useTimeMenu, &QMenu::aboutToShow, this, &DayStringGrid::updateUseTimeItems);
    connect(addItem(m_timeMenu, "時刻クリア", "TimeClearItem"), &QAction::triggered, this,
            &DayStringGrid::TimeClear);
    addEditItems(m_timeMenu);

    m_zanMenu = new QMenu(this);
    m_zanMenu->setObjectName("ZanPopupMenu");
    m_zanInputItem = addItem(m_zanMenu, "任意残業時間入力...", "ZanTimeInItem");
    shortcut(m_zanInputItem, Qt::CTRL | Qt::Key_N);
    connect(m_zanInputItem, &QAction::triggered, this, &DayStringGrid::ZanTimeIn);
    connect(addItem(m_zanMenu, "残業時間クリア", "ZanTimeClearItem"), &QAction::triggered, this,
            &DayStringGrid::TimeClear);
    addEditItems(m_zanMenu);

    m_kinmuMenu = new QMenu(this);
    m_kinmuMenu->setObjectName("KinmuPopupMenu");
    m_kinmuInputItem = addItem(m_kinmuMenu, "任意勤務時間入力...", "KinmuTimeInItem");
    shortcut(m_kinmuInputItem, Qt::CTRL | Qt::Key_N);
    connect(m_kinmuInputItem, &QAction::triggered, this, &DayStringGrid::ZanTimeIn);
    connect(addItem(m_kinmuMenu, "勤務時間クリア", "KinmuTimeClearItem"), &QAction::triggered, this,
            &DayStringGrid::TimeClear);
    addEditItems(m_kinmuMenu);

    m_memoMenu = new QMenu(this);
    m_memoMenu->setObjectName("MemoPopupMenu");
    m_useMemoMenu = m_memoMenu->addMenu("定型ﾒﾓを貼り付け");
    m_useMemoMenu->setObjectName("UseMemoPopupMenu");
    for (int n = 1; n <= 10; ++n) {
        QAction* a = m_useMemoMenu->addAction(QString());
        a->setObjectName(QStringLiteral("UseMemoItem%1").arg(n));
        m_useMemoItems[static_cast<std::size_t>(n - 1)] = a;
        connect(a, &QAction::triggered, this, [this, n] { UseMemoClick(n); });
    }
    m_useMemoMenu->addSeparator();
    connect(addItem(m_useMemoMenu, "定型ﾒﾓの設定...", "UseMemoSetItem"), &QAction::triggered, this,
            &DayStringGrid::UseMemoSetItemClick);
    connect(m_useMemoMenu, &QMenu::aboutToShow, this, &DayStringGrid::updateUseMemoItems);
    addEditItems(m_memoMenu);
    m_memoMenu->addSeparator();
    connect(addItem(m_memoMenu, "ﾒﾓの色設定...(&M)", "MemoColorItem"), &QAction::triggered, this,
            &DayStringGrid::MemoColorItemClick);
    connect(addItem(m_memoMenu, "ﾒﾓを標準色に戻す", "MemoColorResetItem"), &QAction::triggered,
            this, &DayStringGrid::MemoColorResetItemClick);

    updateUseTimeItems();
    updateUseMemoItems();
    attachMenu(ColumnAt(-1));
}

QMenu* DayStringGrid::popupMenuFor(int column) const {
    switch (ColumnAt(column)) {
        case DayColumn::Date:
        case DayColumn::Weekday:
        case DayColumn::Kind:
            return m_kubunMenu;
        case DayColumn::Arrival:
        case DayColumn::Leaving:
            return m_timeMenu;
        case DayColumn::Overtime:
        case DayColumn::LateNight:
            return m_zanMenu;
        case DayColumn::Working:
            return m_kinmuMenu;
        case DayColumn::Memo:
            return m_memoMenu;
        default:
            return nullptr;
    }
}

void DayStringGrid::attachMenu(DayColumn column) {
    // Both menus use Ctrl+N: only the one of the current column may answer.
    m_zanInputItem->setEnabled(column == DayColumn::Overtime || column == DayColumn::LateNight);
    m_kinmuInputItem->setEnabled(column == DayColumn::Working);
}

void DayStringGrid::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menu = popupMenuFor(currentColumn());
    if (!menu || currentDayRow() == 0)
        return;
    menu->exec(e->globalPos());
}

void DayStringGrid::updateUseTimeItems() {
    for (int n = 1; n <= 6; ++n) {
        QAction* a = m_useTimeItems[static_cast<std::size_t>(n - 1)];
        const std::string caption = m_settings ? UseTimeCaption(*m_settings, n) : std::string();
        a->setEnabled(!caption.empty());
        a->setText(caption.empty() ? Q(UnsetCaption) : menuText(caption));
    }
}

void DayStringGrid::updateUseMemoItems() {
    for (int n = 1; n <= 10; ++n) {
        QAction* a = m_useMemoItems[static_cast<std::size_t>(n - 1)];
        const std::string memo = m_settings ? UseMemoText(*m_settings, n) : std::string();
        a->setEnabled(!memo.empty());
        a->setText(memo.empty() ? Q(UnsetCaption) : menuText(memo));
    }
}

// --- entry commands ------------------------------------------------------------

void DayStringGrid::setCell(int row, DayColumn column, const std::string& text) {
    m_model->setCellText(row, ColumnNumber(column), text);
}

void DayStringGrid::KubunChange() {
    const int row = rowFor({DayColumn::Date, DayColumn::Weekday, DayColumn::Kind});
    if (row == 0)
        return;
    setCell(row, DayColumn::Kind,
            std::string(DayKindText(NextDayKind(m_month->day(row).cell(DayColumn::Kind)))));
    requestAutoCalc();
}

void DayStringGrid::KubunMenuClick(int code) {
    const int row = rowFor({DayColumn::Date, DayColumn::Weekday, DayColumn::Kind});
    const auto kind = DayKindFromCode(code);
    if (row == 0 || !kind)
        return;
    setCell(row, DayColumn::Kind, std::string(DayKindText(*kind)));
    requestAutoCalc();
}

void DayStringGrid::NowTimeIn() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0 || !m_settings || !m_clock || !m_services)
        return;
    const DayColumn column = currentDayColumn();
    // The standard-start substitution belongs to the automatic input only.
    Settings s = *m_settings;
    s.StartTeijiIn = StandardStartUse::Never;
    const auto which =
        column == DayColumn::Arrival ? AutoTimeWhich::Arrival : AutoTimeWhich::Leaving;
    const AutoTimePlan plan = PlanAutoTimeInput(m_clock->now(), s, which, AutoTimeMode::Confirm);
    TimeConfirmRequest request;
    request.mode = static_cast<int>(which);
    request.dateLabel = Q(RowDateLabel(m_month->day(row)));
    request.nowText = Q(plan.unroundedText);
    request.timeText = Q(plan.timeText);
    if (const auto text = m_services->confirmTime(request))
        setCell(row, column, S(*text));
}

void DayStringGrid::TeijiTimeIn() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0 || !m_settings)
        return;
    setCell(row, currentDayColumn(),
            StandardTimeText(m_month->day(row), currentDayColumn(), *m_settings));
}

void DayStringGrid::TopTimeInItemClick() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0)
        return;
    const DayColumn column = currentDayColumn();
    const int source = RowAboveWithTime(*m_month, row, column);
    if (source == 0)
        return;
    setCell(row, column, ToHankaku(m_month->day(source).cell(column)));
}

void DayStringGrid::UseTimeClick(int n) {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving});
    if (row == 0 || !m_settings)
        return;
    const std::string text = UseTimeText(*m_settings, n);
    if (!text.empty())
        setCell(row, currentDayColumn(), text);
}

void DayStringGrid::UseTimeSetItemClick() {
    if (m_services)
        m_services->editUseTimes();
}

void DayStringGrid::UseMemoClick(int n) {
    const int row = rowFor({DayColumn::Memo});
    if (row == 0 || !m_settings || !cellEditor())
        return;
    const std::string memo = UseMemoText(*m_settings, n);
    if (!memo.empty())
        cellEditor()->insert(Q(memo));
}

void DayStringGrid::UseMemoSetItemClick() {
    if (m_services)
        m_services->editUseMemos();
}

void DayStringGrid::TimeClear() {
    const int row = rowFor({DayColumn::Arrival, DayColumn::Leaving, DayColumn::Overtime,
                            DayColumn::LateNight, DayColumn::Working});
    if (row != 0)
        setCell(row, currentDayColumn(), std::string());
}

void DayStringGrid::ZanTimeIn() {
    const int row = rowFor({DayColumn::Overtime, DayColumn::LateNight, DayColumn::Working});
    if (row == 0 || !m_services)
        return;
    const DayColumn column = currentDayColumn();
    DayRow& day = *m_model->dayRow(row);
    const DayRow before = day;
    const QString name = Q(ManualValueName(column));

    ManualTimeRequest request;
    request.name = name;
    request.label = Q(RowDateLabel(day)) + QStringLiteral("の") + name;
    request.noCalc = day.isManual(column);
    request.legalHolidayEnabled = day.kind() == DayKind::Holiday;
    request.legalHoliday = request.legalHolidayEnabled && day.isLegalHoliday();
    request.time = Q(MinutesToStr(StrToMinutes(day.cell(column)), 2, true));
    const ManualTimeResult result = m_services->editManualTime(request);

    // The statutory mark is only offered on holidays; elsewhere the box is unchecked.
    day.ManualFlag[ManualFlagIndex(column)] = result.noCalc ? "*" : "";
    day.LegalHolidayFlag = request.legalHolidayEnabled && result.legalHoliday ? "*" : "";
    const bool flagsChanged = !(day == before);
    setCell(row, column, ManualValueText(S(result.time), result.noCalc));
    m_model->rowChanged(row);
    if (flagsChanged)
        emit monthEdited();
}

void DayStringGrid::MemoColorItemClick() {
    const int row = rowFor({DayColumn::Memo});
    if (row == 0 || !m_services)
        return;
    DayRow& day = *m_model->dayRow(row);
    const auto color = m_services->chooseMemoColor(day.MemoColor);
    if (!color || *color == day.MemoColor)
        return;
    day.MemoColor = *color;
    m_model->rowChanged(row);
    emit monthEdited();
}

void DayStringGrid::MemoColorResetItemClick() {
    const int row = rowFor({DayColumn::Memo});
    if (row == 0)
        return;
    DayRow& day = *m_model->dayRow(row);
    if (day.MemoColor == 0)
        return;
    day.MemoColor = 0;
    m_model->rowChanged(row);
    emit monthEdited();
}

}  // namespace tkv
