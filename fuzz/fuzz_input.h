#pragma once
// The fuzz inputs of the engine targets are text, one value a line, as a
// user fills a form: the first line picks the options (one character per
// option group), every further line is one value. A value line is read as a
// field is read, except that `nan`, `inf`, `-inf` and `#` followed by the 16
// hexadecimal digits of a double's bits give any double at all, which no
// field can hold.

#include "numbers/read_number.h"

#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

namespace retencion::fuzz {

class FuzzLines {
public:
    FuzzLines(const std::uint8_t* data, std::size_t size)
        : m_text(reinterpret_cast<const char*>(data), size), m_options(nextLine())
    {
    }

    // The choice of option group `i` among `count` options; 0 when the line
    // is too short.
    unsigned option(std::size_t i, unsigned count) const
    {
        return i < m_options.size() ? static_cast<unsigned char>(m_options[i]) % count : 0;
    }

    // The next value; 0 once the lines run out, as an empty field reads.
    double value() { return decode(nextLine()); }

    static double decode(std::string_view line)
    {
        const bool negative = !line.empty() && line.front() == '-';
        const std::string_view word = negative ? line.substr(1) : line;
        if (word.starts_with("nan")) {
            const double nan = std::numeric_limits<double>::quiet_NaN();
            return negative ? -nan : nan;
        }
        if (word.starts_with("inf")) {
            const double inf = std::numeric_limits<double>::infinity();
            return negative ? -inf : inf;
        }
        if (line.starts_with("#")) {
            std::uint64_t bits = 0;
            std::from_chars(line.data() + 1, line.data() + line.size(), bits, 16);
            return std::bit_cast<double>(bits);
        }
        return ReadField(line, Separators{}).value;
    }

private:
    std::string_view nextLine()
    {
        const std::size_t end = m_text.find('\n');
        const std::string_view line = m_text.substr(0, end);
        m_text = end == std::string_view::npos ? std::string_view{} : m_text.substr(end + 1);
        return line;
    }

    std::string_view m_text;
    std::string_view m_options;
};

// A broken promise is a finding: say which, and stop the fuzzer on it.
inline void require(const std::string& fault, const char* what)
{
    if (fault.empty()) return;
    std::fprintf(stderr, "%s: %s\n", what, fault.c_str());
    std::abort();
}

} // namespace retencion::fuzz
