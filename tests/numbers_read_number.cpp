// Reading a field: every row is read through both the 16-bit and the 8-bit
// reader, which follow the same rules, and must give the same value, down
// to the sign of a zero and of an infinity; and under both regional decimal
// separators, which read every text alike but those with a comma.
#include "numbers/read_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

using retencion::ReadMinutesAsSeconds;
using retencion::ReadNumber;
using retencion::Separators;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kAsUnderPoint = std::numeric_limits<double>::quiet_NaN();
const Separators kPoint{".", ","};
const Separators kComma{",", "."};

struct Row {
    const char* name;
    std::string text;                  // one byte a character, widened for the 16-bit reader
    double expected;                   // with a decimal point
    double underComma = kAsUnderPoint; // with a decimal comma
};
void PrintTo(const Row& r, std::ostream* os)
{
    *os << r.name;
}

std::u16string widen(std::string_view text)
{
    return {text.begin(), text.end()};
}

void expectSame(double v, double expected)
{
    EXPECT_EQ(std::signbit(v), std::signbit(expected)) << v;
    if (std::isinf(expected))
        EXPECT_EQ(v, expected);
    else
        EXPECT_DOUBLE_EQ(v, expected);
}

class ReadNumberTest : public testing::TestWithParam<Row> {};

TEST_P(ReadNumberTest, ReadsTheLeadingNumber)
{
    const Row& r = GetParam();
    const double underComma = std::isnan(r.underComma) ? r.expected : r.underComma;
    for (const auto& [separators, expected] : {std::pair{kPoint, r.expected}, std::pair{kComma, underComma}}) {
        SCOPED_TRACE("decimal separator " + separators.decimal);
        expectSame(ReadNumber(widen(r.text), separators), expected);
        expectSame(ReadNumber(std::string_view(r.text), separators), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ReadNumberTest,
    testing::Values(Row{"empty_is_zero", "", 0}, Row{"blanks_around", "  7.25\t ", 7.25},
                    Row{"blanks_inside_digits", "2 45\t7", 2457}, Row{"line_feed_skipped", "\n1\n2", 12},
                    Row{"carriage_return_ends", "5\r6", 5}, Row{"comma_ends_number_under_point", "7,25", 7, 7.25},
                    Row{"negative_fraction", "-0.5", -0.5}, Row{"plus_sign", "+3", 3},
                    Row{"blank_after_sign", "- 4", -4}, Row{"lower_exponent", "1e2", 100},
                    Row{"upper_exponent", "1.5E3", 1500}, Row{"exponent_with_plus_sign", "1e+3", 1000},
                    Row{"exponent_with_minus_sign", "25E-1", 2.5}, Row{"exponent_without_digits", "3e", 3},
                    Row{"leading_point", ".5", 0.5}, Row{"second_point_ends", "3.2.1", 3.2},
                    Row{"unit_ends_number", "12 m", 12}, Row{"letters_are_zero", "abc", 0},
                    Row{"non_ascii_letter_is_zero", "\303\2515", 0}, Row{"sign_alone_is_zero", "-", 0},
                    Row{"nearest_double", "0.1", 0.1}, Row{"fraction_with_leading_zeros", "0.05", 0.05},
                    Row{"minus_zero_keeps_its_sign", "-0", -0.0},
                    Row{"minus_zero_fraction_keeps_its_sign", "-0.000", -0.0},
                    Row{"too_large_is_infinite", "1e400", kInf}, Row{"too_large_negative", "-1e400", -kInf},
                    Row{"long_mantissa_overflows", std::string(400, '9'), kInf},
                    Row{"huge_exponent", "1e999999999999", kInf}, Row{"zero_with_huge_exponent", "0e999999", 0},
                    Row{"fraction_scaled_past_the_largest_double", "0.0001e400", kInf},
                    Row{"negative_fraction_scaled_past_the_largest_double", "-0.0001e400", -kInf},
                    Row{"fraction_scaled_below_the_smallest_double", "0.001e-400", 0},
                    Row{"integer_scaled_below_the_smallest_double", "123e-400", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A Spanish engineer's numbers: a comma is the decimal point where it is the
// regional one, and a point still is one, so a text that read right before
// reads the same; after either, the next separator ends the number.
INSTANTIATE_TEST_SUITE_P(DecimalComma, ReadNumberTest,
                         testing::Values(Row{"comma_fraction", "3,5", 3, 3.5}, Row{"comma_below_one", "0,6", 0, 0.6},
                                         Row{"leading_comma", ",5", 0, 0.5},
                                         Row{"point_then_comma_ends", "1.234,5", 1.234, 1.234},
                                         Row{"comma_then_point_ends", "1,5.2", 1, 1.5},
                                         Row{"second_comma_ends", "3,2,1", 3, 3.2},
                                         Row{"formatted_result_reads_back", "5529,4", 5529, 5529.4},
                                         Row{"trailing_comma_of_a_mask", "2144,", 2144, 2144},
                                         Row{"negative_comma_exponent", "-2,5e-1", -2, -0.25},
                                         Row{"blanks_around_comma", " 1 , 2 ", 1, 1.2}),
                         [](const auto& info) { return std::string(info.param.name); });

// Up to 4 hexadecimal (6 octal) digits are a 16-bit two's-complement
// integer, up to 8 (11) a 32-bit one; more digits overflow.
INSTANTIATE_TEST_SUITE_P(
    Radix, ReadNumberTest,
    testing::Values(Row{"hex_lower_case", "&hff", 255}, Row{"hex_upper_case_digits", "&HAB", 171},
                    Row{"hex_stops_at_a_letter_past_f", "&H1G", 1}, Row{"hex_16_bit_minus_one", "&HFFFF", -1},
                    Row{"hex_five_digits_are_32_bit", "&H10000", 65536}, Row{"hex_32_bit_minus_one", "&HFFFFFFFF", -1},
                    Row{"hex_nine_digits_overflow", "&H123456789", kInf}, Row{"hex_blanks_skipped", "& H 1 0", 16},
                    Row{"octal", "&O17", 15}, Row{"octal_stops_at_8", "&o18", 1},
                    Row{"octal_without_digits_is_zero", "&O8", 0}, Row{"octal_16_bit_minus_one", "&O177777", -1},
                    Row{"octal_past_16_bits_is_32_bit", "&O200000", 65536},
                    Row{"octal_eleven_digits_past_32_bits_overflow", "&O77777777777", kInf},
                    Row{"octal_twelve_digits_overflow", "&O100000000000", kInf}, Row{"ampersand_alone_is_zero", "&", 0},
                    Row{"ampersand_other_letter_is_zero", "&X12", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadMinutesAsSecondsTest, MultipliesBySixty)
{
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(u"2.5", kPoint), 150);
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(std::string_view("2,5"), kComma), 150);
    EXPECT_DOUBLE_EQ(ReadMinutesAsSeconds(std::string_view(""), kComma), 0);
    // The conversion overflows: never a time in range.
    EXPECT_EQ(ReadMinutesAsSeconds(u"1e307", kPoint), kInf);
    EXPECT_EQ(ReadMinutesAsSeconds(std::string_view("1e307"), kComma), kInf);
}

} // namespace
