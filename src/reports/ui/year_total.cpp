#include "reports/ui/year_total.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "base/clock.h"
#include "base/registry_store.h"
#include "base/text_util.h"
#include "platform/buttons.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "platform/waiting_form.h"
#include "platform/window_fit.h"
#include "reports/period_csv.h"
#include "reports/ui/csv_export.h"
#include "reports/ui/period_grid.h"
#include "reports/ui/period_list_report.h"
#include "reports/ui/preview_form.h"
#include "settings/settings.h"
#include "settings/settings_store.h"
#include "settings/window_placement.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

namespace {

constexpr const char* kClassName = "TYearTotal";
// The progress bar is repainted at most this often: painting every month
// would cost more than reading it.
constexpr int kPaintIntervalMs = 30;

QLineEdit* makeSpanField(QWidget* parent, const char* name, int digits) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setAlignment(Qt::AlignRight);
    e->setMaxLength(8);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(digits + 1, '0')) + 12);
    return e;
}

// Lets the event loop paint while a calculation runs; no input is taken.
void letPaint() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace

TYearTotal::TYearTotal(YearTotalContext context, QWidget* parent)
    : QMainWindow(parent), m_ctx(std::move(context)) {
    setObjectName(kClassName);
    setWindowTitle("期間集計");
    buildMenus();
    buildPanels();
    for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(10000);

    // The span starts in the remembered month; "当 年" fills the rest.
    m_startMonth->setText(QString::number(m_ctx.settings ? m_ctx.settings->SyukeiMonth : 1));
    TodayButtonClick();

    setFixedWidth(m_grid->designWidth() + 2 * centralWidget()->layout()->contentsMargins().left());
    applyHeightLimits(false);
    resize(width(), heightForRows(17));
    restorePlacement();
}

TYearTotal::~TYearTotal() {
    // The program ends with the window open: keep its start month all the same.
    if (isVisible() && m_ctx.registry) {
        storeStartMonth();
        m_ctx.registry->flush();
    }
}

void TYearTotal::buildMenus() {
    auto add = [this](QMenu* menu, const char* name, const QString& text, auto handler) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = menuBar()->addMenu("ﾌｧｲﾙ(&F)");
    file->setObjectName("FileMenu");
    add(file, "PrintMenuItem", "印刷(&P)...", &TYearTotal::PrintMenuItemClick);
    add(file, "CsvMenuItem", "CSVﾌｧｲﾙ出力(&O)...", &TYearTotal::CsvMenuItemClick);
    file->addSeparator();
    add(file, "CloseMenuItem", "閉じる(&C)", &QWidget::close);

    QMenu* search = menuBar()->addMenu("検索(&S)");
    search->setObjectName("SearchMenu");
    add(search, "PreYearMenuItem", "前年(&P)", &TYearTotal::PreYearButtonClick);
    add(search, "PreMonthMenuItem", "前月(&B)", &TYearTotal::PreMonthButtonClick);
    add(search, "TodayMenuItem", "当年(&T)", &TYearTotal::TodayButtonClick);
    add(search, "NextMonthMenuItem", "次月(&F)", &TYearTotal::NextMonthButtonClick);
    add(search, "NextYearMenuItem", "次年(&N)", &TYearTotal::NextYearButtonClick);
    search->addSeparator();
    add(search, "JumpMenuItem", "移動(&J)", &TYearTotal::JumpButtonClick);

    QMenu* view = menuBar()->addMenu("表示(&V)");
    view->setObjectName("ViewMenu");
    add(view, "CalcMenuItem", "期間集計(&C)", &TYearTotal::CalcButtonClick);
    add(view, "AllCalcMenuItem", "全期間集計(&A)", &TYearTotal::AllCalcButtonClick);
}

