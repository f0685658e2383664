#include "numbers/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using retencion::ReadMinutesAsSeconds;
using retencion::ReadNumber;

namespace {

struct ReadCase {
    const char* name;
    std::u16string text;
    double expected;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber)
{
    const auto& c = GetParam();
    const double v = ReadNumber(c.text);
    if (std::isinf(c.expected)) {
        EXPECT_EQ(v, c.expected);
    } else {
        EXPECT_DOUBLE_EQ(v, c.expected);
    }
}

constexpr double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Rules, ReadNumberTest,
    testing::Values(ReadCase{"empty_is_zero", u"", 0}, ReadCase{"blanks_around", u"  7.25\t ", 7.25},
                    ReadCase{"blanks_inside_digits", u"2 45\t7", 2457}, ReadCase{"line_feed_skipped", u"\n1\n2", 12},
                    ReadCase{"comma_ends_number", u"7,25", 7}, ReadCase{"negative_fraction", u"-0.5", -0.5},
                    ReadCase{"plus_sign", u"+3", 3}, ReadCase{"blank_after_sign", u"- 4", -4},
                    ReadCase{"lower_exponent", u"1e2", 100}, ReadCase{"upper_exponent", u"1.5E3", 1500},
                    ReadCase{"negative_exponent", u"25E-1", 2.5}, ReadCase{"exponent_without_digits", u"3e", 3},
                    ReadCase{"leading_point", u".5", 0.5}, ReadCase{"second_point_ends", u"3.2.1", 3.2},
                    ReadCase{"unit_ends_number", u"12 m", 12}, ReadCase{"letters_are_zero", u"abc", 0},
                    ReadCase{"sign_alone_is_zero", u"-", 0}, ReadCase{"carriage_return_ends", u"5\r6", 5},
                    ReadCase{"nearest_double", u"0.1", 0.1}, ReadCase{"hex_16_bit_minus_one", u"&HFFFF", -1},
                    ReadCase{"hex_lower_case", u"&hff", 255}, ReadCase{"hex_32_bit", u"&H10000", 65536},
                    ReadCase{"hex_32_bit_minus_one", u"&HFFFFFFFF", -1},
                    ReadCase{"hex_too_many_digits_overflows", u"&H123456789", kInf},
                    ReadCase{"hex_blanks_skipped", u"& H 1 0", 16}, ReadCase{"octal", u"&O17", 15},
                    ReadCase{"octal_16_bit_minus_one", u"&O177777", -1}, ReadCase{"ampersand_other_letter", u"&X12", 0},
                    ReadCase{"too_large_is_infinite", u"1e400", kInf}, ReadCase{"too_large_negative", u"-1e400", -kInf},
                    ReadCase{"long_mantissa_overflows", std::u16string(400, u'9'), kInf},
                    ReadCase{"too_small_is_zero", u"1e-400", 0}, ReadCase{"huge_exponent", u"1e999999999999", kInf},
                    ReadCase{"zero_with_huge_exponent", u"0e999999", 0}),
    [](const auto& info) { return info.param.name; });

TEST(ReadMinutesAsSecondsTest, MultipliesBySixty)
{
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(u"2.5"), 150);
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(u""), 0);
    EXPECT_EQ(ReadMinutesAsSeconds(u"1e307"), kInf); // the conversion overflows: never a time in range
}

TEST(ReadNumberTest, EightBitTextReadsAlike)
{
    EXPECT_DOUBLE_EQ(ReadNumber(std::string_view(" 12.5e1 kg")), 125);
    EXPECT_DOUBLE_EQ(ReadNumber(std::string_view("\xc3\xa9"
                                                 "5")),
                     0); // a non-ASCII letter ends it
}

} // namespace
