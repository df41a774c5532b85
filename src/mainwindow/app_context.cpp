#include "mainwindow/app_context.h"

#include "base/paths.h"

namespace tkv {

std::string AppContext::monthPath(int year, int month) const {
    return MonthFileName(dataDir, year, month, currentUser);
}

std::string AppContext::ledgerPath() const {
    return UserFilePath(currentUser, JoinPath(dataDir, "Vacation.dat"));
}

std::string AppContext::holidayPath() const {
    return HolidayFilePath(dataDir, currentUser);
}

}  // namespace tkv
