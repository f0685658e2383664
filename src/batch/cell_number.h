#pragma once
// Reading a number from a cell of a calculation file. Stricter than a form
// field: a file is written once and run many times, so a cell that is not
// plainly a number is reported, never read as 0 or as its leading digits.

#include <optional>
#include <string_view>

namespace retencion::batch {

// An optional sign, digits with at most one decimal separator, an optional
// exponent; blanks around it are allowed, digit grouping is not. The point
// is always a decimal separator (as in the window); the comma too when
// `commaIsDecimal`. A value too large for a double reads as an infinity,
// which the engines then refuse, as the window does. Empty when the text is
// no such number.
std::optional<double> readCellNumber(std::string_view text, bool commaIsDecimal);

// Blanks (spaces and tabs) at both ends removed.
std::string_view trimBlanks(std::string_view text);

} // namespace retencion::batch
