#pragma once

#include <QScrollArea>

#include "platform/help_topic.h"

namespace tkv {

class FieldRules;
struct Settings;

// One page of the settings dialog. Its controls sit at fixed places on a
// content widget of the design size; the page scrolls only when the screen
// is too small for the dialog, so every field stays reachable.
class SettingPage : public QScrollArea {
    Q_OBJECT

public:
    // The size of a page's content at the design size of the dialog.
    static constexpr int ContentWidth = 424;
    static constexpr int ContentHeight = 412;

    SettingPage(const char* name, platform::HelpTopic topic, QWidget* parent);

    // Fills the controls from the settings and applies the enable rules.
    virtual void load(const Settings& s) = 0;
    // Takes the controls into `s`, every value tidied as its field would
    // tidy it. A choice the page does not know keeps the value of `s`.
    virtual void store(Settings& s) = 0;

protected:
    QWidget* content() const { return m_content; }
    FieldRules& rules() const { return *m_rules; }

private:
    QWidget* m_content;
    FieldRules* m_rules;
};

}  // namespace tkv
