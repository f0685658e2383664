// The 8-bit and the 16-bit readers follow the same rules: every row is read
// through both, and the corners of those rules that the field tests leave
// aside (signs of exponents and of zero, leading zeros of a fraction, octal
// and hexadecimal digits and their widths, overflow of a fraction) are
// pinned here.
#include "numbers/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using retencion::ReadMinutesAsSeconds;
using retencion::ReadNumber;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
    const char* name;
    const char* text; // ASCII: the same characters in both widths
    double expected;
};

void PrintTo(const Row& r, std::ostream* os)
{
    *os << r.name;
}

std::u16string widen(std::string_view text)
{
    return {text.begin(), text.end()};
}

// Exact, down to the sign of a zero and the sign of an infinity.
void expectSame(double v, double expected)
{
    EXPECT_EQ(std::signbit(v), std::signbit(expected)) << v;
    if (std::isinf(expected))
        EXPECT_EQ(v, expected);
    else
        EXPECT_DOUBLE_EQ(v, expected);
}

class ReadNumberBothWidths : public testing::TestWithParam<Row> {};

TEST_P(ReadNumberBothWidths, ReadsTheSameValue)
{
    const Row& r = GetParam();
    SCOPED_TRACE(r.text);
    expectSame(ReadNumber(std::string_view(r.text)), r.expected);
    expectSame(ReadNumber(widen(r.text)), r.expected);
}

INSTANTIATE_TEST_SUITE_P(Decimal, ReadNumberBothWidths,
                         testing::Values(Row{"blanks_inside_digits", " 2 45\t7", 2457},
                                         Row{"comma_ends_number", "7,25", 7}, Row{"plus_sign", "+3", 3},
                                         Row{"exponent_with_plus_sign", "1e+3", 1000},
                                         Row{"exponent_with_minus_sign", "25E-1", 2.5},
                                         Row{"fraction_with_leading_zeros", "0.05", 0.05},
                                         Row{"minus_zero_keeps_its_sign", "-0", -0.0},
                                         Row{"minus_zero_fraction_keeps_its_sign", "-0.000", -0.0},
                                         Row{"fraction_scaled_past_the_largest_double", "0.0001e400", kInf},
                                         Row{"negative_fraction_scaled_past_the_largest_double", "-0.0001e400", -kInf},
                                         Row{"fraction_scaled_below_the_smallest_double", "0.001e-400", 0},
                                         Row{"integer_scaled_below_the_smallest_double", "123e-400", 0},
                                         Row{"unit_ends_number", "12 m", 12}, Row{"empty_is_zero", "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Radix, ReadNumberBothWidths,
    testing::Values(Row{"hex_lower_case_digits", "&hff", 255}, Row{"hex_upper_case_digits", "&HAB", 171},
                    Row{"hex_stops_at_a_letter_past_f", "&H1G", 1}, Row{"hex_16_bit_minus_one", "&HFFFF", -1},
                    Row{"hex_five_digits_are_32_bit", "&H10000", 65536}, Row{"hex_32_bit_minus_one", "&HFFFFFFFF", -1},
                    Row{"hex_nine_digits_overflow", "&H123456789", kInf}, Row{"octal_lower_case", "&o17", 15},
                    Row{"octal_stops_at_8", "&O18", 1}, Row{"octal_without_digits_is_zero", "&O8", 0},
                    Row{"octal_16_bit_minus_one", "&O177777", -1},
                    Row{"octal_past_16_bits_is_32_bit", "&O200000", 65536},
                    Row{"octal_eleven_digits_past_32_bits_overflow", "&O77777777777", kInf},
                    Row{"octal_twelve_digits_overflow", "&O100000000000", kInf}, Row{"ampersand_alone_is_zero", "&", 0},
                    Row{"ampersand_other_letter_is_zero", "&X12", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadMinutesAsSecondsTest, EightBitTextReadsAsSixtyTimesTheNumber)
{
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(std::string_view("2.5")), 150);
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(std::string_view("")), 0);
    EXPECT_EQ(ReadMinutesAsSeconds(std::string_view("1e307")), kInf);
}

} // namespace
