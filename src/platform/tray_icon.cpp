#include "platform/tray_icon.h"

#include <QAction>
#include <QImageReader>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>

namespace tkv::platform {
namespace {

class SystemTrayIcon final : public TrayIcon {
public:
    explicit SystemTrayIcon(QObject* parent) : TrayIcon(parent) {
        m_menu.setObjectName("TrayIconPopupMenu");
        QAction* open = m_menu.addAction(QString::fromUtf8("開く(&O)"));
        open->setObjectName("TrayOpenMenuItem");
        m_menu.addSeparator();
        m_exit = m_menu.addAction(QString::fromUtf8("終了(&X)"));
        m_exit->setObjectName("TrayExitMenuItem");
        connect(open, &QAction::triggered, this, &TrayIcon::openRequested);
        connect(m_exit, &QAction::triggered, this, &TrayIcon::exitRequested);
        m_icon.setContextMenu(&m_menu);
        m_icon.setToolTip("Tokivane");
        m_icon.setIcon(TrayImage(0));
        connect(&m_icon, &QSystemTrayIcon::activated, this,
                [this](QSystemTrayIcon::ActivationReason reason) {
                    if (reason == QSystemTrayIcon::DoubleClick)
                        emit openRequested();
                    else if (reason == QSystemTrayIcon::Trigger)
                        emit clicked();
                });
    }

    void setImage(int iconSelect) override { m_icon.setIcon(TrayImage(iconSelect)); }
    void setShown(bool shown) override { m_icon.setVisible(shown); }
    bool isShown() const override { return m_icon.isVisible(); }
    void setExitEnabled(bool enabled) override { m_exit->setEnabled(enabled); }

private:
    QMenu m_menu;  // before the icon, which refers to it
    QAction* m_exit = nullptr;
    QSystemTrayIcon m_icon;
};

}  // namespace

QIcon TrayImage(int iconSelect) {
    const QString name = iconSelect == 1 ? "tray-computer" : "tray-overtime";
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64}) {
        // PNG, read as PNG: finding the format out would load every image
        // plugin, memory the idle tool would keep all day.
        QImageReader reader(QString(":/tray/%1-%2.png").arg(name).arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

std::unique_ptr<TrayIcon> MakeSystemTrayIcon(QObject* parent) {
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return nullptr;
    return std::make_unique<SystemTrayIcon>(parent);
}

}  // namespace tkv::platform
