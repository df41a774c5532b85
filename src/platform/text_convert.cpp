#include "platform/text_convert.h"

#include "base/cp932.h"

namespace tkv::platform {

QString FirstUnstorable(const QString& text) {
    // Control characters would split a line of the file the text goes into.
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return QString(c);
    std::string bad;
    if (cp932::canEncode(ToUtf8(text), &bad))
        return {};
    const QString all = ToQString(bad);
    return all.left(all.isEmpty() ? 0 : (all.at(0).isHighSurrogate() ? 2 : 1));
}

}  // namespace tkv::platform
