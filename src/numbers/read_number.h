#pragma once
// Reading a number from the text of a field. The rules are those engineers'
// spreadsheets and old forms share: the leading number of the text counts,
// blanks anywhere are skipped, and anything else ends the number. A point is
// always a decimal point. Where the regional decimal separator is a comma, a
// comma is one too, so that "3,5" and a result copied back from a field read
// as they show; once either has been read, the next point or comma ends the
// number ("1.234,5" reads 1.234). Under a decimal point a comma ends it.

#include "numbers/separators.h"

#include <string_view>

namespace retencion {

// The value of the number at the start of `text`, 0 when there is none.
// A value too large for a double reads as plus or minus infinity.
double ReadNumber(std::u16string_view text, const Separators& separators);
double ReadNumber(std::string_view text, const Separators& separators); // the same rules, for 8-bit text

// A time typed in minutes, in seconds.
double ReadMinutesAsSeconds(std::u16string_view text, const Separators& separators);
double ReadMinutesAsSeconds(std::string_view text, const Separators& separators);

} // namespace retencion
