#include <cstddef>
#include <iterator>
#include <tuple>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "base/text_util.h"
#include "core/calendar.h"
#include "core/target_bar.h"
#include "mainwindow/app_context.h"
#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/limits_view.h"
#include "mainwindow/t_total.h"
#include "mainwindow/target_bar_panel.h"
#include "mainwindow/zangyo_main.h"
#include "platform/buttons.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/text_convert.h"

namespace tkv {

using platform::ToQString;

namespace {

// Fields shown red when their time reads negative.
bool isTimeField(const QString& name) {
    return name == "ZanTMemo" || name == "SZanTMemo" || name == "KeiTMemo" || name == "MokuTMemo" ||
           name == "KinmuTMemo";
}

}  // namespace

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
    m_limits->addMenuItem(view);
    view->addSeparator();
    QAction* tokuSyukei = add(view, "TokuSyukeiMenuItem", "任意期間一覧(&T)...");
    tokuSyukei->setCheckable(true);
    // Choosing it again while a span is shown picks another span: the check
    // mark only says that the mode is on.
    connect(tokuSyukei, &QAction::triggered, this, [this, tokuSyukei] {
        tokuSyukei->setChecked(spanShown());
        TokuSyukeiMenuItemClick();
    });
    connect(add(view, "TokuKaijoMenuItem", "任意期間解除(&R)", false), &QAction::triggered, this,
            &TZangyoMain::TokuKaijoMenuItemClick);
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
        QPushButton* b = platform::MakeButton(top, name, caption, hint);
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
    QPushButton* calc = platform::MakeButton(right, "CalcButton", "再計算");
    QPushButton* kingaku = platform::MakeButton(right, "KingakuButton", "金額表示...",
                                                "１ヶ月の給与金額を計算･表示します。");
    QPushButton* syukei = platform::MakeButton(right, "SyukeiButton", "期間集計...",
                                               "年間の期間集計一覧を表示します。");
    QPushButton* yuukyu = platform::MakeButton(right, "YuukyuButton", "有給休暇...");
    QPushButton* save = platform::MakeButton(right, "SaveButton", "保  存");
    QPushButton* exit = platform::MakeButton(right, "EndButton", "終  了");
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
    outer->addWidget(m_limits->statusLine(central));
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

void TZangyoMain::showSummary() {
    for (const SummaryField& f : SummaryFields(m_session.month().summary)) {
        const QString name = ToQString(f.name);
        QLineEdit* e = m_summary[name];
        e->setText(ToQString(*f.text));
        QPalette p = e->palette();
        const bool red = isTimeField(name) && StrToMinutes(*f.text) < 0;
        p.setColor(QPalette::Text, red ? platform::ToQColor(platform::RedColor, p)
                                       : QApplication::palette().color(QPalette::Text));
        e->setPalette(p);
    }
    m_bar->setState(ComputeTargetBar(m_session.month(), m_app.settings));
    m_limits->refresh({displayedYear(), displayedMonth()});
    if (m_dialogs.total && m_dialogs.total->isVisible())
        m_dialogs.total->showFigures(m_session.calculation(), m_app.settings);
}

}  // namespace tkv
