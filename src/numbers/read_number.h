#pragma once
// Reading a number from the whole text of a field or of a cell. The rules
// are those engineers' spreadsheets and old forms share: blanks anywhere are
// skipped, then an optional sign, digits with at most one decimal separator
// and an optional exponent, or an `&H` (hexadecimal) or `&O` (octal)
// integer. A point is always a decimal point. Where the regional decimal
// separator is a comma, a comma is one too, so that "3,5" and a result
// copied back from a field read as they show. The number must be the whole
// text: "100 l/s", "1.234,5", "3.2.1", "+" and "abc" are not numbers, never
// their leading digits nor 0, since an engineer who typed them meant
// something else than what a leading-number reading would compute with.

#include "numbers/separators.h"

#include <string_view>

namespace retencion {

// What the text holds.
enum class FieldText {
    Number,     // a number and nothing else but blanks
    Empty,      // nothing, or only blanks
    NotANumber, // something else
};

struct FieldNumber {
    FieldText text = FieldText::Empty;
    // The number read; 0 when the text is empty or not a number. A value too
    // large for a double reads as plus or minus infinity, which every studied
    // range refuses.
    double value = 0;
};

FieldNumber ReadField(std::u16string_view text, const Separators& separators);
FieldNumber ReadField(std::string_view text, const Separators& separators); // the same rules, for 8-bit text

// A time typed in minutes: the value in seconds.
FieldNumber ReadFieldMinutes(std::u16string_view text, const Separators& separators);
FieldNumber ReadFieldMinutes(std::string_view text, const Separators& separators);

} // namespace retencion
