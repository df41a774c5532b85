#include "mainwindow/target_bar_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include "base/text_util.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/text_convert.h"

namespace tkv {
namespace {

class BarPaintBox final : public QWidget {
public:
    explicit BarPaintBox(QWidget* parent) : QWidget(parent) {
        setObjectName("BarPaintBox");
        setToolTip("目標達成率(%)がグラフ表示されます。(水-青:達成率/黄:超過/赤:不足)");
    }
    void setState(const TargetBarState& s) {
        m_state = s;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Button));
        for (const BarShape& b : TargetBarShapes(m_state, width(), height())) {
            const QColor c = platform::ToQColor(b.color, palette());
            const QRect r(QPoint(b.left, b.top), QPoint(b.right, b.bottom));
            if (b.kind == BarShape::FilledSegment) {
                p.fillRect(r, c);
            } else {
                p.setPen(c);
                p.setBrush(Qt::NoBrush);
                p.drawRect(r.adjusted(0, 0, -1, -1));
            }
        }
    }

private:
    TargetBarState m_state;
};

QLabel* smallPanel(QWidget* parent, const char* name, const QString& hint) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setToolTip(hint);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    QFont f = platform::GridFont();
    f.setPixelSize(12);
    l->setFont(f);
    l->setFixedWidth(std::max(36, QFontMetrics(f).horizontalAdvance("-0000%") + 4));
    return l;
}

void setTextColor(QLabel* l, bool red) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText,
               red ? platform::ToQColor(platform::RedColor, p)
                   : l->parentWidget()->palette().color(QPalette::WindowText));
    l->setPalette(p);
}

}  // namespace

TargetBarPanel::TargetBarPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("BarPanel");
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedHeight(DesignedHeight + 4);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 1, 1);
    row->setSpacing(1);
    m_par = smallPanel(this, "ParPanel", "目標達成率(%)");
    m_mokuZan = smallPanel(this, "MokuZanPanel", "目標を達成するに必要な、１日平均残業時間。");
    m_yukyu = smallPanel(this, "YukyuPanel", "有給休暇目標残日数までの、残り有給日数。");
    m_box = new BarPaintBox(this);
    for (QWidget* w : {static_cast<QWidget*>(m_par), static_cast<QWidget*>(m_mokuZan),
                       static_cast<QWidget*>(m_yukyu), m_box})
        row->addWidget(w, w == m_box ? 1 : 0);
    m_yukyu->hide();
}

void TargetBarPanel::setState(const TargetBarState& state) {
    m_par->setText(platform::ToQString(state.percentText));
    setTextColor(m_par, state.percentRed);
    m_mokuZan->setText(platform::ToQString(state.perDayText));
    static_cast<BarPaintBox*>(m_box)->setState(state);
}

void TargetBarPanel::setLeave(bool visible, double daysAboveReserve) {
    m_yukyu->setVisible(visible);
    if (!visible)
        return;
    m_yukyu->setText(platform::ToQString(FloatToStrDec(5, 1, daysAboveReserve)));
    setTextColor(m_yukyu, daysAboveReserve < 0);
}

}  // namespace tkv
