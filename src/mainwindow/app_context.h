#pragma once

#include <memory>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/registry_store.h"
#include "session/month_session.h"
#include "settings/holiday_list.h"
#include "settings/settings.h"
#include "settings/settings_store.h"

namespace tkv {

// What the desktop program shares between its windows for one run: folders,
// users, the settings record and store, the holiday table and the clock.
// Owned by the program entry and passed to each window that needs it.
struct AppContext {
    std::string dataDir;
    std::string settingsFile;  // registry.ini; empty when the settings live in memory
    std::string startUser;
    std::string currentUser;
    bool multiUser = false;  // started with /M
    std::vector<std::string> args;

    std::unique_ptr<RegistryStore> registry;
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<Clock> clock;
    Settings settings;
    AnnualHolidayTable holidays;

    // The files of the user whose data is open.
    UserPaths paths() const { return {dataDir, currentUser}; }
};

}  // namespace tkv
