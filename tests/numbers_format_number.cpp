// Formatting a value with a mask, under a point and under a comma as decimal
// separator (the comma's text is the point's with the two swapped).
#include "numbers/format_number.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

using retencion::FormatNumber;
using retencion::Separators;

namespace {

const Separators kPoint{".", ","};
const Separators kComma{",", "."};
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Row {
    const char* name;
    double value;
    const char* mask;
    std::string text; // with a point as decimal separator
};
void PrintTo(const Row& r, std::ostream* os)
{
    *os << r.name;
}

class FormatNumberTest : public testing::TestWithParam<Row> {};

TEST_P(FormatNumberTest, ShowsTheMaskedText)
{
    const Row& r = GetParam();
    std::string withComma = r.text;
    std::transform(withComma.begin(), withComma.end(), withComma.begin(), [](char c) {
        return c == '.' ? ',' : c == ',' ? '.' : c;
    });
    EXPECT_EQ(FormatNumber(r.value, r.mask, kPoint), r.text);
    EXPECT_EQ(FormatNumber(r.value, r.mask, kComma), withComma);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatNumberTest,
    testing::Values(
        Row{"two_decimals_rounded", 12.346, "##.##", "12.35"}, Row{"trailing_zeros_dropped", 1.5, "##.##", "1.5"},
        Row{"integer_keeps_separator", 2, "##.##", "2."}, Row{"no_leading_zero_below_one", 0.5, "##.##", ".5"},
        Row{"all_integer_digits_shown", 123456, "##.##", "123456."}, Row{"zero_placeholders_pad", 7, "#0.00", "7.00"},
        Row{"zero_placeholder_forces_digit", 0.5, "#0.00", "0.50"},
        Row{"rounds_into_next_power", 999.5, "######.", "1000."}, Row{"surface_mask", 1234.6, "#######.", "1235."},
        Row{"half_away_from_zero", 2.5, "#######", "3"}, Row{"negative_half_away_from_zero", -2.5, "#######", "-3"},
        Row{"grouping_mask_small_value", 5.4919, "##,##", "5"},
        Row{"grouping_many_groups", 1234567, "##,##", "1,234,567"},
        Row{"shortest_decimal_rounds_up", 1.005, "##.##", "1.01"}, Row{"just_below_half", 0.0049999, "##.##", "."},
        Row{"negative_rounding_to_zero_has_no_sign", -0.004, "#0.00", "0.00"}, Row{"negative_zero", -0.0, "##.##", "."},
        Row{"zero_whole", 0, "#######", ""}, Row{"negative_value", -3.14159, "###.##", "-3.14"},
        Row{"rounding_carries_through_nines", 9.999, "##.##", "10."}, Row{"tiny_value", 4.9e-324, "#0.00", "0.00"},
        Row{"huge_value_all_digits", 1e20, "#######", "100000000000000000000"},
        Row{"infinity_gives_no_text", kInf, "##.##", ""}, Row{"minus_infinity_gives_no_text", -kInf, "#0.00", ""},
        Row{"nan_gives_no_text", std::numeric_limits<double>::quiet_NaN(), "#######", ""},
        // Mask characters where the rules give them no part.
        Row{"comma_before_every_placeholder_groups_nothing", 12345, ",##", "12345"},
        Row{"comma_after_every_placeholder_groups_nothing", 12345, "##,", "12345"},
        Row{"comma_between_placeholders_groups", 1234567, "#,#", "1,234,567"},
        Row{"two_zero_placeholders_force_two_digits", 5, "00.00", "05.00"},
        Row{"zeros_from_the_first_one_force_digits", 5, "0#0", "005"},
        Row{"zero_placeholders_do_not_cut_longer_integers", 12345, "00", "12345"},
        Row{"comma_in_the_fraction_is_no_placeholder", 1.25, "0.0,0", "1.25"},
        Row{"comma_in_the_fraction_keeps_the_forced_zeros", 1.2, "0.0,0", "1.20"},
        Row{"second_point_is_no_placeholder", 1.25, "0.0.0", "1.25"},
        Row{"point_alone_rounds_to_whole_units", 42.7, ".", "43."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatNumberTest, MultiByteSeparatorsAreWrittenWhole)
{
    EXPECT_EQ(FormatNumber(1234567.891, "##,##", Separators{",", "\u202f"}), "1\u202f234\u202f568");
}

TEST(FormatQuotedNumbersTest, NoTrailingSeparatorAndSignificantDigits)
{
    EXPECT_EQ(retencion::FormatDecimal(12, 3, kComma), "12");
    EXPECT_EQ(retencion::FormatDecimal(1234.5678, 2, kComma), "1234,57");
    EXPECT_EQ(retencion::FormatDecimal(-0.0001, 2, kComma), "0");
    EXPECT_EQ(retencion::FormatSignificant(166.6666667, 6, kComma), "166,667");
    EXPECT_EQ(retencion::FormatSignificant(0.000555555, 3, kComma), "0,000556");
    EXPECT_EQ(retencion::FormatSignificant(1000000, 6, kComma), "1000000");
    EXPECT_EQ(retencion::FormatSignificant(0, 4, kComma), "0");
    // Beyond a reader's patience for digits: a power of ten.
    EXPECT_EQ(retencion::FormatSignificant(1.5e308 / 60, 6, kComma), "2,5·10^306");
    EXPECT_EQ(retencion::FormatSignificant(-1.25e-9, 6, kComma), "-1,25·10^-9");
}

} // namespace
