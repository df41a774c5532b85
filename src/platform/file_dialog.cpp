#include "platform/file_dialog.h"

#include <deque>

#include <QDir>
#include <QFileDialog>

namespace tkv::platform {
namespace {

struct FileHook {
    std::deque<QString> answers;
    std::vector<SaveFileRequest> log;
};

FileHook& Hook() {
    static FileHook hook;
    return hook;
}

}  // namespace

QString AskSaveFileName(QWidget* parent, const SaveFileRequest& request) {
    FileHook& hook = Hook();
    if (!hook.answers.empty()) {
        const QString answer = hook.answers.front();
        hook.answers.pop_front();
        hook.log.push_back(request);
        return answer;
    }
    const QString start = request.folder.isEmpty()
                              ? request.fileName
                              : QDir(request.folder).filePath(request.fileName);
    return QFileDialog::getSaveFileName(parent, request.caption, start, request.filter);
}

namespace testing {

void QueueFileAnswer(const QString& path) {
    Hook().answers.push_back(path);
}

std::vector<SaveFileRequest> TakeFileLog() {
    std::vector<SaveFileRequest> log;
    log.swap(Hook().log);
    return log;
}

void ResetFileHook() {
    Hook().answers.clear();
    Hook().log.clear();
}

}  // namespace testing
}  // namespace tkv::platform
