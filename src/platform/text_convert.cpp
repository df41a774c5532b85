#include "platform/text_convert.h"

#include "base/cp932.h"

namespace tkv::platform {

QString FirstUnstorable(const QString& text) {
    std::string bad;
    if (cp932::canEncode(S(text), &bad))
        return {};
    const QString all = Q(bad);
    return all.left(all.isEmpty() ? 0 : (all.at(0).isHighSurrogate() ? 2 : 1));
}

}  // namespace tkv::platform
