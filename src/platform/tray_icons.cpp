#include "platform/tray_icons.h"

#include <QPainter>
#include <QPen>

namespace tkv::platform {
namespace {

constexpr int Size = 16;

// A clock face with its hands at a late hour: the program's overtime icon.
void DrawClock(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x80, 0x10, 0x10), 1.2));
    p.setBrush(QColor(0xFF, 0xF4, 0xD0));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(QPen(Qt::black, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(8, 3.8));    // minutes: on the hour
    p.drawLine(QPointF(8, 8), QPointF(4.6, 9.8));  // hours: about eight
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC0, 0x00, 0x00));
    p.drawEllipse(QRectF(6.8, 6.8, 2.4, 2.4));
}

// A grey monitor on a stand: nothing about it says "overtime".
void DrawComputer(QPainter& p) {
    p.setPen(QColor(0x40, 0x40, 0x40));
    p.setBrush(QColor(0xC8, 0xC8, 0xC8));
    p.drawRect(1, 2, 13, 9);
    p.setBrush(QColor(0x30, 0x60, 0xA0));
    p.drawRect(3, 4, 9, 5);
    p.setBrush(QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(6, 12, 3, 1);
    p.drawRect(3, 13, 9, 1);
}

}  // namespace

QPixmap TrayIconImage(int iconSelect) {
    QPixmap pixmap(Size, Size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    if (iconSelect == 1)
        DrawComputer(p);
    else
        DrawClock(p);
    return pixmap;
}

}  // namespace tkv::platform
