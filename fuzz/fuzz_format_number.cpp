// Formatting any double under any mask of `#`, `0`, `.` and `,`: the text
// has the shape the mask allows and shows the value rounded to the mask's
// decimals; a value that is not finite gives no text.
//
// Input lines: the separators (one character picks a pair), the value (see
// fuzz_input.h), then the mask (every character mapped onto the four of a
// mask, new lines included).
#include "fuzz_input.h"
#include "numbers/format_number.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

using namespace retencion;

namespace {

// Point and comma both ways, a blank and no group separator, and
// separators of more than one byte.
const std::array<Separators, 6> kSeparators{
    {{".", ","}, {",", "."}, {",", " "}, {".", ""}, {"\u066b", "\u066c"}, {",", "\u00a0"}}};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What the rules of a mask allow, read from the mask's characters.
struct Allowed {
    bool point = false;       // a decimal separator is written
    bool grouping = false;    // a `,` between placeholders of the integer section
    bool forcedDigit = false; // a `0` in the integer section
    std::size_t integerPlaceholders = 0;
    std::size_t maxDecimals = 0;
    std::size_t minDecimals = 0; // up to the last `0` of the fraction section
};

Allowed allowed(std::string_view mask)
{
    Allowed a;
    const std::size_t point = mask.find('.');
    a.point = point != std::string_view::npos;
    const std::string_view integer = mask.substr(0, point);
    const std::size_t firstPlaceholder = integer.find_first_of("#0");
    const std::size_t lastPlaceholder = integer.find_last_of("#0");
    const std::size_t comma = integer.find(',', firstPlaceholder == std::string_view::npos ? 0 : firstPlaceholder);
    a.grouping =
        firstPlaceholder != std::string_view::npos && comma != std::string_view::npos && comma < lastPlaceholder;
    a.forcedDigit = integer.find('0') != std::string_view::npos;
    for (char c : integer)
        if (c == '#' || c == '0') ++a.integerPlaceholders;
    if (a.point) {
        std::size_t placeholders = 0;
        for (char c : mask.substr(point + 1)) {
            if (c != '#' && c != '0') continue;
            ++placeholders;
            if (c == '0') a.minDecimals = placeholders;
        }
        a.maxDecimals = placeholders;
    }
    return a;
}

std::string shapeFault(double value, std::string_view mask, const Separators& sep, const std::string& out)
{
    for (const char* bad : {"inf", "nan", "INF", "NAN"})
        if (out.find(bad) != std::string::npos) return "shows a non-finite number";
    if (!std::isfinite(value)) return out.empty() ? "" : "text for a value that is not finite";

    const Allowed a = allowed(mask);
    std::size_t pos = 0;
    const bool minus = out.starts_with('-');
    if (minus) {
        if (!std::signbit(value)) return "minus on a positive value";
        pos = 1;
    }
    std::string integer;
    std::vector<std::size_t> groups; // digits before each group separator
    std::size_t run = 0;
    while (pos < out.size()) {
        if (isDigit(out[pos])) {
            integer += out[pos++];
            ++run;
        } else if (!sep.group.empty() && out.compare(pos, sep.group.size(), sep.group) == 0) {
            if (!a.grouping) return "group separator under a mask without grouping";
            groups.push_back(run);
            run = 0;
            pos += sep.group.size();
        } else {
            break;
        }
    }
    if (a.grouping && !sep.group.empty()) {
        if (groups.size() != (integer.size() == 0 ? 0 : (integer.size() - 1) / 3)) return "wrong number of groups";
        if (!groups.empty()) {
            if (groups.front() < 1 || groups.front() > 3) return "first group of wrong length";
            for (std::size_t i = 1; i < groups.size(); ++i)
                if (groups[i] != 3) return "inner group of wrong length";
            if (run != 3) return "last group of wrong length";
        }
    }
    if (a.forcedDigit && integer.empty()) return "a `0` placeholder shows no digit";
    if (integer.size() > 1 && integer.front() == '0' && integer.size() > a.integerPlaceholders)
        return "a leading zero that no placeholder forces";

    std::string fraction;
    if (a.point) {
        if (out.compare(pos, sep.decimal.size(), sep.decimal) != 0) return "no decimal separator";
        pos += sep.decimal.size();
        while (pos < out.size() && isDigit(out[pos]))
            fraction += out[pos++];
        if (fraction.size() > a.maxDecimals) return "more decimals than placeholders";
        if (fraction.size() < a.minDecimals) return "fewer decimals than `0` placeholders";
        if (!fraction.empty() && fraction.size() > a.minDecimals && fraction.back() == '0')
            return "a trailing zero under a `#`";
    }
    if (pos != out.size()) return "stray characters";

    const bool allZero = (integer + fraction).find_first_not_of('0') == std::string::npos;
    if (minus && allZero) return "minus on a zero";
    // The shown value is the value rounded to the mask's decimals.
    const double shown = std::strtod((integer + "." + fraction + "0").c_str(), nullptr);
    const double magnitude = std::fabs(value);
    if (!allZero && std::signbit(value) != minus) return "sign lost";
    const double halfStep = a.maxDecimals > 320 ? 0 : 0.5 * std::pow(10.0, -static_cast<double>(a.maxDecimals));
    if (std::fabs(shown - magnitude) > halfStep * (1 + 1e-9) + magnitude * 1e-15 + 1e-300)
        return "shows " + out + " for " + std::to_string(value);
    return {};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::FuzzLines lines(data, size);
    const Separators& sep = kSeparators[lines.option(0, kSeparators.size())];
    const double value = lines.value();
    std::string mask;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    // The mask is the third line, and anything after it.
    for (int skip = 0; skip < 2 && !rest.empty(); ++skip) {
        const std::size_t end = rest.find('\n');
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    }
    for (unsigned char c : rest)
        mask += (c == '#' || c == '0' || c == '.' || c == ',') ? static_cast<char>(c) : "#0.,"[c % 4];

    const std::string out = FormatNumber(value, mask, sep);
    fuzz::require(shapeFault(value, mask, sep, out), ("mask \"" + mask + "\"").c_str());
    return 0;
}
