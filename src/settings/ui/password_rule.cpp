#include "settings/ui/password_rule.h"

namespace tkv {

namespace {
// In UTF-8 the bytes 'a'..'z' never occur inside a multi-byte character, so
// folding bytes folds exactly the ASCII letters.
char FoldAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool PasswordMatches(std::string_view entry, std::string_view expected) {
    if (entry.size() != expected.size())
        return false;
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (FoldAscii(entry[i]) != FoldAscii(expected[i]))
            return false;
    }
    return true;
}

}  // namespace tkv
