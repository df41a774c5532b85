#include "leave/ui/yuu_kyu.h"

#include <algorithm>
#include <sstream>

#include <QAction>
#include <QCloseEvent>
#include <QColorDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "base/clock.h"
#include "base/registry_store.h"
#include "leave/ledger_file.h"
#include "leave/ledger_grid.h"
#include "leave/ui/vac_del.h"
#include "leave/ui/vac_string_grid.h"
#include "platform/buttons.h"
#include "platform/colors.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "platform/window_fit.h"
#include "reports/leave_csv.h"
#include "reports/ui/csv_export.h"
#include "reports/ui/leave_list_report.h"
#include "settings/settings.h"
#include "settings/ui/single_line_edit.h"
#include "settings/window_placement.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

namespace {

constexpr const char* kClassName = "TYuuKyu";
// Rows the window shows at least, and the memo's growth at most, in blanks.
constexpr int kMinimumRows = 10;
constexpr int kMemoGrowth = 50;

QRect workArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0, 1024, 768};
    return screen->availableGeometry().isValid() ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

TYuuKyu::TYuuKyu(YuuKyuContext context, QWidget* parent)
    : QMainWindow(parent), m_ctx(std::move(context)) {
    setObjectName(kClassName);
    setWindowTitle("有給休暇");
    platform::SetHelpTopic(this, platform::HelpTopic::LeaveWindow);
    buildMenus();
    buildPanels();
    for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(10000);

    const DateTime now = m_ctx.clock ? m_ctx.clock->now() : DateTime{};
    m_delCount = new TVacDel(this);
    m_delDate = new TVacDel2({now.year, now.month, now.day}, this);
    for (VacDeleteDialog* d :
         {static_cast<VacDeleteDialog*>(m_delCount), static_cast<VacDeleteDialog*>(m_delDate)})
        d->setEscapeAction(m_ctx.escape);

    applySizeLimits();
    resize(minimumWidth(), heightForRows(21));
    restorePlacement();
}

TYuuKyu::~TYuuKyu() = default;

void TYuuKyu::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& text, auto handler,
                      const QKeySequence& key = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        if (!key.isEmpty())
            a->setShortcut(key);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = menuBar()->addMenu("ﾌｧｲﾙ(&F)");
    file->setObjectName("FileMenu");
    add(file, "SaveMenuItem", "保存(&S)", &TYuuKyu::SaveButtonClick, QKeySequence("Ctrl+S"));
    file->addSeparator();
    add(file, "PrintMenuItem", "印刷(&P)...", &TYuuKyu::PrintMenuItemClick);
    add(file, "CsvMenuItem", "CSVﾌｧｲﾙ出力(&O)...", &TYuuKyu::CsvMenuItemClick);
    file->addSeparator();
    add(file, "CloseMenuItem", "閉じる(&C)", &QWidget::close);

    QMenu* edit = menuBar()->addMenu("編集(&E)");
    edit->setObjectName("EditMenu");
    QMenu* remove = edit->addMenu("削除(&D)");
    remove->setObjectName("DeleteMenu");
    add(remove, "DeleteCountMenuItem", "件数指定(&N)...", &TYuuKyu::DeleteCountMenuItemClick);
    add(remove, "DeleteDateMenuItem", "日付指定(&D)...", &TYuuKyu::DeleteDateMenuItemClick);

    QMenu* search = menuBar()->addMenu("検索(&S)");
    search->setObjectName("SearchMenu");
    add(search, "JumpMenuItem", "移動(&J)", &TYuuKyu::JumpButtonClick);

    QMenu* view = menuBar()->addMenu("表示(&V)");
    view->setObjectName("ViewMenu");
    add(view, "CalcMenuItem", "再計算(&C)", &TYuuKyu::CalcButtonClick);
}

