#pragma once

#include <string>

#include <QObject>

class QActionGroup;
class QMenu;
class QWidget;

namespace tkv {

struct AppContext;
class TZangyoMain;

// The menu "切り替え(&C)" of a program started with /M: the shared data
// "(ｶﾚﾝﾄ)" and every user whose key exists, and the switch between them.
// The check mark always stays on the user whose data is open.
class UserMenu final : public QObject {
    Q_OBJECT
public:
    // Fills `menu` from the data folder and the registry as they are now.
    UserMenu(AppContext& app, TZangyoMain& main, QMenu& menu, const QWidget* payWindow);

    // Opens `user`'s data and settings ("" for the shared data). False when
    // the unsaved-changes check kept the open data.
    bool switchTo(const std::string& user);

    QActionGroup* group() const { return m_group; }

private:
    void checkOpenUser();

    AppContext& m_app;
    TZangyoMain& m_main;
    const QWidget* m_payWindow;
    QActionGroup* m_group = nullptr;
};

}  // namespace tkv
