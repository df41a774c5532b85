#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace tkv::platform {

// The boundary between the core's UTF-8 strings and Qt's QString.
inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string ToUtf8(const QString& text) {
    return text.toStdString();
}

// The first character of `text` that Shift-JIS files cannot hold (or a
// control character, which would split a line of them), or an empty string
// when it can all be stored; editors refuse such input.
QString FirstUnstorable(const QString& text);

}  // namespace tkv::platform
