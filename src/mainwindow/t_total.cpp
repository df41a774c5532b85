#include "mainwindow/t_total.h"

#include <algorithm>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStyle>
#include <QVBoxLayout>

#include "base/text_util.h"
#include "core/pay_window.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "platform/window_fit.h"
#include "settings/settings.h"

namespace tkv {
namespace {

struct FieldSpec {
    const char* label;
    const char* name;
    const char* hint;
};

constexpr FieldSpec kSettingsGroup[] = {{"基本給", "KihonMemo", "基本支給額"},
                                        {"手当金額", "TeateMemo", "手当金額"},
                                        {"その他", "ElseMemo", "その他支給金額"},
                                        {"平日普通", "ZanMemo", "平日の普通残業単価"},
                                        {"平日深夜", "SZanMemo", "平日の深夜残業単価"},
                                        {"休日普通", "KZanMemo", "休日の普通残業単価"},
                                        {"休日深夜", "KSZanMemo", "休日の深夜残業単価"},
                                        {"法定普通", "HZanMemo", "法定休日の普通残業単価"},
                                        {"法定深夜", "HSZanMemo", "法定休日の深夜残業単価"},
                                        {"天引き", "TenbikiMemo", "給与天引き金額"},
                                        {"目標手取", "MokuMemo", "目標手取額"},
                                        {"目標残業", "MokuTimeMemo", "設定した目標残業時間"},
                                        {"掛け率", "KakeMemo", "支給金額に対する手取り額の率(%)"}};

constexpr FieldSpec kWorkGroup[] = {
    {"会社平日", "HeijituMemo", "会社平日日数"},
    {"会社休日", "KyujituMemo", "会社休日日数"},
    {"平日出勤", "HeiSyukinMemo", "平日の出勤日数"},
    {"休日出勤", "KyuSyukinMemo", "休日の出勤日数"},
    {"出勤合計", "SyukinKeiMemo", "出勤日数の合計"},
    {"有給休暇", "YuuKyuMemo", "有給休暇を取得した日数"},
    {"代休日数", "DaikyuMemo", "代休を取得した日数"},
    {"欠勤日数", "KeeKinMemo", "欠勤した日数"},
    {"月計日数", "GeeKeiMemo", "月間合計日数"},
    {"遅刻日数", "ChikokuMemo", "遅刻した日数"},
    {"早退日数", "SoutaiMemo", "早退した日数"},
    {"平日普通", "ZanTMemo", ""},
    {"平日深夜", "SZanTMemo", ""},
    {"休日普通", "KZanTMemo", ""},
    {"休日深夜", "KSZanTMemo", ""},
    {"法定普通", "HZanTMemo", ""},
    {"法定深夜", "HSZanTMemo", ""},
    {"普通合計", "TZanTMemo", ""},
    {"深夜合計", "TSZanTMemo", ""},
    {"残業合計", "TKeiTMemo", ""},
    {"勤務時間", "KinmuTimeMemo", ""},
    {"目標まで", "MokuTMemo", ""},
    {"平均出社", "SyusyaMemo", "平均出社時刻（区分が[無し]の日のみ）"},
    {"平均退社", "TaisyaMemo", "平均退社時刻（区分が[無し]の日のみ）"},
    {"平均残業", "ZanheiMemo", "平均残業時間（区分が[無し]の日のみ）"}};

constexpr FieldSpec kTotalGroup[] = {{"残業手当", "ZanKinMemo", "残業手当合計金額"},
                                     {"支給合計", "SikyuMemo", "給与支給合計金額"},
                                     {"手取金額", "TedoriMemo", "給与手取り金額"},
                                     {"60h超割増", "Premium60Memo", ""}};
constexpr const char* kPremium60 = "Premium60Memo";

}  // namespace

TTotal::TTotal(QWidget* parent) : QDialog(parent) {
    setObjectName("TTotal");
    platform::SetHelpTopic(this, platform::HelpTopic::PayWindow);
    setWindowTitle("給与金額");
    // The figures sit in a scroll area that shows no bars while they fit: on a
    // small screen at a high scale the window is held to the screen and scrolls.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName("TotalScrollArea");
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setWidgetResizable(true);
    m_content = new QWidget(m_scroll);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(m_scroll);
    auto* outer = new QVBoxLayout(m_content);
    auto* groups = new QHBoxLayout;
    auto addGroup = [&](const char* title, const char* name, const auto& specs, int columns) {
        auto* box = new QGroupBox(title, this);
        box->setObjectName(name);
        auto* grid = new QGridLayout(box);
        int i = 0;
        const int perColumn = (static_cast<int>(std::size(specs)) + columns - 1) / columns;
        for (const FieldSpec& f : specs) {
            auto* e = new QLineEdit(box);
            e->setObjectName(f.name);
            e->setReadOnly(true);
            e->setAlignment(Qt::AlignRight);
            e->setFont(platform::GridFont());
            e->setFixedWidth(QFontMetrics(platform::GridFont()).horizontalAdvance("00,000,000") +
                             10);
            if (*f.hint)
                e->setToolTip(f.hint);
            const int col = (i / perColumn) * 3, row = i % perColumn;
            grid->addWidget(new QLabel(f.label, box), row, col);
            grid->addWidget(e, row, col + 1);
            if (std::string_view(f.name) == "KakeMemo")
                grid->addWidget(new QLabel("%", box), row, col + 2);
            e->setFocusPolicy(Qt::ClickFocus);
            m_fields[f.name] = e;
            ++i;
        }
        groups->addWidget(box, 0, Qt::AlignTop);
    };
    addGroup("金額設定", "KinGroupBox", kSettingsGroup, 1);
    addGroup("勤務状態", "KinmuGroupBox", kWorkGroup, 2);
    auto* right = new QVBoxLayout;
    outer->addLayout(groups);
    auto* total = new QGroupBox("合計金額", this);
    total->setObjectName("TotalGroupBox");
    auto* grid = new QGridLayout(total);
    int row = 0;
    for (const FieldSpec& f : kTotalGroup) {
        auto* e = new QLineEdit(total);
        e->setObjectName(f.name);
        e->setReadOnly(true);
        e->setAlignment(Qt::AlignRight);
        e->setFont(platform::GridFont());
        e->setToolTip(f.hint);
        // Never squeezed below an amount's width: a small screen scrolls instead.
        e->setMinimumWidth(QFontMetrics(platform::GridFont()).horizontalAdvance("00,000,000") + 10);
        auto* label = new QLabel(f.label, total);
        grid->addWidget(label, row, 0);
        grid->addWidget(e, row++, 1);
        m_fields[f.name] = e;
        if (std::string_view(f.name) == kPremium60) {
            m_premium60Label = label;
            label->hide();
            e->hide();
        }
    }
    right->addWidget(total);
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    right->addStretch(1);
    right->addWidget(ok, 0, Qt::AlignRight);
    groups->addLayout(right);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_scroll->setWidget(m_content);
    fitToScreen();
}

void TTotal::fitToScreen() {
    const QSize room = platform::RoomForClient(*this);
    const QSize wanted = m_content->sizeHint();
    QSize size = wanted.boundedTo(room);
    // A bar that has to show takes room from the other direction.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (size.width() < wanted.width())
        size.rheight() = std::min(size.height() + bar, room.height());
    if (size.height() < wanted.height())
        size.rwidth() = std::min(size.width() + bar, room.width());
    setFixedSize(size);
}

void TTotal::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        fitToScreen();
    QDialog::showEvent(event);
    if (auto* ok = findChild<QPushButton*>("OkButton"))
        ok->setFocus();
}

