#include "settings/ui/setting_page.h"

#include "settings/ui/setting_parts.h"

namespace tkv {

SettingPage::SettingPage(const char* name, platform::HelpTopic topic, QWidget* parent)
    : QScrollArea(parent), m_content(new QWidget), m_rules(new FieldRules(this)) {
    setObjectName(QString::fromLatin1(name));
    platform::SetHelpTopic(this, topic);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_content->setObjectName(QString::fromLatin1(name) + QStringLiteral("Content"));
    m_content->setFixedSize(ContentWidth, ContentHeight);
    setWidget(m_content);
    // Tabbing into a field below the visible part scrolls it into view.
    setFocusPolicy(Qt::NoFocus);
}

}  // namespace tkv
