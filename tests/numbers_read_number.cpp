// Reading a field: every row is read through both the 16-bit and the 8-bit
// reader, which follow the same rules, and must give the same outcome, down
// to the sign of a zero and of an infinity; and under both regional decimal
// separators, which read every text alike but those with a comma. A text is
// a number only as a whole.
#include "numbers/read_number.h"
#include "whole_field_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

using retencion::FieldNumber;
using retencion::FieldText;
using retencion::ReadField;
using retencion::ReadFieldMinutes;
using retencion::Separators;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const Separators kPoint{".", ","};
const Separators kComma{",", "."};

constexpr FieldNumber N(double v)
{
    return {FieldText::Number, v};
}
constexpr FieldNumber kRefused{FieldText::NotANumber, 0};
constexpr FieldNumber kEmpty{FieldText::Empty, 0};

struct Row {
    const char* name;
    std::string text; // one byte a character, widened for the 16-bit reader
    FieldNumber expected;                    // with a decimal point
    std::optional<FieldNumber> underComma{}; // with a decimal comma, when it differs
};
void PrintTo(const Row& r, std::ostream* os)
{
    *os << r.name;
}

std::u16string widen(std::string_view text)
{
    return {text.begin(), text.end()};
}

void expectSame(const FieldNumber& n, const FieldNumber& expected)
{
    EXPECT_EQ(n.text, expected.text);
    EXPECT_EQ(std::signbit(n.value), std::signbit(expected.value)) << n.value;
    if (std::isinf(expected.value))
        EXPECT_EQ(n.value, expected.value);
    else
        EXPECT_DOUBLE_EQ(n.value, expected.value);
}

class ReadFieldTest : public testing::TestWithParam<Row> {};

