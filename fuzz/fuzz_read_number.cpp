// Reading any text: never a NaN, the same value from 8-bit and 16-bit text,
// and the shortest text of any double reads back as that very double.
#include "fuzz_input.h"
#include "numbers/read_number.h"

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

using namespace retencion;
using fuzz::require;

namespace {

bool same(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

// The text of `value` that to_chars writes in `format` reads back exactly.
const Separators kPoint{".", ","};
const Separators kComma{",", "."};

void readsBack(double value, std::chars_format format)
{
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format).ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    for (const Separators* s : {&kPoint, &kComma})
        require(same(ReadNumber(text, *s), value) ? "" : "reads back as " + std::to_string(ReadNumber(text, *s)),
                std::string(text).c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::u16string wide;
    for (unsigned char c : text)
        wide += static_cast<char16_t>(c);
    // The same bytes as 16-bit code units, lone surrogates and all.
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * sizeof(char16_t));

    for (const Separators* s : {&kPoint, &kComma}) {
        const double narrow = ReadNumber(text, *s);
        require(std::isnan(narrow) ? "NaN read" : "", "8-bit text");
        require(same(ReadNumber(wide, *s), narrow) ? "" : "16-bit text reads otherwise", "widened text");
        require(same(ReadMinutesAsSeconds(text, *s), narrow * 60.0) ? "" : "minutes are not 60 s", "8-bit minutes");
        require(same(ReadMinutesAsSeconds(wide, *s), narrow * 60.0) ? "" : "minutes are not 60 s", "16-bit minutes");
        require(std::isnan(ReadNumber(units, *s)) ? "NaN read" : "", "16-bit code units");
    }
    // A text without a comma reads the same under either separator.
    if (text.find(',') == std::string_view::npos)
        require(same(ReadNumber(text, kPoint), ReadNumber(text, kComma)) ? "" : "a comma setting changed a point text",
                "text without a comma");

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            readsBack(value, std::chars_format::general);
            readsBack(value, std::chars_format::scientific);
            readsBack(value, std::chars_format::fixed);
        }
    }
    return 0;
}
