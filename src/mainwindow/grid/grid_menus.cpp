#include <array>

#include <QAction>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMenu>

#include "mainwindow/grid/day_string_grid.h"
#include "mainwindow/grid/grid_rules.h"
#include "platform/text_convert.h"
#include "settings/settings.h"

// The day grid's popup menus: the menu of each column, the shortcuts they
// carry, and the captions of the used times and fixed memos.
namespace tkv {

using platform::ToQString;

namespace {

QString menuText(const std::string& text) {
    return ToQString(text).replace('&', QStringLiteral("&&"));
}

}  // namespace

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
        a->setText(caption.empty() ? ToQString(UnsetCaption) : menuText(caption));
    }
}

void DayStringGrid::updateUseMemoItems() {
    for (int n = 1; n <= 10; ++n) {
        QAction* a = m_useMemoItems[static_cast<std::size_t>(n - 1)];
        const std::string memo = m_settings ? UseMemoText(*m_settings, n) : std::string();
        a->setEnabled(!memo.empty());
        a->setText(memo.empty() ? ToQString(UnsetCaption) : menuText(memo));
    }
}

}  // namespace tkv
