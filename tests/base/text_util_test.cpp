#include "base/text_util.h"

#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "base/param_names.h"

namespace tkv {
namespace {

struct MinutesCase {
    const char* name;
    const char* text;
    int minutes;
};

void PrintTo(const MinutesCase& c, std::ostream* os) {
    *os << "[" << c.text << "] -> " << c.minutes;
}

class StrToMinutesTest : public ::testing::TestWithParam<MinutesCase> {};

TEST_P(StrToMinutesTest, Parses) {
    EXPECT_EQ(StrToMinutes(GetParam().text), GetParam().minutes)
        << "text: [" << GetParam().text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, StrToMinutesTest,
    ::testing::Values(
        MinutesCase{"Digits", "830", 510}, MinutesCase{"Colon", "8:30", 510},
        MinutesCase{"FullStop", "8.30", 510}, MinutesCase{"FullWidth", "８：３０", 510},
        MinutesCase{"Blanks", " 8:30 ", 510}, MinutesCase{"NegativeHour", "-0:30", -30},
        MinutesCase{"NegativeMinutes", "0:-30", -30}, MinutesCase{"PastMidnight", "25:30", 1530},
        MinutesCase{"Empty", "", 0}, MinutesCase{"Letters", "abc", 0},
        MinutesCase{"OneDigitHour", "8", 480}, MinutesCase{"TwoDigitHour", "17", 1020},
        MinutesCase{"FourDigits", "1745", 1065}, MinutesCase{"MinutesPastSixty", "8:75", 555},
        MinutesCase{"MinusEightHours", "-8:00", -480},
        MinutesCase{"FullWidthMinus", "－８：００", -480}, MinutesCase{"ColonOnly", ":", 0},
        MinutesCase{"HoursOverflow", "99999999999:00", 0}),
    test::ByName());

struct ToStrCase {
    int minutes;
    int width;
    bool showZero;
    const char* text;
};

void PrintTo(const ToStrCase& c, std::ostream* os) {
    *os << c.minutes << " min, width " << c.width << (c.showZero ? ", zero shown" : "") << " -> ["
        << c.text << "]";
}

std::string ToStrName(const ::testing::TestParamInfo<ToStrCase>& info) {
    const ToStrCase& c = info.param;
    return test::Identifier(std::to_string(c.minutes)) + "_width" + std::to_string(c.width) +
           (c.showZero ? "_zeroShown" : "");
}

class MinutesToStrTest : public ::testing::TestWithParam<ToStrCase> {};

TEST_P(MinutesToStrTest, Formats) {
    const auto& c = GetParam();
    EXPECT_EQ(MinutesToStr(c.minutes, c.width, c.showZero), c.text) << c.minutes;
}

INSTANTIATE_TEST_SUITE_P(
    Widths, MinutesToStrTest,
    ::testing::Values(ToStrCase{0, 2, false, ""}, ToStrCase{0, 2, true, " 0:00"},
                      ToStrCase{480, 2, false, " 8:00"}, ToStrCase{1020, 2, false, "17:00"},
                      ToStrCase{1530, 2, false, "25:30"}, ToStrCase{-480, 2, false, "-8:00"},
                      ToStrCase{-480, 3, false, " -8:00"}, ToStrCase{-600, 2, false, "-10:00"},
                      ToStrCase{2730, 3, true, " 45:30"}, ToStrCase{-30, 2, false, "-0:30"},
                      // A hundred hours widens the field instead of losing a digit.
                      ToStrCase{6000, 2, false, "100:00"}, ToStrCase{-6000, 3, false, "-100:00"}),
    ToStrName);

struct AdjustCase {
    const char* text;
    RoundMethod method;
    int unit;
    const char* result;
};

std::string MethodName(RoundMethod method) {
    switch (method) {
        case RoundMethod::None:
            return "None";
        case RoundMethod::Down:
            return "Down";
        case RoundMethod::Nearest:
            return "Nearest";
        case RoundMethod::Up:
            return "Up";
    }
    return "Method" + std::to_string(static_cast<int>(method));
}

void PrintTo(const AdjustCase& c, std::ostream* os) {
    *os << "[" << c.text << "] " << MethodName(c.method) << " to " << c.unit << " min -> ["
        << c.result << "]";
}

std::string AdjustName(const ::testing::TestParamInfo<AdjustCase>& info) {
    const AdjustCase& c = info.param;
    return test::Identifier(c.text) + "_" + MethodName(c.method) + "_" + std::to_string(c.unit);
}

class AdjustTimeStrTest : public ::testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustTimeStrTest, Rounds) {
    const auto& c = GetParam();
    EXPECT_EQ(AdjustTimeStr(c.text, c.method, c.unit), c.result)
        << c.text << " method " << static_cast<int>(c.method) << " unit " << c.unit;
}

INSTANTIATE_TEST_SUITE_P(Methods, AdjustTimeStrTest,
                         ::testing::Values(AdjustCase{"8:07", RoundMethod::Nearest, 15, " 8:00"},
                                           AdjustCase{"8:08", RoundMethod::Nearest, 15, " 8:15"},
                                           AdjustCase{"8:05", RoundMethod::Nearest, 10, " 8:10"},
                                           AdjustCase{"8:59", RoundMethod::Up, 15, " 9:00"},
                                           AdjustCase{"-0:20", RoundMethod::Down, 15, "-0:30"},
                                           AdjustCase{"-0:20", RoundMethod::Up, 15, "-0:15"},
                                           AdjustCase{"8:07", RoundMethod::None, 15, " 8:07"},
                                           AdjustCase{"8:14", RoundMethod::Down, 15, " 8:00"},
                                           AdjustCase{"8:15", RoundMethod::Up, 15, " 8:15"},
                                           AdjustCase{"0:10", RoundMethod::Down, 15, ""},
                                           AdjustCase{"23:50", RoundMethod::Up, 30, "24:00"},
                                           AdjustCase{"8:75", RoundMethod::Down, 20, " 9:00"},
                                           AdjustCase{"8:10", static_cast<RoundMethod>(7), 15,
                                                      " 8:10"},
                                           AdjustCase{"8:10", RoundMethod::Up, 0, " 8:10"},
                                           AdjustCase{"", RoundMethod::Up, 15, ""}),
                         AdjustName);

TEST(NumberText, IntegersAndPadding) {
    EXPECT_EQ(StrToIntDef(" 42 ", 0), 42);
    EXPECT_EQ(StrToIntDef("４２", 0), 42);
    EXPECT_EQ(StrToIntDef("-7", 0), -7);
    EXPECT_EQ(StrToIntDef("$FF", 0), 255);
    EXPECT_EQ(StrToIntDef("0x1F", 0), 31);
    EXPECT_EQ(StrToIntDef("0X80000005", 0), static_cast<int>(0x80000005u));
    EXPECT_EQ(StrToIntDef("12a", -1), -1);
    EXPECT_EQ(StrToIntDef("", -1), -1);
    EXPECT_EQ(StrToIntDef("99999999999", -1), -1);
    EXPECT_EQ(StrToIntDef("-2147483643", 0), -2147483643);

    EXPECT_EQ(IntToStrPad(5, 2, '0'), "05");
    EXPECT_EQ(IntToStrPad(2004, 2, '0'), "04");
    EXPECT_EQ(IntToStrPad(123, 2), "23");
    EXPECT_EQ(IntToStrPad(7, 3), "  7");
}

TEST(NumberText, RoundingAndDecimals) {
    EXPECT_EQ(RoundOff(2.5), 3);
    EXPECT_EQ(RoundOff(-2.5), -3);
    EXPECT_EQ(RoundOff(2.4999), 2);
    EXPECT_EQ(RoundOff(NAN), 0);

    EXPECT_EQ(FloatToStrDec(6, 1, 20.0), "  20.0");
    EXPECT_EQ(FloatToStrDec(5, 1, -1.0), " -1.0");
    EXPECT_EQ(FloatToStrDec(0, 1, -0.04), "0.0");
    EXPECT_EQ(FloatToStrDec(0, 1, INFINITY), "");

    EXPECT_DOUBLE_EQ(StrToFloatDec("1.26", 1, 9), 1.3);
    EXPECT_DOUBLE_EQ(StrToFloatDec("-0.5", 1, 9), -0.5);
    EXPECT_DOUBLE_EQ(StrToFloatDec("１２．５", 1, 9), 12.5);
    EXPECT_DOUBLE_EQ(StrToFloatDec("nan", 1, 9), 9);
    EXPECT_DOUBLE_EQ(StrToFloatDec("1,5", 1, 9), 9);
    EXPECT_DOUBLE_EQ(StrToFloatDec("", 1, 9), 9);

    EXPECT_EQ(DayCountStr("  20.0", true), "  20.0");
    EXPECT_EQ(DayCountStr("  19.5", false), "    20");
    EXPECT_EQ(DayCountStr("", false), "");
}

TEST(NumberText, ThousandsAndFields) {
    EXPECT_EQ(ThousandsStr("1234567"), "1,234,567");
    EXPECT_EQ(ThousandsStr("-123456"), "-123,456");
    EXPECT_EQ(ThousandsStr("-123"), "-123");
    EXPECT_EQ(ThousandsStr("999"), "999");
    EXPECT_EQ(ThousandsStr("abc"), "0");

    EXPECT_EQ(CommaField("a,b,,d", 1), "a");
    EXPECT_EQ(CommaField("a,b,,d", 3), "");
    EXPECT_EQ(CommaField("a,b,,d", 4), "d");
    EXPECT_EQ(CommaField("a,b,,d", 5), "");
    EXPECT_EQ(CommaField("a,b", 0), "");

    EXPECT_EQ(ReplaceAll("a,b,c", ",", "."), "a.b.c");
    EXPECT_EQ(StripCommas(" 1,234,567 "), "1234567");
}

TEST(FixedText, WidthsCountShiftJisBytes) {
    EXPECT_EQ(FixedWidth("ab", 4), "ab  ");
    EXPECT_EQ(FixedWidth("abcdef", 4), "abcd");
    EXPECT_EQ(FixedWidth("あい", 4), "あい");
    // A cut through a double-byte character is made one byte earlier.
    EXPECT_EQ(FixedWidth("aあい", 4), "aあ ");
    EXPECT_EQ(FixedWidth("ｱｲｳ", 2), "ｱｲ");

    EXPECT_EQ(RightAlign("7", 3), "  7");
    EXPECT_EQ(RightAlign("12345", 3), "345");
    EXPECT_EQ(RightAlign("あい", 3), " い");
}

TEST(FixedText, HankakuFolding) {
    EXPECT_EQ(ToHankaku("ＡＢｃ１２３　：－＋"), "ABC123 :-+");
    EXPECT_EQ(ToHankaku("abc"), "ABC");
    EXPECT_EQ(ToHankaku("￥＄％＃＆＊＠"), "\\$%#&*@");
    EXPECT_EQ(ToHankaku("（）［］｛｝＜＞＝"), "()[]{}<>=");
    EXPECT_EQ(ToHankaku("漢字ｶﾅ"), "漢字ｶﾅ");
}

TEST(DateAndHourFields, ClampsAndMonthLengths) {
    EXPECT_EQ(YearClamp("1980"), 1990);
    EXPECT_EQ(YearClamp("2100"), 2090);
    EXPECT_EQ(YearClamp("x"), 1990);
    EXPECT_EQ(MonthClamp("13"), 12);
    EXPECT_EQ(MonthClamp("0"), 1);
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(2005, 4), 30);
    EXPECT_EQ(DaysInMonth(2005, 13), 0);
    EXPECT_EQ(UnitMinutes(3), 15);
    EXPECT_EQ(UnitMinutes(-1), 5);
    EXPECT_EQ(UnitMinutes(9), 60);
}

TEST(DateAndHourFields, DecimalHours) {
    EXPECT_EQ(DecimalHourStr(" 8:30"), "8.50");
    EXPECT_EQ(DecimalHourStr("-0:45"), "-0.75");
    EXPECT_EQ(DecimalHourStr(" 45:20"), "45.33");
    EXPECT_EQ(DecimalHourStr("   "), "   ");
}

TEST(ControlChars, EachBecomesOneBlank) {
    EXPECT_FALSE(HasControlChar("山田 太郎 ~"));
    EXPECT_TRUE(HasControlChar("a\rb"));
    EXPECT_TRUE(HasControlChar(std::string_view("\0", 1)));
    EXPECT_TRUE(HasControlChar("\x7f"));
    EXPECT_EQ(BlankControlChars(std::string_view("a\r\nb\x1f\x7f\0", 7)), "a  b   ");
    // CP932 bytes pass as they are: no trail byte is a control byte.
    EXPECT_EQ(BlankControlChars("\x83\x41\x82\xa0"), "\x83\x41\x82\xa0");
}

}  // namespace
}  // namespace tkv
