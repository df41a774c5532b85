#include "platform/help_topic.h"

#include <array>

#include <QTabWidget>
#include <QVariant>
#include <QWidget>

namespace tkv::platform {
namespace {

constexpr const char* kProperty = "tokivaneHelpTopic";

constexpr std::array kTopics{
    HelpTopic::Contents,      HelpTopic::MainWindow,   HelpTopic::DayGrid,
    HelpTopic::TimeAdjust,    HelpTopic::TimeSet,      HelpTopic::Templates,
    HelpTopic::Jump,          HelpTopic::Calculation,  HelpTopic::PayWindow,
    HelpTopic::TargetBar,     HelpTopic::Password,     HelpTopic::LeaveWindow,
    HelpTopic::LeaveDelete,   HelpTopic::YearTotal,    HelpTopic::PeriodList,
    HelpTopic::SettingsWork,  HelpTopic::SettingsTime, HelpTopic::SettingsHoliday,
    HelpTopic::SettingsPrint, HelpTopic::PrintLayout,  HelpTopic::PrivateInfo,
    HelpTopic::Preview,       HelpTopic::PrintAndCsv,  HelpTopic::Resident,
    HelpTopic::Users,         HelpTopic::Files,        HelpTopic::Cli,
    HelpTopic::LoginHooks,    HelpTopic::About,        HelpTopic::KyoteiCheck,
    HelpTopic::KyoteiSetting,
};

bool topicOf(const QWidget* w, HelpTopic* topic) {
    const QVariant v = w->property(kProperty);
    if (!v.isValid())
        return false;
    *topic = static_cast<HelpTopic>(v.toInt());
    return true;
}

}  // namespace

std::span<const HelpTopic> AllHelpTopics() {
    return kTopics;
}

void SetHelpTopic(QWidget* widget, HelpTopic topic) {
    widget->setProperty(kProperty, static_cast<int>(topic));
}

HelpTopic HelpTopicFor(const QWidget* widget) {
    if (widget == nullptr)
        return HelpTopic::Contents;
    HelpTopic topic = HelpTopic::Contents;
    const QWidget* w = widget;
    for (; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (topicOf(w, &topic) && !w->isWindow())
            return topic;
    }
    const QWidget* window = widget->window();
    for (const QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        HelpTopic page = HelpTopic::Contents;
        if (tabs->isVisible() && tabs->currentWidget() && topicOf(tabs->currentWidget(), &page))
            return page;
    }
    return topic;
}

}  // namespace tkv::platform
