#include "platform/text_convert.h"

#include "base/cp932.h"

namespace tkv::platform {

QString FirstUnstorable(const QString& text) {
    std::string bad;
    if (cp932::canEncode(ToUtf8(text), &bad))
        return {};
    const QString all = ToQString(bad);
    return all.left(all.isEmpty() ? 0 : (all.at(0).isHighSurrogate() ? 2 : 1));
}

}  // namespace tkv::platform