void TYearTotal::buildPanels() {
    auto* central = new QWidget(this);
    central->setObjectName("MainPanel");
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);

    auto* top = new QWidget(central);
    top->setObjectName("TopPanel");
    auto* rows = new QVBoxLayout(top);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(4);

    auto* spanRow = new QHBoxLayout;
    m_startYear = makeSpanField(top, "StartYearMemo", 4);
    m_startMonth = makeSpanField(top, "StartMonthMemo", 2);
    m_endYear = makeSpanField(top, "EndYearMemo", 4);
    m_endMonth = makeSpanField(top, "EndMonthMemo", 2);
    for (QLineEdit* e : {m_startYear, m_startMonth, m_endYear, m_endMonth})
        e->installEventFilter(this);
    spanRow->addWidget(m_startYear);
    spanRow->addWidget(new QLabel("年", top));
    spanRow->addWidget(m_startMonth);
    spanRow->addWidget(new QLabel("月 ～", top));
    spanRow->addWidget(m_endYear);
    spanRow->addWidget(new QLabel("年", top));
    spanRow->addWidget(m_endMonth);
    spanRow->addWidget(new QLabel("月", top));
    spanRow->addStretch(1);
    QPushButton* calc =
        platform::MakeButton(top, "CalcButton", "期間集計", "設定した期間の残業時間を集計します。");
    QPushButton* all =
        platform::MakeButton(top, "AllCalcButton", "全期間", "ﾃﾞｰﾀのある全ての月を集計します。");
    spanRow->addWidget(calc);
    spanRow->addWidget(all);
    rows->addLayout(spanRow);

    auto* moveRow = new QHBoxLayout;
    const std::tuple<const char*, const char*, const char*, void (TYearTotal::*)()> moves[] = {
        {"PreYearButton", "<< 前年", "前年の期間を集計します。", &TYearTotal::PreYearButtonClick},
        {"PreMonthButton", "< 前月", "１ヶ月前の期間を集計します。",
         &TYearTotal::PreMonthButtonClick},
        {"TodayButton", "当 年", "今月が含まれる期間を集計します。", &TYearTotal::TodayButtonClick},
        {"NextMonthButton", "次月 >", "１ヶ月後の期間を集計します。",
         &TYearTotal::NextMonthButtonClick},
        {"NextYearButton", "次年 >>", "次年の期間を集計します。",
         &TYearTotal::NextYearButtonClick}};
    for (const auto& [name, caption, hint, handler] : moves) {
        QPushButton* b = platform::MakeButton(top, name, caption, hint);
        connect(b, &QPushButton::clicked, this, handler);
        moveRow->addWidget(b);
    }
    moveRow->addStretch(1);
    QPushButton* jump =
        platform::MakeButton(top, "JumpButton", "移動", "選択した月をﾒｲﾝｳｨﾝﾄﾞｳに表示します。");
    m_cancel = platform::MakeButton(top, "CancelButton", "閉じる", "ｳｨﾝﾄﾞｳを閉じます。");
    moveRow->addWidget(jump);
    moveRow->addWidget(m_cancel);
    rows->addLayout(moveRow);
    outer->addWidget(top);

    m_grid = new MonthStringGrid(central);
    outer->addWidget(m_grid, 1);
    setCentralWidget(central);

    connect(calc, &QPushButton::clicked, this, &TYearTotal::CalcButtonClick);
    connect(all, &QPushButton::clicked, this, &TYearTotal::AllCalcButtonClick);
    connect(jump, &QPushButton::clicked, this, &TYearTotal::JumpButtonClick);
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_grid, &MonthStringGrid::rowDoubleClicked, this, &TYearTotal::JumpButtonClick);

    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setObjectName("EscButton");
    connect(esc, &QShortcut::activated, this, [this] {
        if (m_ctx.escape)
            m_ctx.escape();
    });
}

bool TYearTotal::eventFilter(QObject* watched, QEvent* event) {
    // Entering a span field selects its text, also when entered by a click.
    if (event->type() == QEvent::FocusIn) {
        if (auto* edit = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    }
    return QMainWindow::eventFilter(watched, event);
}

PeriodSpan TYearTotal::enteredSpan() const {
    return ClampSpan(ToUtf8(m_startYear->text()), ToUtf8(m_startMonth->text()),
                     ToUtf8(m_endYear->text()), ToUtf8(m_endMonth->text()));
}

void TYearTotal::setSpanFields(const PeriodSpan& span) {
    m_startYear->setText(QString::number(span.start.year));
    m_startMonth->setText(QString::number(span.start.month));
    m_endYear->setText(QString::number(span.end.year));
    m_endMonth->setText(QString::number(span.end.month));
}

int TYearTotal::heightForRows(int rows) const {
    const QMargins m = centralWidget()->layout()->contentsMargins();
    return menuBar()->sizeHint().height() + m.top() + m.bottom() +
           centralWidget()->findChild<QWidget*>("TopPanel")->sizeHint().height() +
           centralWidget()->layout()->spacing() + m_grid->heightForRows(rows);
}

void TYearTotal::applyHeightLimits(bool shrink) {
    int maxHeight = heightForRows(m_grid->grid().monthRows + 5);
    int minHeight = heightForRows(6);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const int work = screen->availableGeometry().height();
        maxHeight = std::min(maxHeight, work);
        minHeight = std::min(minHeight, work);
    }
    setMinimumHeight(minHeight);
    setMaximumHeight(std::max(minHeight, maxHeight));
    if (shrink && height() > maximumHeight())
        resize(width(), maximumHeight());
}

void TYearTotal::open() {
    if (m_ctx.mainWindow)
        m_ctx.mainWindow->setEnabled(false);
    show();
    raise();
    activateWindow();
    CalcButtonClick();
    m_cancel->setFocus();
}

bool TYearTotal::CalcButtonClick() {
    return calculate(nullptr);
}

