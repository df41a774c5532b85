#include "base/cp932.h"

#include <gtest/gtest.h>

namespace tkv {
namespace {

TEST(Cp932, RoundTripsJapaneseText) {
    for (const char* text :
         {"残業時間一覧表", "ﾊﾟｽﾜｰﾄﾞ入力", "所属：ＸＸＸＸＸ課", "①～￥", "abc"}) {
        std::string bad;
        const std::string bytes = cp932::fromUtf8(text, &bad);
        EXPECT_TRUE(bad.empty()) << text;
        EXPECT_EQ(cp932::toUtf8(bytes), text);
    }
}

TEST(Cp932, KnownBytes) {
    EXPECT_EQ(cp932::fromUtf8("○"), "\x81\x9b");
    EXPECT_EQ(cp932::fromUtf8("有"), "\x97\x4c");
    // The CP932 table, not plain Shift-JIS: 0x8160 is the full-width tilde.
    EXPECT_EQ(cp932::toUtf8("\x81\x60"), "～");
    EXPECT_EQ(cp932::toUtf8("\xb1"), "ｱ");
}

TEST(Cp932, ReportsWhatCannotBeEncoded) {
    std::string bad;
    EXPECT_EQ(cp932::fromUtf8("a😀b", &bad), "a?b");
    EXPECT_EQ(bad, "😀");
    EXPECT_FALSE(cp932::canEncode("Ω😀"));
    EXPECT_TRUE(cp932::canEncode("Ω"));
}

TEST(Cp932, DamagedBytesDecodeWithoutLoss) {
    // A lone lead byte at the end and an invalid trail byte become U+FFFD.
    EXPECT_EQ(cp932::toUtf8("a\x81"), "a\xEF\xBF\xBD");
    EXPECT_EQ(cp932::toUtf8("\xA0z"), "\xEF\xBF\xBDz");
    EXPECT_EQ(cp932::fromUtf8("\xFF"), "?");
}

TEST(Cp932, ByteWidths) {
    EXPECT_EQ(cp932::byteLength("ab"), 2);
    EXPECT_EQ(cp932::byteLength("ｱｲ"), 2);
    EXPECT_EQ(cp932::byteLength("あa"), 3);
    EXPECT_EQ(cp932::byteWidth(U'○'), 2);
}

}  // namespace
}  // namespace tkv