TEST_P(ReadFieldTest, ReadsTheWholeText)
{
    const Row& r = GetParam();
    for (const auto& [separators, expected] :
         {std::pair{kPoint, r.expected}, std::pair{kComma, r.underComma.value_or(r.expected)}}) {
        SCOPED_TRACE("decimal separator " + separators.decimal);
        expectSame(ReadField(widen(r.text), separators), expected);
        expectSame(ReadField(std::string_view(r.text), separators), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ReadFieldTest,
    testing::Values(Row{"empty", "", kEmpty}, Row{"blanks_only", " \t\n ", kEmpty},
                    Row{"blanks_around", "  7.25\t ", N(7.25)}, Row{"blanks_inside_digits", "2 45\t7", N(2457)},
                    Row{"line_feed_skipped", "\n1\n2", N(12)}, Row{"carriage_return_is_no_blank", "5\r6", kRefused},
                    Row{"comma_under_point", "7,25", kRefused, N(7.25)}, Row{"negative_fraction", "-0.5", N(-0.5)},
                    Row{"plus_sign", "+3", N(3)}, Row{"blank_after_sign", "- 4", N(-4)},
                    Row{"lower_exponent", "1e2", N(100)}, Row{"upper_exponent", "1.5E3", N(1500)},
                    Row{"exponent_with_plus_sign", "1e+3", N(1000)}, Row{"exponent_with_minus_sign", "25E-1", N(2.5)},
                    Row{"exponent_without_digits", "3e", kRefused}, Row{"leading_point", ".5", N(0.5)},
                    Row{"trailing_point", "5.", N(5)}, Row{"second_point", "3.2.1", kRefused},
                    Row{"unit_after_number", "12 m", kRefused}, Row{"letters", "abc", kRefused},
                    Row{"non_ascii_letter", "\303\2515", kRefused}, Row{"sign_alone", "-", kRefused},
                    Row{"nul_inside", std::string("1\0" "2", 3), kRefused},
                    Row{"nearest_double", "0.1", N(0.1)}, Row{"fraction_with_leading_zeros", "0.05", N(0.05)},
                    Row{"minus_zero_keeps_its_sign", "-0", N(-0.0)},
                    Row{"minus_zero_fraction_keeps_its_sign", "-0.000", N(-0.0)},
                    Row{"too_large_is_infinite", "1e400", N(kInf)}, Row{"too_large_negative", "-1e400", N(-kInf)},
                    Row{"long_mantissa_overflows", std::string(400, '9'), N(kInf)},
                    Row{"huge_exponent", "1e999999999999", N(kInf)}, Row{"zero_with_huge_exponent", "0e999999", N(0)},
                    Row{"fraction_scaled_past_the_largest_double", "0.0001e400", N(kInf)},
                    Row{"negative_fraction_scaled_past_the_largest_double", "-0.0001e400", N(-kInf)},
                    Row{"fraction_scaled_below_the_smallest_double", "0.001e-400", N(0)},
                    Row{"integer_scaled_below_the_smallest_double", "123e-400", N(0)}),
    [](const auto& info) { return std::string(info.param.name); });

// A Spanish engineer's numbers: a comma is the decimal point where it is the
// regional one, and a point still is one, so a text that read right before
// reads the same; a second separator makes the text no number.
INSTANTIATE_TEST_SUITE_P(
    DecimalComma, ReadFieldTest,
    testing::Values(Row{"comma_fraction", "3,5", kRefused, N(3.5)}, Row{"comma_below_one", "0,6", kRefused, N(0.6)},
                    Row{"leading_comma", ",5", kRefused, N(0.5)},
                    Row{"grouped_thousands", "5.529,4", kRefused, kRefused},
                    Row{"grouped_thousands_under_point", "5,529.4", kRefused, kRefused},
                    Row{"comma_then_point", "1,5.2", kRefused, kRefused},
                    Row{"formatted_result_reads_back", "5529,4", kRefused, N(5529.4)},
                    Row{"trailing_comma_of_a_mask", "2144,", kRefused, N(2144)},
                    Row{"negative_comma_exponent", "-2,5e-1", kRefused, N(-0.25)},
                    Row{"blanks_around_comma", " 1 , 2 ", kRefused, N(1.2)}),
    [](const auto& info) { return std::string(info.param.name); });

// Up to 4 hexadecimal (6 octal) digits are a 16-bit two's-complement
// integer, up to 8 (11) a 32-bit one; more digits overflow.
INSTANTIATE_TEST_SUITE_P(
    Radix, ReadFieldTest,
    testing::Values(Row{"hex_lower_case", "&hff", N(255)}, Row{"hex_upper_case_digits", "&HAB", N(171)},
                    Row{"hex_letter_past_f", "&H1G", kRefused}, Row{"hex_16_bit_minus_one", "&HFFFF", N(-1)},
                    Row{"hex_five_digits_are_32_bit", "&H10000", N(65536)},
                    Row{"hex_32_bit_minus_one", "&HFFFFFFFF", N(-1)},
                    Row{"hex_nine_digits_overflow", "&H123456789", N(kInf)},
                    Row{"hex_blanks_skipped", "& H 1 0", N(16)}, Row{"octal", "&O17", N(15)},
                    Row{"octal_digit_8", "&o18", kRefused}, Row{"octal_without_digits", "&O", kRefused},
                    Row{"octal_16_bit_minus_one", "&O177777", N(-1)},
                    Row{"octal_past_16_bits_is_32_bit", "&O200000", N(65536)},
                    Row{"octal_eleven_digits_past_32_bits_overflow", "&O77777777777", N(kInf)},
                    Row{"octal_twelve_digits_overflow", "&O100000000000", N(kInf)},
                    Row{"ampersand_alone", "&", kRefused}, Row{"ampersand_other_letter", "&X12", kRefused},
                    Row{"hex_then_fraction", "&H1.5", kRefused}),
    [](const auto& info) { return std::string(info.param.name); });

// The texts the window and retencion-calc are tested with too.
class WholeFieldTextTest : public testing::TestWithParam<retencion::test::WholeFieldText> {};

TEST_P(WholeFieldTextTest, ReadsTwentyFiveOrRefuses)
{
    const auto& t = GetParam();
    for (const auto& [separators, reads] : {std::pair{kPoint, t.underPoint}, std::pair{kComma, t.underComma}}) {
        SCOPED_TRACE("decimal separator " + separators.decimal);
        expectSame(ReadField(std::string_view(t.text), separators), reads ? N(25) : kRefused);
    }
}

INSTANTIATE_TEST_SUITE_P(Shared, WholeFieldTextTest, testing::ValuesIn(retencion::test::kWholeFieldTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFieldMinutesTest, GivesSeconds)
{
    expectSame(ReadFieldMinutes(u"2.5", kPoint), N(150));
    expectSame(ReadFieldMinutes(std::string_view("2,5"), kComma), N(150));
    expectSame(ReadFieldMinutes(std::string_view(""), kComma), kEmpty);
    expectSame(ReadFieldMinutes(std::string_view("20 min"), kComma), kRefused);
    // The conversion overflows: never a time in range.
    expectSame(ReadFieldMinutes(u"1e307", kPoint), N(kInf));
    expectSame(ReadFieldMinutes(std::string_view("1e307"), kComma), N(kInf));
}

} // namespace
