#pragma once

#include <QString>
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

}  // namespace tkv::test
