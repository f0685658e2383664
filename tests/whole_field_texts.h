#pragma once
// Texts typed where the number 25 is meant, as a field of the window or a
// cell of retencion-calc: each is read whole, as 25, or refused as no
// number, under a decimal point and under a decimal comma. The reader's
// test, the window's and the batch calculator's share them, so that a field
// and a cell holding the same text give the same answer.

namespace retencion::test {

struct WholeFieldText {
    const char* name;
    const char* text;
    bool underPoint; // read as 25 with a decimal point; otherwise refused
    bool underComma; // ...with a decimal comma
};

// clang-format off
inline constexpr WholeFieldText kWholeFieldTexts[] = {
    {"plain", "25", true, true},
    {"blanks_around", "  25\t", true, true},
    {"blanks_inside", "2 5", true, true},
    {"decimal_point", "25.0", true, true},
    {"decimal_comma", "25,0", false, true},
    {"plus_sign", "+25", true, true},
    {"blank_after_sign", "+ 25", true, true},
    {"exponent", "2.5e1", true, true},
    {"comma_exponent", "2,5E+1", false, true},
    {"hexadecimal", "&H19", true, true},
    {"octal", "&o31", true, true},
    {"trailing_unit", "25 m³/s", false, false},
    {"trailing_letters", "25abc", false, false},
    {"two_points", "2.5.0", false, false},
    {"point_then_comma", "2.5,0", false, false},
    {"comma_then_point", "2,5.0", false, false},
    {"two_commas", "2,5,0", false, false},
    {"sign_alone", "+", false, false},
    {"minus_alone", "-", false, false},
    {"sign_after", "25-", false, false},
    {"two_signs", "--25", false, false},
    {"dangling_exponent", "25e", false, false},
    {"exponent_sign_alone", "25e+", false, false},
    {"point_alone", ".", false, false},
    {"word", "veinticinco", false, false},
    {"hexadecimal_without_digits", "&H", false, false},
    {"hexadecimal_past_f", "&H19G", false, false},
    {"ampersand_other_letter", "&X19", false, false},
};
// clang-format on

} // namespace retencion::test
