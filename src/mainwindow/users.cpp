#include "mainwindow/users.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "core/user_list.h"
#include "mainwindow/app_context.h"
#include "mainwindow/target_bar_panel.h"
#include "mainwindow/zangyo_main.h"
#include "platform/message_box.h"
#include "platform/text_convert.h"
#include "session/startup.h"

namespace tkv {

using platform::ToQString;
using platform::ToUtf8;

UserMenu::UserMenu(AppContext& app, TZangyoMain& main, QMenu& menu, const QWidget* payWindow)
    : QObject(&menu), m_app(app), m_main(main), m_payWindow(payWindow) {
    m_group = new QActionGroup(this);
    m_group->setExclusive(true);
    std::vector<std::string> users{""};
    for (std::string& name : MenuUsers(DataFolderEntries(app.dataDir), *app.registry))
        users.push_back(std::move(name));
    for (std::size_t item = 0; item < users.size(); ++item) {
        QAction* a =
            menu.addAction(ToQString(UserMenuCaption(static_cast<int>(item), users[item])));
        a->setObjectName(QString("UserMenuItem%1").arg(item));
        a->setCheckable(true);
        // The name itself, not the caption: a name is taken whole, whatever it looks like.
        a->setData(ToQString(users[item]));
        m_group->addAction(a);
        connect(a, &QAction::triggered, this,
                [this, a] { switchTo(ToUtf8(a->data().toString())); });
    }
    m_group->actions().front()->setChecked(true);
}

void UserMenu::checkOpenUser() {
    for (QAction* a : m_group->actions()) {
        if (ToUtf8(a->data().toString()) == m_app.currentUser) {
            a->setChecked(true);
            return;
        }
    }
}

bool UserMenu::switchTo(const std::string& user) {
    if (user == m_app.currentUser) {
        checkOpenUser();
        return true;
    }
    if (!m_main.ConfirmMonthSave()) {
        checkOpenUser();  // the old user's data stays open, and the menu says so
        return false;
    }
    m_app.currentUser = user;
    m_app.store->setCurrentUser(user);
    PrepareUserFolder(m_app.paths());  // a failure shows at the first save
    const SettingsLoadResult loaded = m_app.store->LoadSettings(m_app.settings);
    for (const IoResult* r : {&loaded.registry, &loaded.setFile}) {
        if (!r->ok())
            platform::ShowMessage(&m_main, "設定エラー",
                                  "設定を保存できませんでした。\n" + ToQString(r->path),
                                  QMessageBox::Ok, QMessageBox::Warning);
    }
    // After the load: the title follows the settings of the user now open.
    m_main.updateTitle();
    const HolidayReadResult holidays = ReadHolidayList(m_app.paths().holidayFile(), m_app.holidays);
    if (!holidays.io.ok())
        m_main.reportFileError(holidays.io);
    m_main.targetBar()->setLeave(m_app.settings.YukyuMokuZanDisp, 0);
    m_main.showMonth(m_main.displayedYear(), m_main.displayedMonth(), true);
    if (m_payWindow && m_payWindow->isVisible())
        m_main.recalculateShown(false);
    checkOpenUser();
    return true;
}

}  // namespace tkv
