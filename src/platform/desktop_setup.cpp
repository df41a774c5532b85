#include "platform/desktop_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QPainter>
#include <QPen>
#include <QProxyStyle>
#include <QStyleOption>
#include <QTranslator>

namespace tkv::platform {
namespace {

// The usual styles hide focus indicators until the Tab key has been used in
// a window (State_KeyboardFocusChange); this one shows them whenever a
// control has the focus, and adds a dotted frame inside focused buttons,
// whose own highlight is too faint to notice.
class FocusFrameStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        withFocusShown(option, [&](const QStyleOption* o) {
            QProxyStyle::drawPrimitive(element, o, painter, widget);
        });
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        withFocusShown(option, [&](const QStyleOption* o) {
            QProxyStyle::drawControl(element, o, painter, widget);
        });
        if (element == CE_PushButton && option->state.testFlag(State_HasFocus)) {
            const int inset = pixelMetric(PM_DefaultFrameWidth, option, widget) + 2;
            painter->save();
            QPen pen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine);
            painter->setPen(pen);
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(option->rect.adjusted(inset, inset, -inset - 1, -inset - 1));
            painter->restore();
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        withFocusShown(option, [&](const QStyleOption* o) {
            QProxyStyle::drawComplexControl(
                control, qstyleoption_cast<const QStyleOptionComplex*>(o), painter, widget);
        });
    }

private:
    // Draws a focused control as if the Tab key had brought the focus
    // (State_KeyboardFocusChange), on a copy of its option; option types not
    // listed here carry no focus indication and are drawn as they come.
    template <class Draw>
    static void withFocusShown(const QStyleOption* option, Draw draw) {
        if (option == nullptr || !option->state.testFlag(State_HasFocus) ||
            option->state.testFlag(State_KeyboardFocusChange) ||
            !(drawCopy<QStyleOptionButton>(option, draw) ||
              drawCopy<QStyleOptionFocusRect>(option, draw) ||
              drawCopy<QStyleOptionComboBox>(option, draw) ||
              drawCopy<QStyleOptionSpinBox>(option, draw) ||
              drawCopy<QStyleOptionFrame>(option, draw)))
            draw(option);
    }

    template <class Option, class Draw>
    static bool drawCopy(const QStyleOption* option, Draw& draw) {
        const auto* typed = qstyleoption_cast<const Option*>(option);
        if (typed == nullptr)
            return false;
        Option copy(*typed);
        copy.state |= State_KeyboardFocusChange;
        draw(&copy);
        return true;
    }
};

}  // namespace

bool InstallQtTranslations(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_ja"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

void InstallFocusFrameStyle(QApplication& app) {
    Q_UNUSED(app);
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
}

}  // namespace tkv::platform