bool TYearTotal::calculate(PeriodMonthReader* given) {
    const PeriodSpan span = enteredSpan();
    setSpanFields(span);
    if (SpanReversed(span)) {
        platform::ShowMessage(this, "集計期間ｴﾗｰ", "集計期間の設定が異常です。", QMessageBox::Ok,
                              QMessageBox::Critical);
        return false;
    }
    PeriodMonthReader own(*m_ctx.settings, m_ctx.monthPath);
    PeriodMonthReader& reader = given ? *given : own;
    const int months = SpanMonthCount(span);

    platform::TWaitingForm* wait = m_ctx.waiting;
    if (wait)
        wait->begin(this, "集計中", months - 1);
    QElapsedTimer sincePaint;
    sincePaint.start();
    PeriodGrid grid = CalculatePeriod(span, reader, *m_ctx.settings, [&](int row) {
        if (sincePaint.elapsed() < kPaintIntervalMs && row < months)
            return;
        if (wait)
            wait->setPosition(row - 1);  // paints and lets the loop run
        else
            letPaint();
        sincePaint.restart();
    });
    m_grid->setGrid(std::move(grid));
    if (wait)
        wait->finish();
    applyHeightLimits(true);

    if (!reader.failures().empty()) {
        QString text = "ファイルを読み込めませんでした。この月は空欄です。";
        for (const IoResult& r : reader.failures()) text += "\n" + ToQString(r.path);
        platform::ShowMessage(this, "ファイルエラー", text, QMessageBox::Ok, QMessageBox::Warning);
    }
    return true;
}

void TYearTotal::AllCalcButtonClick() {
    PeriodMonthReader reader(*m_ctx.settings, m_ctx.monthPath);
    const std::optional<PeriodSpan> found = FindDataSpan(reader, &letPaint);
    if (!found)
        return;
    setSpanFields(*found);
    calculate(&reader);
}

void TYearTotal::moveStart(int months) {
    setSpanFields(TwelveMonthsFrom(AddMonths(enteredSpan().start, months)));
    calculate(nullptr);
}

void TYearTotal::TodayButtonClick() {
    const DateTime now = m_ctx.clock->now();
    setSpanFields(
        CurrentYearSpan(MonthClamp(ToUtf8(m_startMonth->text())), {now.year, now.month, now.day}));
    if (isVisible())
        calculate(nullptr);
}

void TYearTotal::JumpButtonClick() {
    const int row = m_grid->selectedRow();
    if (!m_grid->grid().isMonthRow(row) || !m_ctx.openMonth)
        return;
    if (m_ctx.openMonth(PeriodRowMonth(m_grid->grid().row(row))))
        close();
}

void TYearTotal::PrintMenuItemClick() {
    if (m_ctx.preview == nullptr || !calculate(nullptr))
        return;
    m_ctx.preview->preview(std::make_unique<TYearPrintForm>(enteredSpan(), m_ctx.monthPath,
                                                            *m_ctx.settings, *m_ctx.clock),
                           this);
}

void TYearTotal::CsvMenuItemClick() {
    if (m_ctx.store == nullptr || !calculate(nullptr))
        return;
    std::ostringstream csv;
    WritePeriodCsv(csv, m_grid->grid(), *m_ctx.settings);
    SaveCsvFile(this, *m_ctx.settings, *m_ctx.store,
                PeriodCsvFileName(m_grid->grid().span, *m_ctx.settings), csv.str());
}

void TYearTotal::closeEvent(QCloseEvent* event) {
    storeStartMonth();
    savePlacement();
    if (m_ctx.mainWindow)
        m_ctx.mainWindow->setEnabled(true);
    event->accept();
}

void TYearTotal::storeStartMonth() {
    const int month = StrToIntDef(ToUtf8(m_startMonth->text()), 1);
    if (m_ctx.settings)
        m_ctx.settings->SyukeiMonth = month;
    if (m_ctx.registry && m_ctx.store)
        m_ctx.registry->writeValue(m_ctx.store->userKey() + "\\System", "SyukeiMonth",
                                   std::to_string(month));
}

void TYearTotal::restorePlacement() {
    if (m_ctx.registry == nullptr)
        return;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect desktop = screen ? screen->virtualGeometry() : QRect(0, 0, 1024, 768);
    const WindowPlacementStore placement(*m_ctx.registry, m_ctx.startUser);
    const WindowPoint at = placement.restorePosition(
        kClassName, {desktop.width(), desktop.height()}, {width(), height()});
    move(at.left, at.top);
    platform::KeepOnScreen(*this);
}

void TYearTotal::savePlacement() {
    if (m_ctx.registry == nullptr)
        return;
    WindowPlacementStore placement(*m_ctx.registry, m_ctx.startUser);
    placement.savePosition(kClassName, {y(), x()});
    const IoResult r = placement.flush();
    if (!r.ok())
        platform::ShowMessage(this, "ファイルエラー",
                              "ファイルに書き込めませんでした。\n" + ToQString(r.path),
                              QMessageBox::Ok, QMessageBox::Critical);
}

}  // namespace tkv
