#include "platform/choose_dialogs.h"

#include <deque>

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

namespace tkv::platform {
namespace {

struct ChooserHook {
    std::deque<testing::ChooserAnswer> answers;
    std::vector<testing::ChooserAnswer> log;
};

ChooserHook& Hook() {
    static ChooserHook hook;
    return hook;
}

// The next queued answer, if there is one.
std::optional<testing::ChooserAnswer> Queued(testing::ChooserAnswer initial) {
    ChooserHook& hook = Hook();
    if (hook.answers.empty())
        return std::nullopt;
    testing::ChooserAnswer answer = hook.answers.front();
    hook.answers.pop_front();
    hook.log.push_back(std::move(initial));
    return answer;
}

}  // namespace

std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) {
    if (const auto answer = Queued(initial)) {
        if (const QColor* c = std::get_if<QColor>(&*answer); c && c->isValid())
            return *c;
        return std::nullopt;
    }
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial, bool fixedPitchOnly) {
    if (const auto answer = Queued(initial)) {
        if (const QFont* f = std::get_if<QFont>(&*answer))
            return *f;
        return std::nullopt;
    }
    QFontDialog::FontDialogOptions options;
    if (fixedPitchOnly)
        options |= QFontDialog::MonospacedFonts;
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, QString(), options);
    if (!ok || !QFontDatabase::families().contains(QFontInfo(chosen).family()))
        return std::nullopt;
    return chosen;
}

namespace testing {

void QueueChooserAnswer(ChooserAnswer answer) {
    Hook().answers.push_back(std::move(answer));
}

std::vector<ChooserAnswer> TakeChooserLog() {
    std::vector<ChooserAnswer> log;
    log.swap(Hook().log);
    return log;
}

void ResetChooserHook() {
    Hook().answers.clear();
    Hook().log.clear();
}

}  // namespace testing
}  // namespace tkv::platform
