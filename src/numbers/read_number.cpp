#include "numbers/read_number.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace retencion {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

FieldNumber number(double value)
{
    return {FieldText::Number, value};
}
FieldNumber notANumber()
{
    return {FieldText::NotANumber, 0};
}

template <typename Char> bool isBlank(Char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

template <typename Char> int digitValue(Char c, int base)
{
    int v = -1;
    if (c >= '0' && c <= '9')
        v = static_cast<int>(c - '0');
    else if (c >= 'a' && c <= 'f')
        v = static_cast<int>(c - 'a') + 10;
    else if (c >= 'A' && c <= 'F')
        v = static_cast<int>(c - 'A') + 10;
    return v < base ? v : -1;
}

// Walks the text, skipping blanks wherever they stand.
template <typename Char> class Cursor {
public:
    explicit Cursor(std::basic_string_view<Char> text) : m_text(text) {}

    Char peek()
    {
        skipBlanks();
        return m_pos < m_text.size() ? m_text[m_pos] : Char{0};
    }
    void next() { ++m_pos; }
    // Nothing but blanks left.
    bool atEnd()
    {
        skipBlanks();
        return m_pos >= m_text.size();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    std::basic_string_view<Char> m_text;
    std::size_t m_pos = 0;
};

// `&H` and `&O` integers: up to 4 hexadecimal (6 octal) digits are a 16-bit
// two's-complement integer, up to 8 (11) a 32-bit one; more is an overflow.
template <typename Char> FieldNumber readRadix(Cursor<Char>& cur, int base)
{
    const int digits16 = base == 16 ? 4 : 6;
    const int digits32 = base == 16 ? 8 : 11;
    std::uint64_t value = 0;
    int digits = 0;
    bool overflow = false;
    for (int d; (d = digitValue(cur.peek(), base)) >= 0; cur.next()) {
        if (++digits > digits32) overflow = true;
        if (!overflow) value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
    }
    if (digits == 0 || !cur.atEnd()) return notANumber();
    if (overflow) return number(kInfinity);
    if (digits <= digits16 && value <= 0xFFFF)
        return number(static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
    if (value <= 0xFFFFFFFF) return number(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
    return number(kInfinity);
}

// An exponent "e-3", "E+12" at the cursor, if one starts there, into
// `exponent` (held short of overflowing); false for an "e" with no digits
// after it, a power of ten left unwritten.
template <typename Char> bool readExponent(Cursor<Char>& cur, long long& exponent)
{
    if (cur.peek() != 'E' && cur.peek() != 'e') return true;
    cur.next();
    bool negativeExponent = false;
    if (cur.peek() == '+' || cur.peek() == '-') {
        negativeExponent = cur.peek() == '-';
        cur.next();
    }
    bool exponentDigit = false;
    for (; cur.peek() >= '0' && cur.peek() <= '9'; cur.next()) {
        exponentDigit = true;
        if (exponent < 100000) exponent = exponent * 10 + (cur.peek() - '0');
    }
    if (negativeExponent) exponent = -exponent;
    return exponentDigit;
}

// The double nearest to the decimal `text` ("12.5e3"), whose leading
// significant digit stands at the power of ten `leading`: beyond what a
// double holds, infinity above and zero below.
double nearestDouble(const std::string& text, long long leading)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) value = leading > 0 ? kInfinity : 0.0;
    return value;
}

template <typename Char> FieldNumber read(std::basic_string_view<Char> text, bool decimalComma)
{
    Cursor<Char> cur(text);
    if (cur.atEnd()) return {};
    if (cur.peek() == '&') {
        cur.next();
        const Char kind = cur.peek();
        if (kind == 'H' || kind == 'h') return cur.next(), readRadix(cur, 16);
        if (kind == 'O' || kind == 'o') return cur.next(), readRadix(cur, 8);
        return notANumber();
    }

    // Gather the recognised characters without blanks, then convert them in
    // one go, so that the value is the double nearest to the decimal read.
    std::string gathered;
    bool negative = false;
    if (cur.peek() == '+' || cur.peek() == '-') {
        negative = cur.peek() == '-';
        cur.next();
    }
    long long magnitude = 0; // decimal exponent of the leading significant digit, for overflow
    bool seenSignificant = false;
    int fractionZeros = 0;
    bool anyDigit = false;
    for (; cur.peek() >= '0' && cur.peek() <= '9'; cur.next()) {
        const char c = static_cast<char>(cur.peek());
        gathered += c;
        anyDigit = true;
        if (c != '0') seenSignificant = true;
        if (seenSignificant) ++magnitude;
    }
    if (cur.peek() == '.' || (decimalComma && cur.peek() == ',')) {
        cur.next();
        gathered += '.';
        for (; cur.peek() >= '0' && cur.peek() <= '9'; cur.next()) {
            const char c = static_cast<char>(cur.peek());
            gathered += c;
            anyDigit = true;
            if (!seenSignificant) {
                if (c == '0')
                    ++fractionZeros;
                else
                    seenSignificant = true;
            }
        }
    }
    if (!anyDigit) return notANumber();
    long long exponent = 0;
    if (!readExponent(cur, exponent)) return notANumber();
    if (!cur.atEnd()) return notANumber();
    if (!seenSignificant) return number(negative ? -0.0 : 0.0);
    gathered += 'e';
    gathered += std::to_string(exponent);

    // Too large overflows to infinity; too small underflows to zero.
    const long long leading = magnitude > 0 ? magnitude - 1 + exponent : -fractionZeros - 1 + exponent;
    const double value = nearestDouble(gathered, leading);
    return number(negative ? -value : value);
}

FieldNumber inSeconds(FieldNumber minutes)
{
    minutes.value *= 60.0;
    return minutes;
}

} // namespace

FieldNumber ReadField(std::u16string_view text, const Separators& separators)
{
    return read(text, separators.decimalComma());
}
FieldNumber ReadField(std::string_view text, const Separators& separators)
{
    return read(text, separators.decimalComma());
}
FieldNumber ReadFieldMinutes(std::u16string_view text, const Separators& separators)
{
    return inSeconds(ReadField(text, separators));
}
FieldNumber ReadFieldMinutes(std::string_view text, const Separators& separators)
{
    return inSeconds(ReadField(text, separators));
}

} // namespace retencion
