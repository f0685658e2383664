// Masks whose characters stand where the rules give them no part: a `,`
// outside the integer placeholders, `0` placeholders after the first, a
// `,` in the fraction section.
#include "numbers/format_number.h"

#include <gtest/gtest.h>

using retencion::FormatNumber;
using retencion::Separators;

namespace {

struct Row {
    const char* name;
    double value;
    const char* mask;
    const char* text; // with a point and a comma as separators
};

void PrintTo(const Row& r, std::ostream* os)
{
    *os << r.name;
}

class FormatNumberMask : public testing::TestWithParam<Row> {};

TEST_P(FormatNumberMask, ShowsTheRuleText)
{
    const Row& r = GetParam();
    EXPECT_EQ(FormatNumber(r.value, r.mask, Separators{".", ","}), r.text);
}

INSTANTIATE_TEST_SUITE_P(Masks, FormatNumberMask,
                         testing::Values(Row{"comma_before_every_placeholder_groups_nothing", 12345, ",##", "12345"},
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

} // namespace
