#pragma once
// Reading a number from the text of a field. The rules are those engineers'
// spreadsheets and old forms share: the leading number of the text counts,
// blanks anywhere are skipped, `.` is the only decimal separator whatever
// the regional settings say, and anything else ends the number.

#include <string_view>

namespace retencion {

// The value of the number at the start of `text`, 0 when there is none.
// A value too large for a double reads as plus or minus infinity.
double ReadNumber(std::u16string_view text);
double ReadNumber(std::string_view text); // the same rules, for 8-bit text

// A time typed in minutes, in seconds.
double ReadMinutesAsSeconds(std::u16string_view text);
double ReadMinutesAsSeconds(std::string_view text);

} // namespace retencion