void TYuuKyu::buildPanels() {
    auto* central = new QWidget(this);
    central->setObjectName("MainPanel");
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    auto* top = new QWidget(central);
    top->setObjectName("TopPanel");
    // Two rows, so the panel is no wider than the grid at its narrowest.
    auto* rows = new QVBoxLayout(top);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);
    auto* balances = new QHBoxLayout;
    auto* buttons = new QHBoxLayout;
    rows->addLayout(balances);
    rows->addLayout(buttons);
    const auto balance = [top, balances](const char* label, const char* name, const char* hint) {
        auto* edit = new SingleLineEdit(top);
        edit->setObjectName(name);
        edit->setAlignment(Qt::AlignRight);
        edit->setToolTip(QString::fromUtf8(hint));
        edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(7, '0')) + 12);
        balances->addWidget(new QLabel(QString::fromUtf8(label), top));
        balances->addWidget(edit);
        return edit;
    };
    m_kuriZan = balance("繰越残日数", "KuriZanMemo", "有給休暇の繰越し残日数です。");
    balances->addSpacing(8);
    m_nowZan = balance("現在残日数", "NowZanMemo", "有給休暇の現在残日数です。");
    balances->addStretch(1);
    m_nowZan->setReadOnly(true);
    m_kuriZan->installEventFilter(this);
    m_calc = platform::MakeButton(top, "CalcButton", "再計算",
                                  "日付での並べ替えと残日数の再計算を行います。");
    QPushButton* save = platform::MakeButton(top, "SaveButton", "保 存", "有給休暇を保存します。");
    m_cancel = platform::MakeButton(top, "CancelButton", "閉じる",
                                    "ｳｨﾝﾄﾞｳを閉じて、ﾒｲﾝｳｲﾝﾄﾞｳに戻ります。");
    QPushButton* jump =
        platform::MakeButton(top, "JumpButton", "移動", "ｶｰｿﾙのある日のﾃﾞｰﾀへ移動します。");
    // Narrower than the style's usual button: as wide as the longest caption needs.
    const int buttonWidth = m_calc->fontMetrics().horizontalAdvance(m_calc->text()) + 24;
    for (QPushButton* b : {m_calc, save, m_cancel, jump}) {
        b->setFixedWidth(buttonWidth);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    // Never seen or tabbed to: it stands for the Esc key of the whole window.
    auto* esc = new QPushButton("Esc", top);
    esc->setObjectName("EscButton");
    esc->setFocusPolicy(Qt::NoFocus);
    esc->setAutoDefault(false);
    esc->stackUnder(m_cancel);
    m_esc = esc;
    m_cancel->installEventFilter(this);
    outer->addWidget(top);

    m_grid = new VacStringGrid(central);
    m_grid->setLedger(&m_ledger);
    m_grid->setSettings(m_ctx.settings);
    m_grid->setClock(m_ctx.clock);
    setColorChooser({});
    outer->addWidget(m_grid, 1);
    setCentralWidget(central);

    connect(m_kuriZan, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_ledger.setKuriZan(ToUtf8(text)); });
    connect(m_calc, &QPushButton::clicked, this, &TYuuKyu::CalcButtonClick);
    connect(save, &QPushButton::clicked, this, &TYuuKyu::SaveButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(jump, &QPushButton::clicked, this, &TYuuKyu::JumpButtonClick);
    connect(esc, &QPushButton::clicked, this, [this] {
        if (m_ctx.escape)
            m_ctx.escape();
    });
    connect(m_grid, &VacStringGrid::recalculateRequested, this, [this] { recalculate(false); });
    connect(m_grid, &VacStringGrid::escapePressed, m_esc, &QPushButton::click);
    connect(m_grid, &VacStringGrid::focusCalcButton, m_calc, [this] { m_calc->setFocus(); });
    connect(m_grid, &VacStringGrid::focusCancelButton, m_cancel, [this] { m_cancel->setFocus(); });
}

void TYuuKyu::setColorChooser(std::function<std::optional<int>(int)> choose) {
    if (!choose) {
        choose = [this](int current) -> std::optional<int> {
            const QColor chosen =
                QColorDialog::getColor(platform::ToQColor(current, palette()), this);
            if (!chosen.isValid())
                return std::nullopt;
            return platform::FromQColor(chosen);
        };
    }
    m_grid->setColorChooser(std::move(choose));
}

