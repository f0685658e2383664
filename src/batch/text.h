#pragma once
// The text of a calculation file: its encoding, and names compared as a
// person reads them. A Spanish spreadsheet on Windows saves its CSV in
// Windows-1252, elsewhere in UTF-8; the program reads both and works in
// UTF-8.

#include <string>
#include <string_view>

namespace retencion::batch {

bool isAscii(std::string_view text);
bool isUtf8(std::string_view text);

// Every byte has a character: the five bytes Windows-1252 leaves undefined
// become the control characters of the same number, so that the text
// converts back to the very same bytes.
std::string windows1252ToUtf8(std::string_view text);
// The characters Windows-1252 lacks are written as near as it allows
// ("≤" as "<=", "−" as "-"), or as "?".
std::string utf8ToWindows1252(std::string_view text);

// Whether two names (of columns, cases, outlets) are the same to a reader:
// case, accents and blanks at either end ignored ("Cálculo" = "calculo").
bool sameName(std::string_view a, std::string_view b);

// An ASCII letter in upper or lower case; any other character as it is.
constexpr char upperAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
constexpr char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Blanks (spaces and tabs) at both ends removed.
std::string_view trimBlanks(std::string_view text);

} // namespace retencion::batch
