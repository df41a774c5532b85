#include "reports/ui/overtime_limits_meter.h"

#include <QPainter>
#include <QStringList>

#include "platform/fonts.h"
#include "platform/text_convert.h"

namespace tkv {

using platform::ToQString;

namespace {

QString T(long long minutes) {
    return LimitTimeQText(minutes);
}

constexpr int kPadding = 6;

}  // namespace

QString LimitTimeQText(long long minutes) {
    return ToQString(LimitTimeText(minutes));
}

QString YearMonthListText(const std::vector<YearMonth>& months) {
    QStringList list;
    for (const YearMonth& m : months) list << ToQString(YearMonthText(m));
    return list.join(ToQString("、"));
}

QString OvertimeLimitsCaveat() {
    return ToQString(
        "記録した出社・退社時刻と会社の定時から求めた目安です。"
        "法定の数え方（1日8時間・週40時間を超える時間）とは異なることがあります。");
}

QString OvertimeLimitsToolTip(const OvertimeLimits& r) {
    const OvertimeLimitRules& rules = r.rules;
    QStringList lines;
    lines << ToQString("36協定の目安（%1年%2月）").arg(r.month.year).arg(r.month.month);
    lines << ToQString("時間外 %1 ／ 月の上限 %2（残り %3）")
                 .arg(T(r.jikangai), T(rules.monthLimit), T(r.headroomMonth));
    lines << ToQString("休日労働 %1、合計 %2 ／ %3 未満（残り %4）")
                 .arg(T(r.kyujitsuRodo), T(r.total), T(rules.singleMonthLimit),
                      T(r.headroomSingleMonth));
    lines << ToQString("年の累計（%1から） %2 ／ %3（残り %4）")
                 .arg(ToQString(YearMonthText(r.yearFrom)), T(r.yearJikangai),
                      T(rules.yearLimitInForce()), T(r.headroomYear));
    lines << ToQString("%1 を超えた月 %2回 ／ %3回まで")
                 .arg(T(rules.monthLimit))
                 .arg(r.monthsOverLimit)
                 .arg(rules.monthsOverInForce());
    QStringList averages;
    for (int k = 2; k <= 6; ++k) averages << ToQString("%1か月 %2").arg(k).arg(T(r.average(k)));
    lines << ToQString("平均 %1 ／ %2（残り %3）")
                 .arg(averages.join(ToQString("・")), T(rules.averageLimit), T(r.headroomAverage));
    if (rules.premium60Rate > 0)
        lines << ToQString("60時間超 %1、割増 %2円").arg(T(r.over60)).arg(r.premium60);
    if (r.forecast) {
        const QString cross =
            r.forecast->cross
                ? ToQString("%1 を超える日 %2")
                      .arg(T(rules.monthLimit), ToQString(IsoDateText(*r.forecast->cross)))
                : ToQString("%1 を超えない見込み").arg(T(rules.monthLimit));
        lines << ToQString("予測：月末 %1、%2").arg(T(r.forecast->monthEnd), cross);
    } else {
        lines << ToQString("予測：この月の予測はありません");
    }
    if (!r.missing.empty())
        lines << ToQString("ファイルのない月（0時間として計算）：%1")
                     .arg(YearMonthListText(r.missing));
    lines << OvertimeLimitsCaveat();
    return lines.join('\n');
}

OvertimeLimitsMeter::OvertimeLimitsMeter(QWidget* parent) : QFrame(parent) {
    setObjectName("KyoteiMeterPanel");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont f = platform::GridFont();
    f.setPixelSize(12);
    setFont(f);
    setToolTip(OvertimeLimitsCaveat());
}

void OvertimeLimitsMeter::setLimits(const std::optional<OvertimeLimits>& limits) {
    m_limits = limits;
    setToolTip(m_limits ? OvertimeLimitsToolTip(*m_limits) : OvertimeLimitsCaveat());
    updateGeometry();
    update();
}

QString OvertimeLimitsMeter::text() const {
    if (!m_limits)
        return ToQString("36協定 --");
    const OvertimeLimits& r = *m_limits;
    return ToQString("36協定 今月 %1／%2 ・ 年 %3／%4")
        .arg(T(r.jikangai), T(r.rules.monthLimit), T(r.yearJikangai),
             T(r.rules.yearLimitInForce()));
}

QColor OvertimeLimitsMeter::LevelColor(LimitLevel level) {
    switch (level) {
        case LimitLevel::Within:
            return {0x4C, 0xAF, 0x50};  // green
        case LimitLevel::Warning:
            return {0xFF, 0xB3, 0x00};  // amber
        case LimitLevel::Over:
            return {0xD3, 0x2F, 0x2F};  // red
    }
    return Qt::gray;
}

QSize OvertimeLimitsMeter::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {fontMetrics().horizontalAdvance(text()) + 2 * kPadding + frame,
            fontMetrics().height() + 4 + frame};
}

void OvertimeLimitsMeter::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        const QRect inside = contentsRect();
        const QColor back =
            m_limits ? LevelColor(m_limits->level) : palette().color(QPalette::Button);
        p.fillRect(inside, back);
        const bool dark = m_limits && m_limits->level == LimitLevel::Over;
        p.setPen(dark ? QColor(Qt::white) : QColor(Qt::black));
        p.drawText(inside.adjusted(kPadding, 0, -kPadding, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   text());
    }
    QFrame::paintEvent(event);
}

}  // namespace tkv
