#include "mainwindow/pending_features.h"

#include <array>

#include <QAction>
#include <QMainWindow>
#include <QMenu>

namespace tkv {
namespace {

// Every feature of the menus has landed.
constexpr std::array<const char*, 0> kPendingItems{};

}  // namespace

void MarkPendingFeatures(QMainWindow& window) {
    const QString tip = QString::fromUtf8(kPendingFeatureTip);
    for (const char* name : kPendingItems) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (action == nullptr)
            continue;
        action->setEnabled(false);
        action->setToolTip(tip);
        action->setStatusTip(tip);
        // A menu shows its items' tooltips only when asked to.
        for (QObject* owner : action->associatedObjects()) {
            if (auto* menu = qobject_cast<QMenu*>(owner))
                menu->setToolTipsVisible(true);
        }
    }
}

}  // namespace tkv
