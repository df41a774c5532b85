#include "reports/ui/overtime_limits_window.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/help_topic.h"
#include "platform/text_convert.h"
#include "platform/window_fit.h"
#include "reports/ui/overtime_limits_meter.h"

namespace tkv {

using platform::ToQString;

namespace {

QString T(long long minutes) {
    return LimitTimeQText(minutes);
}

QString Check(bool passed) {
    return passed ? ToQString("○") : ToQString("×");
}

// The limits the year is checked against, in one line.
QString LimitsLine(const OvertimeLimits& r) {
    const OvertimeLimitRules& rules = r.rules;
    QString line =
        ToQString("上限：月 %1・年 %2").arg(T(rules.monthLimit), T(rules.yearLimitInForce()));
    if (rules.specialClause)
        line += ToQString("（特別条項：%1 超は年%2回まで）")
                    .arg(T(rules.monthLimit))
                    .arg(rules.monthsOverAllowed);
    line += ToQString("・単月 %1 未満・2～6か月平均 %2")
                .arg(T(rules.singleMonthLimit), T(rules.averageLimit));
    if (rules.variableHours)
        line += ToQString("（1年単位の変形労働時間制）");
    return line;
}

}  // namespace

TKyoteiCheck::TKyoteiCheck(QWidget* parent) : QDialog(parent) {
    setObjectName("TKyoteiCheck");
    setWindowTitle(ToQString("36協定チェック"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFont(platform::FontFor(ToQString(platform::ProportionalFontName), 9));
    platform::SetHelpTopic(this, platform::HelpTopic::KyoteiCheck);

    m_limits = new QLabel(this);
    m_limits->setObjectName("KyoteiLimitsLabel");
    m_limits->setWordWrap(true);

    m_grid = new QTableWidget(12, ColumnCount, this);
    m_grid->setObjectName("KyoteiCheckGrid");
    m_grid->setHorizontalHeaderLabels(
        {ToQString("年月"), ToQString("時間外"), ToQString("休日労働"), ToQString("合計"),
         ToQString("年累計"), ToQString("2か月"), ToQString("3か月"), ToQString("4か月"),
         ToQString("5か月"), ToQString("6か月"), ToQString("月上限"), ToQString("超過回数"),
         ToQString("年上限"), ToQString("単月"), ToQString("平均"), ToQString("60h超"),
         ToQString("割増額")});
    m_grid->verticalHeader()->hide();
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setFocusPolicy(Qt::NoFocus);
    m_grid->setFont(platform::GridFont());
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 4);
    const QString tips[ColumnCount] = {
        ToQString("会計上の月（締日で区切った月）"),
        ToQString("普通残業と深夜残業の合計（法定休日を除く）"),
        ToQString("法定休日の勤務時間"),
        ToQString("時間外＋休日労働"),
        ToQString("協定年度の初めからの時間外の累計"),
        ToQString("この月までの2か月の平均（時間外＋休日労働）"),
        ToQString("この月までの3か月の平均"),
        ToQString("この月までの4か月の平均"),
        ToQString("この月までの5か月の平均"),
        ToQString("この月までの6か月の平均"),
        ToQString("時間外が月の上限以内か"),
        ToQString("月の上限を超えた月の数（この月まで）"),
        ToQString("年の累計が年の上限以内か"),
        ToQString("時間外＋休日労働が単月の上限未満か"),
        ToQString("2～6か月の平均がすべて上限以内か"),
        ToQString("60時間を超えた時間外"),
        ToQString("60時間超の割増額（円）"),
    };
    for (int c = 0; c < ColumnCount; ++c) m_grid->horizontalHeaderItem(c)->setToolTip(tips[c]);

    m_forecast = new QLabel(this);
    m_forecast->setObjectName("ForecastLabel");
    m_missing = new QLabel(this);
    m_missing->setObjectName("MissingLabel");
    m_missing->setWordWrap(true);
    m_note = new QLabel(OvertimeLimitsCaveat(), this);
    m_note->setObjectName("NoteLabel");
    m_note->setWordWrap(true);
    m_close = new QPushButton(ToQString("閉じる"), this);
    m_close->setObjectName("CloseButton");
    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_limits);
    layout->addWidget(m_grid, 1);
    layout->addWidget(m_forecast);
    layout->addWidget(m_missing);
    layout->addWidget(m_note);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_close);
    layout->addLayout(buttons);
}

