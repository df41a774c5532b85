#pragma once

#include "session/month_session.h"

class QWidget;

namespace tkv {

// Saves the shown month. A day that this window and another program (the
// command line, a second window) both changed since the load is never
// settled silently: the person is asked, day by day, whether to keep this
// window's row or the file's, and the save is then made again.
MonthSaveOutcome SaveMonthAsking(QWidget* parent, MonthSession& session);

}  // namespace tkv
