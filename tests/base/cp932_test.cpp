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

// Conversions are remembered per character; the second time must answer
// exactly as the first, refusals and damage included.
TEST(Cp932, RepeatedConversionsAnswerAlike) {
    for (int round = 0; round < 2; ++round) {
        std::string bad;
        EXPECT_EQ(cp932::fromUtf8("é有ｱé", &bad), "?\x97\x4c\xb1?") << round;
        EXPECT_EQ(bad, "éé") << round;
        EXPECT_EQ(cp932::toUtf8("\x97\x4c\xA0\xb1\x81"), "有\xEF\xBF\xBDｱ\xEF\xBF\xBD") << round;
        // Long ASCII runs around the wide characters are copied as they stand.
        const std::string text = std::string(20, 'a') + "○" + std::string(9, 'b') + "月";
        EXPECT_EQ(cp932::toUtf8(cp932::fromUtf8(text)), text) << round;
    }
}

TEST(Cp932, ByteWidths) {
    EXPECT_EQ(cp932::byteLength("ab"), 2);
    EXPECT_EQ(cp932::byteLength("ｱｲ"), 2);
    EXPECT_EQ(cp932::byteLength("あa"), 3);
    EXPECT_EQ(cp932::byteWidth(U'○'), 2);
}

}  // namespace
}  // namespace tkv
