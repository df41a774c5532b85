#include "mainwindow/zangyo_main.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <iterator>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "base/paths.h"
#include "base/text_util.h"
#include "core/calendar.h"
#include "core/target_bar.h"
#include "leave/ledger.h"
#include "leave/ledger_file.h"
#include "leave/ui/yuu_kyu.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/grid/grid_services.h"
#include "mainwindow/jump.h"
#include "mainwindow/month_output.h"
#include "mainwindow/pending_features.h"
#include "mainwindow/save_conflicts.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/help_topic.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "platform/window_fit.h"
#include "reports/ui/year_total.h"
#include "settings/ui/password_prompt.h"
#include "settings/ui/setting_dialog.h"
#include "settings/window_placement.h"

namespace tkv {

using platform::Q;
using platform::S;

namespace {

constexpr const char* kClassName = "TZangyoMain";

// Fields shown red when their time reads negative.
bool isTimeField(const QString& name) {
    return name == "ZanTMemo" || name == "SZanTMemo" || name == "KeiTMemo" || name == "MokuTMemo" ||
           name == "KinmuTMemo";
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TZangyoMain::TZangyoMain(AppContext& app, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_session(app.settings, app.holidays, app.paths()) {
    setObjectName(kClassName);
    platform::SetHelpTopic(this, platform::HelpTopic::MainWindow);
    buildMenus();
    buildPanels();
    MarkPendingFeatures(*this);
    updateTitle();
    // Hints stay up long enough to read the longer ones.
    for (QWidget* w : findChildren<QWidget*>()) w->setToolTipDuration(10000);
    computeSizeLimits();
    m_bar->setVisible(m_barAction->isChecked());
    applySizeLimits();
    resize(m_minSize.width(), m_minSize.height() + barHeight());
    restorePlacement();
}

TZangyoMain::~TZangyoMain() = default;

QAction* TZangyoMain::action(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

void TZangyoMain::buildMenus() {
    auto add = [](QMenu* menu, const char* name, const QString& text, bool enabled = true,
                  const QKeySequence& key = {}) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        a->setEnabled(enabled);
        if (!key.isEmpty())
            a->setShortcut(key);
        return a;
    };
    QMenu* file = menuBar()->addMenu("ﾌｧｲﾙ(&F)");
    file->setObjectName("FileMenu");
    connect(add(file, "SaveMenuItem", "保存(&S)", true, QKeySequence("Ctrl+S")),
            &QAction::triggered, this, [this] { saveShownMonth(); });
    file->addSeparator();
    connect(add(file, "PrintMenuItem", "印刷(&P)..."), &QAction::triggered, this,
            &TZangyoMain::PrintMenuItemClick);
    connect(add(file, "CsvMenuItem", "CSVﾌｧｲﾙ出力(&O)..."), &QAction::triggered, this,
            &TZangyoMain::CsvMenuItemClick);
    file->addSeparator();
    connect(add(file, "ExitMenuItem", "終了(&X)"), &QAction::triggered, this, &QWidget::close);

    QMenu* search = menuBar()->addMenu("検索(&S)");
    search->setObjectName("SearchMenu");
    connect(add(search, "PreMenuItem", "前月(&P)"), &QAction::triggered, this,
            &TZangyoMain::PreButtonClick);
    connect(add(search, "TodayMenuItem", "当月(&T)"), &QAction::triggered, this,
            &TZangyoMain::TodayButtonClick);
    connect(add(search, "NextMenuItem", "次月(&N)"), &QAction::triggered, this,
            &TZangyoMain::NextButtonClick);
    connect(add(search, "JumpMenuItem", "指定月(&J)..."), &QAction::triggered, this,
            &TZangyoMain::JumpButtonClick);

    QMenu* view = menuBar()->addMenu("表示(&V)");
    view->setObjectName("ViewMenu");
    connect(add(view, "CalcMenuItem", "再計算(&C)"), &QAction::triggered, this,
            [this] { recalculateShown(true); });
    connect(add(view, "KingakuMenuItem", "金額表示(&K)..."), &QAction::triggered, this,
            &TZangyoMain::KingakuButtonClick);
    connect(add(view, "SyukeiMenuItem", "期間集計(&S)..."), &QAction::triggered, this,
            &TZangyoMain::SyukeiButtonClick);
    connect(add(view, "YuukyuMenuItem", "有給休暇(&Y)..."), &QAction::triggered, this,
            &TZangyoMain::YuukyuButtonClick);
    view->addSeparator();
    add(view, "TokuSyukeiMenuItem", "任意期間一覧(&T)...");
    add(view, "TokuKaijoMenuItem", "任意期間解除(&R)");
    view->addSeparator();
    m_barAction = add(view, "MokuhyoMenuItem", "目標達成率(&M)");
    m_barAction->setCheckable(true);
    m_barAction->setChecked(m_app.settings.MokuhyoBasShow);
    connect(m_barAction, &QAction::triggered, this, [this] {
        // The action has already flipped its check mark; the toggle flips it again.
        m_barAction->setChecked(!m_barAction->isChecked());
        ToggleTargetBar();
    });
    connect(add(view, "HolidayReadMenuItem", "祝祭日読み込み"), &QAction::triggered, this, [this] {
        MarkCalendar(m_session.month(), false, m_app.settings, m_app.holidays);
        m_grid->refresh();
    });

    QMenu* users = menuBar()->addMenu("切り替え(&C)");
    users->setObjectName("MultiUserMenu");
    users->menuAction()->setVisible(m_app.multiUser);

    QMenu* options = menuBar()->addMenu("ｵﾌﾟｼｮﾝ(&O)");
    options->setObjectName("OptionMenu");
    connect(add(options, "SettingMenuItem", "環境設定(&E)..."), &QAction::triggered, this,
            &TZangyoMain::SettingMenuItemClick);

    QMenu* help = menuBar()->addMenu("ﾍﾙﾌﾟ(&H)");
    help->setObjectName("HelpMenu");
    connect(add(help, "HelpMenuItem", "ﾍﾙﾌﾟ(&H)..."), &QAction::triggered, this,
            &TZangyoMain::helpRequested);
    connect(add(help, "AboutMenuItem", "ﾊﾞｰｼﾞｮﾝ情報(&A)..."), &QAction::triggered, this,
            &TZangyoMain::aboutRequested);
}

QLineEdit* TZangyoMain::addSummaryField(QWidget* panel, QGridLayout* grid, int row,
                                        const QString& label, const char* name,
                                        const QString& hint) {
    auto* l = new QLabel(label, panel);
    auto* e = new QLineEdit(panel);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignRight);
    e->setFont(platform::GridFont());
    e->setToolTip(hint);
    e->setFixedWidth(QFontMetrics(platform::GridFont()).horizontalAdvance(QString(8, ' ')) + 10);
    grid->addWidget(l, row, 0);
    grid->addWidget(e, row, 1);
    m_summary[name] = e;
    return e;
}

void TZangyoMain::buildPanels() {
    auto* central = new QWidget(this);
    central->setObjectName("MainPanel");
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* top = new QFrame(central);
    top->setObjectName("TopPanel");
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(6, 4, 4, 4);
    m_yearMemo = new QLineEdit(top);
    m_yearMemo->setObjectName("YearMemo");
    m_monthMemo = new QLineEdit(top);
    m_monthMemo->setObjectName("MonthMemo");
    for (QLineEdit* e : {m_yearMemo, m_monthMemo}) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        e->setAlignment(Qt::AlignRight);
        e->setFont(platform::GridFont());
    }
    m_yearMemo->setFixedWidth(QFontMetrics(platform::GridFont()).horizontalAdvance("00000") + 10);
    m_monthMemo->setFixedWidth(QFontMetrics(platform::GridFont()).horizontalAdvance("000") + 10);
    topRow->addWidget(m_yearMemo);
    topRow->addWidget(new QLabel("年", top));
    topRow->addWidget(m_monthMemo);
    topRow->addWidget(new QLabel("月", top));
    topRow->addSpacing(12);
    const std::tuple<const char*, const char*, const char*, void (TZangyoMain::*)()> navigation[] =
        {{"PreButton", "<< 前月", "前月が表示されます。", &TZangyoMain::PreButtonClick},
         {"TodayButton", "当 月", "今日が含まれる月が表示されます。",
          &TZangyoMain::TodayButtonClick},
         {"NextButton", "次月 >>", "次月が表示されます。", &TZangyoMain::NextButtonClick},
         {"JumpButton", "指定月", "指定した月へ移動します。", &TZangyoMain::JumpButtonClick}};
    for (const auto& [name, caption, hint, handler] : navigation) {
        QPushButton* b = makeButton(top, name, caption, hint);
        connect(b, &QPushButton::clicked, this, handler);
        topRow->addWidget(b);
    }
    auto* topRight = new QFrame(top);
    topRight->setObjectName("TopRightPanel");
    topRow->addWidget(topRight, 1);
    outer->addWidget(top);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    auto* left = new QFrame(central);
    left->setObjectName("LeftPanel");
    left->setFixedWidth(6);
    middle->addWidget(left);
    m_grid = new DayStringGrid(central);
    middle->addWidget(m_grid, 1);

    auto* right = new QFrame(central);
    right->setObjectName("RightPanel");
    auto* rightCol = new QVBoxLayout(right);
    rightCol->setContentsMargins(6, 0, 6, 0);
    auto* fields = new QGridLayout;
    int row = 0;
    addSummaryField(right, fields, row++, "出勤", "SyukinMemo", "出勤した日数");
    addSummaryField(right, fields, row++, "休出", "KyujituMemo", "休日出勤した日数");
    addSummaryField(right, fields, row++, "普通", "ZanTMemo", "普通残業時間の合計");
    addSummaryField(right, fields, row++, "深夜", "SZanTMemo", "深夜残業時間の合計");
    addSummaryField(right, fields, row++, "合計", "KeiTMemo", "普通＋深夜残業時間の合計");
    addSummaryField(right, fields, row++, "目標", "MokuTMemo",
                    "目標までの残り残業時間(ﾏｲﾅｽで不足時間)");
    addSummaryField(right, fields, row++, "勤務", "KinmuTMemo",
                    "定時内と残業時間を含めた総勤務時間");
    rightCol->addLayout(fields);
    rightCol->addSpacing(8);
    QPushButton* calc = makeButton(right, "CalcButton", "再計算");
    QPushButton* kingaku =
        makeButton(right, "KingakuButton", "金額表示...", "１ヶ月の給与金額を計算･表示します。");
    QPushButton* syukei =
        makeButton(right, "SyukeiButton", "期間集計...", "年間の期間集計一覧を表示します。");
    QPushButton* yuukyu = makeButton(right, "YuukyuButton", "有給休暇...");
    QPushButton* save = makeButton(right, "SaveButton", "保  存");
    QPushButton* exit = makeButton(right, "EndButton", "終  了");
    for (QPushButton* b : {calc, kingaku, syukei, yuukyu, save, exit}) rightCol->addWidget(b);
    rightCol->addStretch(1);
    middle->addWidget(right);
    outer->addLayout(middle, 1);

    auto* bottom = new QFrame(central);
    bottom->setObjectName("BottomPanel");
    bottom->setFixedHeight(6);
    outer->addWidget(bottom);
    m_bar = new TargetBarPanel(central);
    outer->addWidget(m_bar);
    setCentralWidget(central);

    // Clicks on the bare panels switch the target bar.
    for (QWidget* w : {static_cast<QWidget*>(central), static_cast<QWidget*>(top),
                       static_cast<QWidget*>(topRight), static_cast<QWidget*>(right),
                       static_cast<QWidget*>(left), static_cast<QWidget*>(bottom)})
        w->installEventFilter(this);

    connect(calc, &QPushButton::clicked, this, [this] { recalculateShown(true); });
    connect(kingaku, &QPushButton::clicked, this, &TZangyoMain::KingakuButtonClick);
    connect(syukei, &QPushButton::clicked, this, &TZangyoMain::SyukeiButtonClick);
    connect(yuukyu, &QPushButton::clicked, this, &TZangyoMain::YuukyuButtonClick);
    connect(save, &QPushButton::clicked, this, [this] { saveShownMonth(); });
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(m_grid, &DayStringGrid::recalculateRequested, this,
            [this] { recalculateShown(false); });
    connect(m_grid, &DayStringGrid::focusExitButton, exit,
            [exit] { exit->setFocus(Qt::BacktabFocusReason); });
    connect(m_grid, &DayStringGrid::focusPreviousButton, this, [this] {
        if (auto* pre = findChild<QPushButton*>("PreButton"); pre && pre->isEnabled())
            pre->setFocus(Qt::TabFocusReason);
    });
    // Tab runs over the month buttons, the buttons on the right and then the
    // grid, whose last cell leads back to "<< 前月" and whose first cell,
    // with Shift+Tab, back to "終  了".
    QWidget* const tabChain[] = {
        findChild<QPushButton*>("JumpButton"), calc, kingaku, syukei, yuukyu, save, exit, m_grid};
    for (std::size_t i = 1; i < std::size(tabChain); ++i) setTabOrder(tabChain[i - 1], tabChain[i]);
    m_grid->setMonth(&m_session.month());
    m_grid->setSettings(&m_app.settings);
    m_grid->setClock(m_app.clock.get());
}

bool TZangyoMain::eventFilter(QObject* watched, QEvent* event) {
    const QString name = watched->objectName();
    const QEvent::Type type = event->type();
    if (name == "LeftPanel" || name == "BottomPanel") {
        // A single click switches; the second half of a double click does not.
        if (type == QEvent::MouseButtonPress)
            ToggleTargetBar();
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
            return true;
    } else if (type == QEvent::MouseButtonDblClick) {
        ToggleTargetBar();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TZangyoMain::mouseDoubleClickEvent(QMouseEvent* event) {
    ToggleTargetBar();
    event->accept();
}

void TZangyoMain::setDialogs(const MainWindowDialogs& dialogs) {
    m_dialogs = dialogs;
}

void TZangyoMain::setGridServices(GridServices* services) {
    m_services = services;
    m_grid->setServices(services);
}

void TZangyoMain::updateTitle() {
    const Settings& s = m_app.settings;
    QString title = "Tokivane";
    if (s.PrivateNameDisp && !Trim(s.PrivateName).empty())
        title += " - " + Q(s.PrivateName);
    else if (!m_app.currentUser.empty())
        title += " - " + Q(m_app.currentUser);
    else if (m_app.multiUser)
        title += " - (ｶﾚﾝﾄ)";
    setWindowTitle(title);
}

int TZangyoMain::displayedYear() const {
    return StrToIntDef(S(m_yearMemo->text()), 0);
}
int TZangyoMain::displayedMonth() const {
    return StrToIntDef(S(m_monthMemo->text()), 0);
}

void TZangyoMain::reportFileError(const IoResult& r) {
    const QString what = r.error == IoError::ReadFailed ? "ファイルを読み込めませんでした。"
                         : r.error == IoError::Locked
                             ? "ほかのプログラムが使用中のため、保存できませんでした。少し待ってか"
                               "ら保存してください。"
                             : "ファイルに書き込めませんでした。";
    platform::ShowMessage(this, "ファイルエラー", what + "\n" + Q(r.path), QMessageBox::Ok,
                          QMessageBox::Critical);
}

void TZangyoMain::showMonth(int year, int month, bool force) {
    if (!force && m_session.loadedMonth() == YearMonth{year, month})
        return;
    m_yearMemo->setText(QString::number(year));
    m_monthMemo->setText(QString::number(month));
    // From the files of the user open now (the users menu may have switched).
    m_session.setPaths(m_app.paths());
    const IoResult r = m_session.load({year, month});
    m_grid->refresh();
    showSummary();
    if (!r.ok())
        reportFileError(r);
    else if (m_session.lastDayRepaired())
        platform::ShowMessage(
            this, "ファイルエラー",
            "月のファイルの日数（LastDay）が壊れていたため、暦の日数で表示しました。\n" +
                Q(m_session.paths().monthFile({year, month})),
            QMessageBox::Ok, QMessageBox::Warning);
    RefreshLeaveIndicator();
}

bool TZangyoMain::saveShownMonth() {
    m_grid->commitEditor();
    const MonthSaveOutcome r = SaveMonthAsking(this, m_session);
    if (!r.refused) {
        m_grid->refresh();
        showSummary();
    }
    if (!r.month.ok()) {
        reportFileError(r.month);
        return false;
    }
    if (!r.conflicts.empty())
        return false;  // the file kept changing while asked; the month stays unsaved
    if (!r.ledger.ok())
        reportFileError(r.ledger);
    RefreshLeaveIndicator();
    return r.ledger.ok();
}

void TZangyoMain::recalculateShown(bool cursorMove) {
    m_grid->commitEditor();
    m_session.recalculate();
    m_grid->refresh();
    if (cursorMove) {
        const DayColumn column = ColumnAt(m_grid->currentColumn());
        if (column >= DayColumn::Arrival && column <= DayColumn::Working &&
            m_grid->currentDayRow() >= 1)
            m_grid->selectDay(m_grid->currentDayRow(), ColumnNumber(DayColumn::Memo));
    }
    showSummary();
}

void TZangyoMain::showSummary() {
    for (const SummaryField& f : SummaryFields(m_session.month().summary)) {
        const QString name = Q(f.name);
        QLineEdit* e = m_summary[name];
        e->setText(Q(*f.text));
        QPalette p = e->palette();
        const bool red = isTimeField(name) && StrToMinutes(*f.text) < 0;
        p.setColor(QPalette::Text, red ? platform::ToQColor(platform::RedColor, p)
                                       : QApplication::palette().color(QPalette::Text));
        e->setPalette(p);
    }
    m_bar->setState(ComputeTargetBar(m_session.month(), m_app.settings));
    if (m_dialogs.total && m_dialogs.total->isVisible())
        m_dialogs.total->showFigures(m_session.calculation(), m_app.settings);
}

Qt::KeyboardModifiers TZangyoMain::modifiers() const {
    return m_services ? m_services->keyboardModifiers() : QGuiApplication::queryKeyboardModifiers();
}

bool TZangyoMain::ConfirmMonthSave() {
    m_grid->commitEditor();
    if (!m_session.month().hasUnsavedChanges())
        return true;
    if (m_attendance != Attendance::Person)
        return saveShownMonth();
    if (m_app.settings.AutoSave && !modifiers().testFlag(Qt::ShiftModifier))
        return saveShownMonth();
    const auto answer = platform::ShowMessage(
        this, "保存確認", "ﾃﾞｰﾀが変更されています。保存しますか？",
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question);
    if (answer == QMessageBox::Yes)
        return saveShownMonth();
    if (answer == QMessageBox::No) {
        m_session.month().takeSnapshot();  // the edits are given up
        return true;
    }
    return false;
}

void TZangyoMain::afterMove() {
    // The pay window follows the displayed month.
    if (m_dialogs.total && m_dialogs.total->isVisible())
        recalculateShown(false);
}

void TZangyoMain::moveTo(YearMonth target) {
    showMonth(target.year, target.month, true);
    afterMove();
}

void TZangyoMain::PreButtonClick() {
    const bool wholeYear = modifiers().testFlag(Qt::ControlModifier);
    if (!ConfirmMonthSave())
        return;
    const YearMonth shown{displayedYear(), displayedMonth()};
    moveTo(wholeYear ? YearMonth{shown.year - 1, shown.month} : PreviousMonth(shown));
}

void TZangyoMain::NextButtonClick() {
    const bool wholeYear = modifiers().testFlag(Qt::ControlModifier);
    if (!ConfirmMonthSave())
        return;
    const YearMonth shown{displayedYear(), displayedMonth()};
    moveTo(wholeYear ? YearMonth{shown.year + 1, shown.month} : NextMonth(shown));
}

void TZangyoMain::TodayButtonClick() {
    const YearMonth current = AccountingMonthNow(*m_app.clock, m_app.settings.SimeDay);
    if (current.year == displayedYear() && current.month == displayedMonth())
        return;
    if (!ConfirmMonthSave())
        return;
    moveTo(current);
}

void TZangyoMain::JumpButtonClick() {
    if (m_dialogs.jump == nullptr)
        return;
    if (m_dialogs.jump->exec() != QDialog::Accepted)
        return;
    if (!ConfirmMonthSave())
        return;
    const JumpTarget t = m_dialogs.jump->clampedTarget();
    moveTo({t.year, t.month});
}

void TZangyoMain::SimeDayChanged() {
    const YearMonth current = AccountingMonthNow(*m_app.clock, m_app.settings.SimeDay);
    // The old file holds the old period's days; the month is built afresh.
    if (const IoResult r = m_session.removeMonthFile(current); !r.ok())
        reportFileError(r);
    showMonth(current.year, current.month, true);
}

void TZangyoMain::KingakuButtonClick() {
    if (m_dialogs.total == nullptr)
        return;
    if (m_dialogs.pass && !AskPassword(this, *m_dialogs.pass, Q(m_app.settings.KinPass)))
        return;
    m_dialogs.total->show();
    recalculateShown(false);
    m_dialogs.total->raise();
    m_dialogs.total->activateWindow();
}

void TZangyoMain::SettingMenuItemClick() {
    if (m_dialogs.setting == nullptr)
        return;
    if (m_dialogs.pass && !AskPassword(this, *m_dialogs.pass, Q(m_app.settings.KinPass)))
        return;
    const SettingOutcome outcome = m_dialogs.setting->run();
    if (!outcome.saved)
        return;
    if (outcome.simeDayChanged) {
        SimeDayChanged();
    } else if (outcome.holidaysChanged) {
        MarkCalendar(m_session.month(), false, m_app.settings, m_app.holidays);
    }
    updateTitle();
    m_bar->setLeave(m_app.settings.YukyuMokuZanDisp, 0);
    RefreshLeaveIndicator();
    // Amounts, targets and colours: the pay window and the bar follow.
    if (m_dialogs.total && m_dialogs.total->isVisible())
        recalculateShown(false);
    else
        showSummary();
    m_grid->refresh();
}

void TZangyoMain::SyukeiButtonClick() {
    if (m_dialogs.yearTotal)
        m_dialogs.yearTotal->open();
}

bool TZangyoMain::JumpToMonth(YearMonth ym) {
    if (!ConfirmMonthSave())
        return false;
    moveTo(ym);
    activateWindow();
    return true;
}

void TZangyoMain::YuukyuButtonClick() {
    if (m_dialogs.yuuKyu == nullptr)
        return;
    m_grid->commitEditor();
    if (m_app.settings.AutoSave && !modifiers().testFlag(Qt::ShiftModifier) &&
        m_session.month().hasUnsavedChanges())
        saveShownMonth();
    m_dialogs.yuuKyu->open();
}

void TZangyoMain::ShowLedgerDay(YearMonth ym, int row) {
    moveTo(ym);
    setEnabled(true);
    activateWindow();
    m_grid->setFocus();
    m_grid->selectDay(row, ColumnNumber(DayColumn::Memo));
    m_grid->scrollToDay(row);
}

void TZangyoMain::PrintMenuItemClick() {
    if (m_dialogs.preview == nullptr)
        return;
    recalculateShown(false);
    PrintMonthList(m_session.month(), m_app, *m_dialogs.preview, this);
}

void TZangyoMain::CsvMenuItemClick() {
    recalculateShown(false);
    ExportMonthCsv(m_session.month(), m_app, this);
}

int TZangyoMain::barHeight() const {
    return m_barAction->isChecked() ? m_bar->maximumHeight() : 0;
}

void TZangyoMain::ToggleTargetBar() {
    const bool on = !m_barAction->isChecked();
    m_barAction->setChecked(on);
    const int step = m_bar->maximumHeight();
    const int before = height();  // the new limits may already clamp it
    m_bar->setVisible(on);
    applySizeLimits();
    resize(width(), before + (on ? step : -step));
}

void TZangyoMain::RefreshLeaveIndicator() {
    if (!m_app.settings.YukyuMokuZanDisp)
        return;
    Ledger ledger;
    // A missing or unreadable ledger reads as empty.
    LoadLedger(ledger, m_app.paths().ledgerFile());
    const double value =
        StrToFloatDec(ledger.NowZan(), 1, 0) - m_app.settings.YukyuMokuZan.valueOr(0);
    m_bar->setLeave(true, value);
}

void TZangyoMain::AutoTimeInput(AutoTimeWhich which, AutoTimeMode mode) {
    if (mode == AutoTimeMode::None)
        return;
    // With nobody to confirm, the time is written as in the fully automatic
    // mode; a leaving time that would need a question is left as it is.
    const bool nobody = m_attendance == Attendance::Nobody;
    if (nobody)
        mode = AutoTimeMode::Automatic;
    const AutoTimePlan plan = PlanAutoTimeInput(m_app.clock->now(), m_app.settings, which, mode);
    showMonth(plan.month.year, plan.month.month, true);
    afterMove();
    const AutoTimeOutcome out = ResolveAutoTimeInput(plan, m_session.month(), m_app.settings);
    std::string text = plan.timeText;
    if (out.action == AutoTimeAction::Ask) {
        if (m_services == nullptr || nobody)
            return;
        const auto confirmed =
            m_services->confirmTime({which == AutoTimeWhich::Arrival ? 0 : 1, Q(plan.dialogDate),
                                     Q(plan.unroundedText), Q(plan.timeText)});
        if (!confirmed)
            return;
        text = S(*confirmed);
    } else if (out.action != AutoTimeAction::Write) {
        return;
    }
    m_session.month().day(out.row).cells[static_cast<std::size_t>(out.column)] = text;
    m_grid->refresh();
    saveShownMonth();
}

void TZangyoMain::selectToday() {
    const DateTime now = m_app.clock->now();
    const std::string dateText = GridDateText(now.month, now.day);
    const MonthRecord& m = m_session.month();
    for (int d = 1; d <= m.rowCount(); ++d) {
        if (m.day(d).cell(DayColumn::Date) == dateText) {
            m_grid->selectDay(d, ColumnNumber(DayColumn::Arrival));
            m_grid->scrollToDay(d);
            return;
        }
    }
    if (m.rowCount() > 0)
        m_grid->selectDay(1, ColumnNumber(DayColumn::Arrival));
}

void TZangyoMain::firstShow() {
    m_bar->setLeave(m_app.settings.YukyuMokuZanDisp, 0);
    const HolidayReadResult holidays = ReadHolidayList(m_app.paths().holidayFile(), m_app.holidays);
    if (!holidays.io.ok())
        reportFileError(holidays.io);
    AutoTimeInput(AutoTimeWhich::Arrival, KnownAutoTimeMode(m_app.settings.StartAutoIn));
    const YearMonth current = AccountingMonthNow(*m_app.clock, m_app.settings.SimeDay);
    showMonth(current.year, current.month, false);
    RefreshLeaveIndicator();
    m_grid->setFocus();
    selectToday();
}

void TZangyoMain::closeEvent(QCloseEvent* event) {
    // An open leave window asks about its own edits first (a session end
    // closes this window while it is disabled).
    if (m_dialogs.yuuKyu && m_dialogs.yuuKyu->isVisible() && !m_dialogs.yuuKyu->close()) {
        event->ignore();
        return;
    }
    if (!ConfirmMonthSave()) {
        event->ignore();
        return;
    }
    // The target bar's state belongs to the start user.
    m_app.registry->writeValue(UserRegKey(m_app.startUser) + "\\System", "MokuhyoBasShow",
                               m_barAction->isChecked() ? "1" : "0");
    if (m_attendance != Attendance::HandOver)
        AutoTimeInput(AutoTimeWhich::Leaving, KnownAutoTimeMode(m_app.settings.EndAutoIn));
    savePlacement();
    if (m_dialogs.total)
        m_dialogs.total->hide();
    event->accept();
    emit closed();
}

void TZangyoMain::computeSizeLimits() {
    // The grid asks for 22 day rows plus its title; the layout adds the
    // panels around it (and the right panel's buttons when they are taller).
    const bool barShown = m_bar->isVisible();
    m_bar->hide();
    m_grid->setMinimumSize(m_grid->designWidth(), m_grid->heightForRows(23));
    centralWidget()->layout()->activate();
    m_minSize = minimumSizeHint().expandedTo(centralWidget()->minimumSizeHint());
    if (layout()) {
        layout()->activate();
        m_minSize = m_minSize.expandedTo(layout()->totalMinimumSize());
    }
    m_fullHeight = m_minSize.height() + m_grid->heightForRows(32) - m_grid->heightForRows(23);
    m_maxWidth = m_minSize.width() + 50 * m_grid->blankWidth();
    // A screen too low for 22 rows (a high scale on a small screen): the grid
    // gives up rows, keeping at least five, and scrolls, so the window fits.
    const int excess =
        m_minSize.height() + m_bar->maximumHeight() - platform::RoomForClient(*this).height();
    if (excess > 0) {
        const int gridHeight =
            std::max(m_grid->heightForRows(6), m_grid->heightForRows(23) - excess);
        m_minSize.rheight() -= m_grid->heightForRows(23) - gridHeight;
        m_grid->setMinimumSize(m_grid->designWidth(), gridHeight);
    }
    m_bar->setVisible(barShown);
}

QSize TZangyoMain::minimumWindowSize() const {
    return {m_minSize.width(), m_minSize.height() + barHeight()};
}

QSize TZangyoMain::maximumWindowSize() const {
    QSize max(m_maxWidth, m_fullHeight + barHeight());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect work = screen->availableGeometry().isValid() ? screen->availableGeometry()
                                                                 : screen->geometry();
        max = max.boundedTo(work.size());
    }
    return max.expandedTo(minimumWindowSize());
}

void TZangyoMain::applySizeLimits() {
    setMinimumSize(minimumWindowSize());
    setMaximumSize(maximumWindowSize());
}

void TZangyoMain::restorePlacement() {
    const QRect screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->virtualGeometry()
                             : QRect(0, 0, 1024, 768);
    WindowPlacementStore placement(*m_app.registry, m_app.startUser);
    if (m_app.store->startUserCopies().WindowSize) {
        const WindowSize size = placement.restoreSize(kClassName, {width(), height()});
        resize(size.width, size.height);
    }
    const WindowPoint at = placement.restorePosition(kClassName, {screen.width(), screen.height()},
                                                     {width(), height()});
    move(at.left, at.top);
    platform::KeepOnScreen(*this);
}

void TZangyoMain::savePlacement() {
    WindowPlacementStore placement(*m_app.registry, m_app.startUser);
    placement.savePosition(kClassName, {y(), x()});
    placement.saveSize(kClassName, {width(), height()});
    if (m_dialogs.total)
        placement.savePosition("TTotal", {m_dialogs.total->y(), m_dialogs.total->x()});
    const IoResult r = placement.flush();
    if (!r.ok())
        reportFileError(r);
}

}  // namespace tkv
