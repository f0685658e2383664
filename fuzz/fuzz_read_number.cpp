// Reading any text whole: never a NaN, a value only from a number and 0
// otherwise, the same outcome from 8-bit and 16-bit text, a text with
// blanks added around it read alike, and the shortest text of any double
// reads back as that very double.
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

bool same(const FieldNumber& a, const FieldNumber& b)
{
    return a.text == b.text && same(a.value, b.value);
}

// The text of `value` that to_chars writes in `format` reads back exactly.
const Separators kPoint{".", ","};
const Separators kComma{",", "."};

void readsBack(double value, std::chars_format format)
{
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format).ptr;
    const std::string_view text(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    for (const Separators* s : {&kPoint, &kComma}) {
        const FieldNumber n = ReadField(text, *s);
        require(n.text == FieldText::Number && same(n.value, value) ? "" : "reads back as " + std::to_string(n.value),
                std::string(text).c_str());
    }
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
        const FieldNumber narrow = ReadField(text, *s);
        require(std::isnan(narrow.value) ? "NaN read" : "", "8-bit text");
        require(narrow.text == FieldText::Number || narrow.value == 0 ? "" : "a value from no number", "8-bit text");
        require(same(ReadField(wide, *s), narrow) ? "" : "16-bit text reads otherwise", "widened text");
        const FieldNumber minutes = ReadFieldMinutes(text, *s);
        require(minutes.text == narrow.text && same(minutes.value, narrow.value * 60.0) ? "" : "minutes are not 60 s",
                "8-bit minutes");
        require(same(ReadFieldMinutes(wide, *s), minutes) ? "" : "minutes are not 60 s", "16-bit minutes");
        require(std::isnan(ReadField(units, *s).value) ? "NaN read" : "", "16-bit code units");
        // Blanks around a text change nothing.
        require(same(ReadField(" " + std::string(text) + "\t", *s), narrow) ? "" : "blanks around change it",
                "text between blanks");
    }
    // A text without a comma reads the same under either separator.
    if (text.find(',') == std::string_view::npos)
        require(same(ReadField(text, kPoint), ReadField(text, kComma)) ? "" : "a comma setting changed a point text",
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