void TTotal::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_escapeAction)
            m_escapeAction();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QLineEdit* TTotal::field(const QString& name) const {
    const auto it = m_fields.find(name);
    return it == m_fields.end() ? nullptr : it->second;
}

void TTotal::showFigures(const MonthCalculation& calc, const Settings& s) {
    for (const PayField& f : PayWindowFields(calc, s)) {
        QLineEdit* e = field(platform::ToQString(f.name));
        if (e == nullptr)
            continue;
        e->setText(platform::ToQString(f.text));
        e->setEnabled(f.enabled);
        QPalette p = e->palette();
        p.setColor(QPalette::Text, f.negativeTime ? platform::ToQColor(platform::RedColor, p)
                                                  : palette().color(QPalette::Text));
        e->setPalette(p);
    }
}

void TTotal::showPremium60(const std::optional<OvertimeLimits>& limits) {
    QLineEdit* e = field(kPremium60);
    const bool shown = limits && limits->rules.premium60Rate > 0;
    m_premium60Label->setVisible(shown);
    e->setVisible(shown);
    if (!shown)
        return;
    e->setText(platform::ToQString(ThousandsStr(std::to_string(limits->premium60))));
    e->setToolTip(
        QString::fromUtf8("60時間を超えた時間外 %1 の割増（支給合計・手取金額には含みません）")
            .arg(platform::ToQString(LimitTimeText(limits->over60))));
}

}  // namespace tkv