bool TYuuKyu::eventFilter(QObject* watched, QEvent* event) {
    // The Esc button stays hidden behind "閉じる" wherever the layout puts it.
    if (watched == m_cancel && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        m_esc->setGeometry(m_cancel->geometry());
    // The carry-over is rewritten as a day count once the field is left.
    if (watched == m_kuriZan && event->type() == QEvent::FocusOut) {
        const std::string text = TenthsText(TenthsOf(ToUtf8(m_kuriZan->text())), 0);
        m_kuriZan->setText(ToQString(text));
        m_ledger.setKuriZan(text);
    }
    return QMainWindow::eventFilter(watched, event);
}

void TYuuKyu::keyPressEvent(QKeyEvent* event) {
    // Esc from any control the key passes through: the program's Esc action.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_esc->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// --- showing and recalculating ----------------------------------------------------

void TYuuKyu::open() {
    if (m_ctx.mainWindow)
        m_ctx.mainWindow->setEnabled(false);
    show();
    raise();
    activateWindow();
    const std::string path = m_ctx.paths ? m_ctx.paths().ledgerFile() : std::string();
    const HalfDayValues half = m_ctx.settings ? HalfDayValuesOf(*m_ctx.settings) : HalfDayValues{};
    reportIo(LoadLedger(m_ledger, path, half));
    showLedger(true);
    m_cancel->setFocus();
}

void TYuuKyu::recalculate(bool scroll) {
    if (m_recalculating)
        return;
    m_grid->commitEditor();
    m_ledger.RecalcLedger();
    showLedger(scroll);
}

void TYuuKyu::showLedger(bool scroll) {
    m_recalculating = true;
    m_grid->refresh();
    m_kuriZan->setText(ToQString(m_ledger.KuriZan()));
    m_nowZan->setText(ToQString(m_ledger.NowZan()));
    if (scroll) {
        const LedgerScroll target = m_ledger.scrollTarget(m_grid->visibleRows());
        if (target.topRow)
            m_grid->setTopSlot(*target.topRow);
        if (target.cursorRow)
            m_grid->selectCell(*target.cursorRow, LedgerColumn::Date);
    }
    m_recalculating = false;
}

void TYuuKyu::CalcButtonClick() {
    recalculate(true);
}

bool TYuuKyu::reportIo(const IoResult& r) {
    if (r.ok())
        return true;
    const QString what = r.error == IoError::ReadFailed ? "ファイルを読み込めませんでした。"
                                                        : "ファイルに書き込めませんでした。";
    platform::ShowMessage(this, "ファイルエラー", what + "\n" + ToQString(r.path), QMessageBox::Ok,
                          QMessageBox::Critical);
    return false;
}

bool TYuuKyu::SaveButtonClick() {
    m_grid->commitEditor();
    const std::string path = m_ctx.paths ? m_ctx.paths().ledgerFile() : std::string();
    LedgerSaveOutcome r = SaveLedgerMerging(m_ledger, path);
    if (r.conflict) {
        // Another program changed what this window changed: the person chooses.
        const auto answer = platform::ShowMessage(
            this, "変更の競合",
            "有給休暇の台帳は、この画面で変更した後、ほかのプログラムでも変更されました。\n\n"
            "この画面の内容で保存しますか？\n"
            "「いいえ」を選ぶと、この画面の変更を捨ててファイルの内容を表示します。",
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) {
            r = SaveLedgerMerging(m_ledger, path, true);
        } else {
            const HalfDayValues half =
                m_ctx.settings ? HalfDayValuesOf(*m_ctx.settings) : HalfDayValues{};
            r.io = LoadLedger(m_ledger, path, half);
        }
    }
    const bool ok = reportIo(r.io);
    showLedger(true);
    return ok;
}

// --- closing -------------------------------------------------------------------------

Qt::KeyboardModifiers TYuuKyu::modifiers() const {
    return m_ctx.modifiers ? m_ctx.modifiers() : QGuiApplication::queryKeyboardModifiers();
}

bool TYuuKyu::closeQuery() {
    m_grid->commitEditor();
    if (!m_ledger.HasUnsavedChanges())
        return true;
    if (m_ctx.settings && m_ctx.settings->AutoSave && !modifiers().testFlag(Qt::ShiftModifier))
        return SaveButtonClick();
    const auto answer = platform::ShowMessage(
        this, "保存確認", "ﾃﾞｰﾀが変更されています。保存しますか？",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::Yes)
        return SaveButtonClick();  // a failed save keeps the window and its edits
    return answer == QMessageBox::No;
}

void TYuuKyu::closeEvent(QCloseEvent* event) {
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    savePlacement();
    if (m_ctx.mainWindow)
        m_ctx.mainWindow->setEnabled(true);
    event->accept();
    if (m_ctx.closed)
        m_ctx.closed();
}

// --- jump, delete, CSV, print ------------------------------------------------------------

void TYuuKyu::JumpButtonClick() {
    m_grid->commitEditor();
    if (m_ctx.confirmMonthSave && !m_ctx.confirmMonthSave())
        return;
    const int slot = m_grid->currentSlot();
    const std::string date = slot > 0 ? NormalizeLedgerDate(m_ledger.entry(slot).date) : "";
    if (date.empty() || !m_ctx.paths)
        return;
    const UserPaths paths = m_ctx.paths();
    const std::optional<MonthDayRow> found =
        FindLedgerDay(date, [&paths](YearMonth ym) { return paths.monthFile(ym); });
    if (!found) {
        platform::ShowMessage(this, "日付指定ｴﾗｰ", "指定の日付のﾃﾞｰﾀが見つかりません。",
                              QMessageBox::Ok, QMessageBox::Critical);
        return;
    }
    if (m_ctx.showDay)
        m_ctx.showDay(*found);
    close();
    // Still open (its own question was cancelled): the main window waits again.
    if (isVisible() && m_ctx.mainWindow)
        m_ctx.mainWindow->setEnabled(false);
}

void TYuuKyu::DeleteCountMenuItemClick() {
    if (m_delCount->exec() != QDialog::Accepted)
        return;
    m_grid->commitEditor();
    m_ledger.DeleteOldestEntries(m_delCount->count());
    showLedger(true);
}

void TYuuKyu::DeleteDateMenuItemClick() {
    if (m_delDate->exec() != QDialog::Accepted)
        return;
    m_grid->commitEditor();
    m_ledger.DeleteEntriesUpTo(m_delDate->dateText());
    showLedger(true);
}

void TYuuKyu::CsvMenuItemClick() {
    if (!m_ctx.settings || !m_ctx.store)
        return;
    recalculate(false);
    std::ostringstream csv;
    WriteLeaveCsv(csv, m_ledger, *m_ctx.settings);
    SaveCsvFile(this, *m_ctx.settings, *m_ctx.store, LeaveCsvFileName(*m_ctx.settings), csv.str());
}

void TYuuKyu::PrintMenuItemClick() {
    if (!m_ctx.preview || !m_ctx.settings || !m_ctx.clock)
        return;
    m_grid->commitEditor();
    PrintLeaveList(m_ledger, *m_ctx.settings, *m_ctx.clock, *m_ctx.preview, this);
}

// --- size and place ---------------------------------------------------------------------

int TYuuKyu::heightForRows(int rows) const {
    const QMargins m = centralWidget()->layout()->contentsMargins();
    return menuBar()->sizeHint().height() + m.top() + m.bottom() +
           centralWidget()->findChild<QWidget*>("TopPanel")->sizeHint().height() +
           centralWidget()->layout()->spacing() + m_grid->heightForRows(rows);
}

int TYuuKyu::widthFor(int extraBlanks) const {
    const QMargins m = centralWidget()->layout()->contentsMargins();
    const int panel = centralWidget()->findChild<QWidget*>("TopPanel")->sizeHint().width();
    return std::max(m_grid->designWidth(extraBlanks), panel) + m.left() + m.right();
}

void TYuuKyu::applySizeLimits() {
    const QSize work = workArea().size();
    const QSize min = QSize(widthFor(0), heightForRows(kMinimumRows + 1)).boundedTo(work);
    const QSize max = QSize(widthFor(kMemoGrowth), heightForRows(LedgerSlotCount + 1))
                          .boundedTo(work)
                          .expandedTo(min);
    setMinimumSize(min);
    setMaximumSize(max);
}

void TYuuKyu::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMaximized()) {
        // Once the state change is through: the window keeps its corner.
        QTimer::singleShot(0, this, &TYuuKyu::maximizeWithinLimits);
    }
}