void TKyoteiCheck::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_escapeAction) {
        m_escapeAction();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

QString TKyoteiCheck::cellText(int row, int column) const {
    const QTableWidgetItem* item = m_grid->item(row, column);
    return item != nullptr ? item->text() : QString();
}

void TKyoteiCheck::setYear(const AgreementYearLimits& year) {
    const QColor red = platform::ToQColor(platform::RedColor, palette());
    const QColor grey = palette().color(QPalette::Disabled, QPalette::Text);
    const OvertimeLimits& first = year.months.front();
    const bool premium = first.rules.premium60Rate > 0;
    m_grid->setColumnHidden(PremiumColumn, !premium);
    m_limits->setText(ToQString("協定年度 %1～%2\n%3")
                          .arg(ToQString(YearMonthText(year.yearFrom)),
                               ToQString(YearMonthText(year.months.back().month)),
                               LimitsLine(first)));

    const OvertimeLimits* running = nullptr;
    for (int row = 0; row < 12; ++row) {
        const OvertimeLimits& r = year.months[static_cast<std::size_t>(row)];
        QString texts[ColumnCount];
        texts[MonthColumn] = ToQString(YearMonthText(r.month));
        // Months not begun yet stay empty: their zeros would read as facts.
        if (r.begun) {
            texts[JikangaiColumn] = T(r.jikangai);
            texts[KyujitsuColumn] = T(r.kyujitsuRodo);
            texts[TotalColumn] = T(r.total);
            texts[YearColumn] = T(r.yearJikangai);
            for (int k = 2; k <= 6; ++k) texts[Average2Column + k - 2] = T(r.average(k));
            texts[MonthCheckColumn] = Check(r.monthPassed);
            texts[MonthsOverColumn] =
                r.rules.specialClause
                    ? ToQString("%1/%2").arg(r.monthsOverLimit).arg(r.rules.monthsOverAllowed)
                    : QString::number(r.monthsOverLimit);
            texts[YearCheckColumn] = Check(r.yearPassed);
            texts[SingleMonthCheckColumn] = Check(r.singleMonthPassed);
            texts[AverageCheckColumn] = Check(r.averagePassed);
            texts[Over60Column] = T(r.over60);
            texts[PremiumColumn] = QString::number(r.premium60);
            if (r.forecast)
                running = &r;
        }
        const bool failed[ColumnCount] = {false,
                                          false,
                                          false,
                                          false,
                                          false,
                                          false,
                                          false,
                                          false,
                                          false,
                                          false,
                                          !r.monthPassed,
                                          !r.monthsOverPassed,
                                          !r.yearPassed,
                                          !r.singleMonthPassed,
                                          !r.averagePassed,
                                          false,
                                          false};
        for (int c = 0; c < ColumnCount; ++c) {
            auto* item = new QTableWidgetItem(texts[c]);
            item->setTextAlignment(c == MonthColumn ? Qt::AlignCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
            if (c >= MonthCheckColumn && c <= AverageCheckColumn)
                item->setTextAlignment(Qt::AlignCenter);
            if (!r.begun)
                item->setForeground(grey);
            else if (failed[c])
                item->setForeground(red);
            m_grid->setItem(row, c, item);
        }
    }
    m_grid->resizeColumnsToContents();

    if (running != nullptr) {
        const OvertimeForecast& f = *running->forecast;
        const QString limit = T(running->rules.monthLimit);
        m_forecast->setText(
            ToQString("%1 の予測：月末 %2（出勤 %3日、残り %4日の同じペースで）、%5")
                .arg(ToQString(YearMonthText(running->month)), T(f.monthEnd))
                .arg(f.workedDays)
                .arg(f.daysLeft)
                .arg(f.cross ? ToQString("%1 を超える見込みの日 %2")
                                   .arg(limit, ToQString(IsoDateText(*f.cross)))
                             : ToQString("%1 を超えない見込み").arg(limit)));
    } else {
        m_forecast->setText(ToQString("予測：この協定年度に今日を含む月はありません"));
    }
    m_missing->setText(
        ToQString("ファイルのない月（0時間として計算）：%1").arg(YearMonthListText(year.missing)));
    m_missing->setVisible(!year.missing.empty());

    // Wide enough for every column, as tall as the twelve rows.
    int width = 2 * m_grid->frameWidth();
    for (int c = 0; c < ColumnCount; ++c)
        if (!m_grid->isColumnHidden(c))
            width += m_grid->columnWidth(c);
    const int height = 2 * m_grid->frameWidth() + m_grid->horizontalHeader()->sizeHint().height() +
                       12 * m_grid->verticalHeader()->defaultSectionSize();
    m_grid->setMinimumSize(width, height);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    adjustSize();
    // A small screen (a high scale) holds the window to its work area; the
    // grid scrolls instead. Narrower, the notes below wrap into more lines,
    // so the grid gives up their height too. (adjustSize() would hold a
    // window to two thirds of the screen: the hint is measured instead.)
    const QSize room = platform::RoomForClient(*this);
    const QSize fewest(m_grid->columnWidth(MonthColumn) * 3,
                       4 * m_grid->verticalHeader()->defaultSectionSize());
    bool held = false;
    for (int look = 0; look < 3; ++look) {
        const QSize excess = (sizeHint() - room).expandedTo({0, 0});
        if (excess.isNull())
            break;
        held = true;
        m_grid->setMinimumSize(m_grid->minimumSize()
                                   .shrunkBy({0, 0, excess.width(), excess.height()})
                                   .expandedTo(fewest));
        m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    if (held)
        resize(sizeHint().boundedTo(room));
}

}  // namespace tkv
