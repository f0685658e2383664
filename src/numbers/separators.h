#pragma once
// The decimal and digit-group separators of the user's regional settings.
// The caller passes them in; nothing in the core asks the locale.

#include <string>

namespace retencion {

struct Separators {
    std::string decimal = ".";
    std::string group = ",";

    // Where the decimal separator is a comma, a comma typed in a number is
    // its decimal point too.
    bool decimalComma() const { return decimal == ","; }
};

} // namespace retencion
