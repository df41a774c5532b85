#pragma once

#include <vector>

#include <QString>

class QWidget;

namespace tkv::platform {

struct SaveFileRequest {
    QString caption;
    QString folder;
    QString fileName;  // proposed, without folder
    QString filter;    // "CSVﾌｧｲﾙ (*.csv)"
};

// Every "save as" question of the program goes through here, so tests can
// answer it. Gives the chosen path, or an empty text when cancelled. An
// existing file is only replaced after the dialog's overwrite question.
QString AskSaveFileName(QWidget* parent, const SaveFileRequest& request);

namespace testing {

// While answers are queued, AskSaveFileName shows nothing: it logs the
// request and returns the next answer (an empty text answers "cancel").
void QueueFileAnswer(const QString& path);
std::vector<SaveFileRequest> TakeFileLog();
void ResetFileHook();

}  // namespace testing

}  // namespace tkv::platform
