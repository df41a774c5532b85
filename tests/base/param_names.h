#pragma once

#include <cctype>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

// Readable, stable names for the cases of parameterised suites. GoogleTest
// would number them; ctest lists them under these names instead.
namespace tkv::test {

// Names each case after its `name` member:
//   INSTANTIATE_TEST_SUITE_P(Days, DayTest, ::testing::ValuesIn(kCases), test::ByName());
struct ByName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return std::string(info.param.name);
    }
};

// A name part made of a parameter's text: letters and digits stay, a leading
// minus sign reads "minus", every other run of characters becomes one
// underscore. Empty text reads "empty".
inline std::string Identifier(std::string_view text) {
    std::string id;
    bool gap = false;
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80 && std::isalnum(c) != 0) {
            if (gap && !id.empty())
                id += '_';
            id += ch;
            gap = false;
        } else if (ch == '-' && id.empty()) {
            id = "minus";
        } else {
            gap = true;
        }
    }
    return id.empty() ? "empty" : id;
}

}  // namespace tkv::test
