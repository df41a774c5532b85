#pragma once

#include <string>
#include <string_view>

namespace tkv::utf8 {

// Decodes one code point starting at `pos` and advances `pos`. A malformed
// sequence yields U+FFFD and consumes one byte, so walking never stalls.
char32_t next(std::string_view text, std::size_t& pos);

void append(std::string& out, char32_t cp);
std::string fromCodePoints(std::u32string_view cps);
std::u32string toCodePoints(std::string_view text);

}  // namespace tkv::utf8
