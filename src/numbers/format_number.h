#pragma once
// Writing a result under a format mask made of `#`, `0`, `.` and `,`, with
// the separators of the user's regional settings (the caller passes them; the
// core never asks the locale).

#include "numbers/separators.h"

#include <string>
#include <string_view>

namespace retencion {

// The text a result field shows for `value` under `mask`. Rounds half away
// from zero on the shortest decimal representation of the double. A value
// that is not finite is never a result: it gives the empty text.
std::string FormatNumber(double value, std::string_view mask, const Separators& separators);

// A number with at most `maxDecimals` decimals, no digit grouping and no
// separator left trailing: for text that quotes a value rather than a field
// that shows one.
std::string FormatDecimal(double value, int maxDecimals, const Separators& separators);

// The same to `significant` significant digits (at most 12 decimals).
std::string FormatSignificant(double value, int significant, const Separators& separators);

} // namespace retencion
