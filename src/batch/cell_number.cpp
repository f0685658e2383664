#include "batch/cell_number.h"

#include <array>
#include <charconv>
#include <cstdlib>

namespace retencion::batch {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::optional<double> readCellNumber(std::string_view text, bool commaIsDecimal)
{
    text = trimBlanks(text);
    // Room for any number a person types; a longer cell is no number anyone meant.
    std::array<char, 128> number{};
    if (text.empty() || text.size() >= number.size()) return std::nullopt;

    std::size_t n = 0;
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    bool digits = false;
    bool separator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            digits = true;
            number[n++] = c;
        } else if ((c == '.' || (c == ',' && commaIsDecimal)) && !separator) {
            separator = true;
            number[n++] = '.';
        } else {
            break;
        }
    }
    if (!digits) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        number[n++] = 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) number[n++] = text[i++];
        const std::size_t first = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            number[n++] = text[i];
        if (i == first) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + n, value);
    if (ec == std::errc::result_out_of_range) {
        // Overflow to an infinity, underflow to zero, as strtod decides.
        value = std::strtod(number.data(), nullptr);
    } else if (ec != std::errc() || end != number.data() + n) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace retencion::batch
