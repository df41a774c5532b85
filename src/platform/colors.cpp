#include "platform/colors.h"

namespace tkv::platform {
namespace {

// System colour indices of the stored form, mapped to palette roles.
QColor systemColor(int index, const QPalette& p) {
    switch (index) {
        case 5:
            return p.color(QPalette::Base);  // window background
        case 8:
            return p.color(QPalette::Text);  // window text
        case 15:
            return p.color(QPalette::Button);  // button face
        case 13:
            return p.color(QPalette::Highlight);
        case 14:
            return p.color(QPalette::HighlightedText);
        case 16:
            return p.color(QPalette::Dark);  // button shadow
        case 18:
            return p.color(QPalette::ButtonText);
        case 20:
            return p.color(QPalette::Light);  // button highlight
        case 4:
            return p.color(QPalette::Window);  // menu
        case 7:
            return p.color(QPalette::WindowText);  // menu text
        case 24:
            return p.color(QPalette::ToolTipBase);
        case 23:
            return p.color(QPalette::ToolTipText);
        default:
            return p.color(QPalette::Window);
    }
}

}  // namespace

QColor ToQColor(int stored, const QPalette& palette) {
    const auto bits = static_cast<unsigned>(stored);
    if (bits & 0x80000000u)
        return systemColor(static_cast<int>(bits & 0xFFu), palette);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

int FromQColor(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

}  // namespace tkv::platform
