#pragma once

#include <functional>

#include "mainwindow/grid/grid_services.h"

class QWidget;

namespace tkv {

class TTimeAdjust;
class TTimeSet;
class TUseMemoSetForm;
class TUseTimeSetForm;

// The grid's dialogs as the desktop program shows them: the windows created
// once at start, run modally over the main window.
class MainServices final : public GridServices {
public:
    struct Dialogs {
        TTimeAdjust* timeAdjust = nullptr;
        TTimeSet* timeSet = nullptr;
        TUseTimeSetForm* useTimes = nullptr;
        TUseMemoSetForm* useMemos = nullptr;
    };

    MainServices(QWidget* window, Dialogs dialogs, std::function<void()> escape);

    std::optional<QString> confirmTime(const TimeConfirmRequest& request) override;
    ManualTimeResult editManualTime(const ManualTimeRequest& request) override;
    void editUseTimes() override;
    void editUseMemos() override;
    std::optional<int> chooseMemoColor(int current) override;
    Qt::KeyboardModifiers keyboardModifiers() const override;
    void escapeAction() override;

    // Where Shift and Ctrl are read from; tests hold keys down through it.
    void setModifierSource(std::function<Qt::KeyboardModifiers()> source) {
        m_modifiers = std::move(source);
    }

private:
    QWidget* m_window;
    Dialogs m_dialogs;
    std::function<void()> m_escape;
    std::function<Qt::KeyboardModifiers()> m_modifiers;
};

}  // namespace tkv
