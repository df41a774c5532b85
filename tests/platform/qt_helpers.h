#pragma once

#include <functional>

#include <QDialog>
#include <QString>
#include <QTimer>
#include <QWidget>

namespace tkv::test {

// Test sources are UTF-8: Japanese literals become QStrings through this.
inline QString U(const char* s) {
    return QString::fromUtf8(s);
}

// The child widget called `name`. A missing one ends the program at once:
// every later step of the test would only crash on it.
template <typename W>
W* Child(QWidget& parent, const char* name) {
    W* w = parent.findChild<W*>(QString::fromLatin1(name));
    if (w == nullptr)
        qFatal("no widget %s", name);
    return w;
}

// Acts on `dialog` once its modal loop runs. The timer belongs to the dialog,
// so an action that never became due dies with it instead of leaking into the
// next test.
inline void WhenModal(QDialog& dialog, const std::function<void(QDialog&)>& act) {
    QTimer::singleShot(0, &dialog, [&dialog, act] {
        if (dialog.isVisible())
            act(dialog);
    });
}

}  // namespace tkv::test
