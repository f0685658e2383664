#include "numbers/format_number.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace retencion {
namespace {

bool isPlaceholder(char c)
{
    return c == '#' || c == '0';
}

struct Mask {
    std::size_t minIntegerDigits = 0; // placeholders from the first `0` to the end of the integer section
    bool grouping = false;            // a `,` between placeholders of the integer section
    bool decimalPoint = false;
    std::size_t maxDecimals = 0;
    std::size_t minDecimals = 0; // placeholders up to the last `0` of the fraction section
};

Mask parse(std::string_view mask)
{
    Mask m;
    const std::size_t point = mask.find('.');
    const std::string_view integer = mask.substr(0, point);
    m.decimalPoint = point != std::string_view::npos;
    std::size_t placeholders = 0;
    bool sawZero = false;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        const char c = integer[i];
        if (isPlaceholder(c)) {
            ++placeholders;
            sawZero = sawZero || c == '0';
            if (sawZero) ++m.minIntegerDigits;
        } else if (c == ',' && placeholders > 0 && integer.find_first_of("#0", i) != std::string_view::npos) {
            m.grouping = true;
        }
    }
    if (m.decimalPoint) {
        for (const char c : mask.substr(point + 1)) {
            if (!isPlaceholder(c)) continue;
            ++m.maxDecimals;
            if (c == '0') m.minDecimals = m.maxDecimals;
        }
    }
    return m;
}

// Rounds the decimal digits `integer`.`fraction` to `decimals` places, half
// away from zero (the magnitude is rounded; the sign is kept apart).
void roundDigits(std::string& integer, std::string& fraction, std::size_t decimals)
{
    if (fraction.size() <= decimals) return;
    const bool up = fraction[decimals] >= '5';
    fraction.resize(decimals);
    if (!up) return;
    std::string digits = integer + fraction;
    std::size_t i = digits.size();
    while (i > 0) {
        --i;
        if (digits[i] != '9') {
            ++digits[i];
            break;
        }
        digits[i] = '0';
        if (i == 0) digits.insert(digits.begin(), '1');
    }
    integer = digits.substr(0, digits.size() - decimals);
    fraction = digits.substr(digits.size() - decimals);
}

} // namespace

std::string FormatNumber(double value, std::string_view maskText, const Separators& separators)
{
    if (!std::isfinite(value)) return {};
    const Mask mask = parse(maskText);

    // The shortest decimal text that reads back as the same double; a double
    // reaches at most 309 integer digits and 1074 fraction digits.
    std::array<char, 1100> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::fixed);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    std::string integer(text.substr(0, point));
    std::string fraction(point == std::string_view::npos ? std::string_view{} : text.substr(point + 1));

    roundDigits(integer, fraction, mask.maxDecimals);
    while (fraction.size() > mask.minDecimals && fraction.back() == '0')
        fraction.pop_back();
    if (fraction.size() < mask.minDecimals) fraction.append(mask.minDecimals - fraction.size(), '0');
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer.erase(0, firstNonZero == std::string::npos ? integer.size() : firstNonZero);
    const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    if (integer.size() < mask.minIntegerDigits) integer.insert(0, mask.minIntegerDigits - integer.size(), '0');

    std::string out;
    if (std::signbit(value) && !zero) out += '-';
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (mask.grouping && i > 0 && (integer.size() - i) % 3 == 0) out += separators.group;
        out += integer[i];
    }
    if (mask.decimalPoint) out += separators.decimal;
    out += fraction;
    return out;
}

std::string FormatDecimal(double value, int maxDecimals, const Separators& separators)
{
    std::string mask = "0";
    if (maxDecimals > 0) mask += "." + std::string(static_cast<std::size_t>(maxDecimals), '#');
    std::string text = FormatNumber(value, mask, Separators{separators.decimal, ""});
    const std::string& d = separators.decimal;
    if (text.size() >= d.size() && text.compare(text.size() - d.size(), std::string::npos, d) == 0)
        text.resize(text.size() - d.size());
    return text;
}

std::string FormatSignificant(double value, int significant, const Separators& separators)
{
    if (value == 0 || !std::isfinite(value)) return FormatDecimal(value, 0, separators);
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    if (magnitude >= 15 || magnitude < -6) {
        // Too many digits to read in full: d,ddd·10^n.
        std::array<char, 64> buffer{};
        const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                       std::chars_format::scientific, std::max(significant - 1, 0))
                             .ptr;
        std::string text(buffer.data(), end);
        const std::size_t e = text.find('e');
        std::string mantissa = text.substr(0, e);
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0')
                mantissa.pop_back();
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        const std::size_t point = mantissa.find('.');
        if (point != std::string::npos) mantissa.replace(point, 1, separators.decimal);
        return mantissa + "·10^" + std::to_string(std::stoi(text.substr(e + 1)));
    }
    return FormatDecimal(value, std::clamp(significant - 1 - magnitude, 0, 12), separators);
}

} // namespace retencion