void TYuuKyu::maximizeWithinLimits() {
    if (!isMaximized())
        return;
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    const QRect work = workArea();
    const QSize size = maximumSize();
    const WindowPoint at =
        MaximizedPosition({normal.top(), normal.left()}, {size.width(), size.height()},
                          {work.top(), work.left()}, {work.width(), work.height()});
    setWindowState(windowState() & ~Qt::WindowMaximized);
    setGeometry(at.left, at.top, size.width(), size.height());
}

void TYuuKyu::restorePlacement() {
    if (m_ctx.registry == nullptr)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    const WindowPlacementStore placement(*m_ctx.registry, m_ctx.startUser);
    if (m_ctx.restoreSize) {
        const WindowSize size = placement.restoreSize(kClassName, {width(), height()});
        resize(size.width, size.height);
    }
    const WindowPoint at = placement.restorePosition(
        kClassName, {desktop.width(), desktop.height()}, {width(), height()});
    move(at.left, at.top);
    platform::KeepOnScreen(*this);
}

void TYuuKyu::savePlacement() {
    if (m_ctx.registry == nullptr)
        return;
    WindowPlacementStore placement(*m_ctx.registry, m_ctx.startUser);
    placement.savePosition(kClassName, {y(), x()});
    placement.saveSize(kClassName, {width(), height()});
    reportIo(placement.flush());
}

}  // namespace tkv
