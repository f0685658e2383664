#include "numbers/format_number.h"
#include "numbers/read_number.h"

#include <gtest/gtest.h>

#include <limits>

using retencion::FormatNumber;
using retencion::Separators;

namespace {

const Separators kPoint{".", ","};
const Separators kComma{",", "."};

struct FormatCase {
    const char* name;
    double value;
    const char* mask;
    const char* withPoint; // English regional settings
    const char* withComma; // Spanish regional settings
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class FormatNumberTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, ShowsTheMaskedText)
{
    const auto& c = GetParam();
    EXPECT_EQ(FormatNumber(c.value, c.mask, kPoint), c.withPoint);
    EXPECT_EQ(FormatNumber(c.value, c.mask, kComma), c.withComma);
}

INSTANTIATE_TEST_SUITE_P(
    Masks, FormatNumberTest,
    testing::Values(FormatCase{"two_decimals_rounded", 12.346, "##.##", "12.35", "12,35"},
                    FormatCase{"trailing_zeros_dropped", 1.5, "##.##", "1.5", "1,5"},
                    FormatCase{"integer_keeps_separator", 2, "##.##", "2.", "2,"},
                    FormatCase{"no_leading_zero_below_one", 0.5, "##.##", ".5", ",5"},
                    FormatCase{"all_integer_digits_shown", 123456, "##.##", "123456.", "123456,"},
                    FormatCase{"zero_placeholders_pad", 7, "#0.00", "7.00", "7,00"},
                    FormatCase{"zero_placeholder_forces_digit", 0.5, "#0.00", "0.50", "0,50"},
                    FormatCase{"rounds_into_next_power", 999.5, "######.", "1000.", "1000,"},
                    FormatCase{"surface_mask", 1234.6, "#######.", "1235.", "1235,"},
                    FormatCase{"whole_number_mask", 1234.4, "#######", "1234", "1234"},
                    FormatCase{"half_away_from_zero", 2.5, "#######", "3", "3"},
                    FormatCase{"negative_half_away_from_zero", -2.5, "#######", "-3", "-3"},
                    FormatCase{"grouping_mask_groups_thousands", 12345.6, "##,##", "12,346", "12.346"},
                    FormatCase{"grouping_mask_small_value", 5.4919, "##,##", "5", "5"},
                    FormatCase{"grouping_many_groups", 1234567, "##,##", "1,234,567", "1.234.567"},
                    FormatCase{"shortest_decimal_rounds_up", 1.005, "##.##", "1.01", "1,01"},
                    FormatCase{"just_below_half", 0.0049999, "##.##", ".", ","},
                    FormatCase{"negative_rounding_to_zero_has_no_sign", -0.004, "#0.00", "0.00", "0,00"},
                    FormatCase{"negative_zero", -0.0, "##.##", ".", ","},
                    FormatCase{"zero_whole", 0, "#######", "", ""},
                    FormatCase{"negative_value", -3.14159, "###.##", "-3.14", "-3,14"},
                    FormatCase{"rounding_carries_through_nines", 9.999, "##.##", "10.", "10,"},
                    FormatCase{"tiny_value", 4.9e-324, "#0.00", "0.00", "0,00"},
                    FormatCase{"huge_value_all_digits", 1e20, "#######", "100000000000000000000",
                               "100000000000000000000"}),
    [](const auto& info) { return info.param.name; });

TEST(FormatNumberTest, NonFiniteValuesGiveNoText)
{
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity(), "##.##", kPoint), "");
    EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity(), "#0.00", kPoint), "");
    EXPECT_EQ(FormatNumber(std::numeric_limits<double>::quiet_NaN(), "#######", kPoint), "");
}

TEST(FormatNumberTest, MultiByteSeparatorsAreWrittenWhole)
{
    EXPECT_EQ(FormatNumber(1234567.891, "##,##", Separators{",", "\u202f"}), "1\u202f234\u202f568");
}

TEST(FormatNumberTest, CommaFormattedTextReadsBackAsItsIntegerPart)
{
    // A comma written by Spanish settings ends the number when read again.
    EXPECT_DOUBLE_EQ(retencion::ReadNumber(FormatNumber(12.346, "##.##", kComma)), 12);
}

} // namespace

namespace {

TEST(FormatQuotedNumbersTest, NoTrailingSeparatorAndSignificantDigits)
{
    const Separators comma{",", "."};
    EXPECT_EQ(retencion::FormatDecimal(12, 3, comma), "12");
    EXPECT_EQ(retencion::FormatDecimal(1234.5678, 2, comma), "1234,57");
    EXPECT_EQ(retencion::FormatDecimal(-0.0001, 2, comma), "0");
    EXPECT_EQ(retencion::FormatSignificant(166.6666667, 6, comma), "166,667");
    EXPECT_EQ(retencion::FormatSignificant(0.000555555, 3, comma), "0,000556");
    EXPECT_EQ(retencion::FormatSignificant(1000000, 6, comma), "1000000");
    EXPECT_EQ(retencion::FormatSignificant(0, 4, comma), "0");
    // Beyond a reader's patience for digits: a power of ten.
    EXPECT_EQ(retencion::FormatSignificant(1.5e308 / 60, 6, comma), "2,5·10^306");
    EXPECT_EQ(retencion::FormatSignificant(-1.25e-9, 6, comma), "-1,25·10^-9");
}

} // namespace
