#pragma once

#include <string_view>

namespace tkv {

// The prompt accepts an entry that differs from the password only in the case
// of the ASCII letters a-z; every other character, full-width letters
// included, must match exactly. Both texts are UTF-8.
bool PasswordMatches(std::string_view entry, std::string_view expected);

}  // namespace tkv
