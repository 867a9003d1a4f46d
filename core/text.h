#pragma once
// Text helpers shared by every part of the engine. Texts are UTF-16, a
// character is one code unit, positions count from 1 where the program's own
// procedures say so, and every comparison is ordinal (code unit by code unit).

#include <cstdint>
#include <string>
#include <string_view>

namespace vormak {

using Text = std::u16string;

// The number a text begins with: blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits, an optional decimal
// point with digits and an optional exponent (E or D), or "&H"/"&O" with
// hexadecimal/octal digits. Reading stops at the first character that cannot
// continue the number; a text that does not begin with a number is 0.
// Never fails.
double numericValue(std::u16string_view text);

// A value used as a 16-bit whole number: rounded to the nearest whole number,
// halves to the even neighbour, clamped to -32768..32767 (NaN gives 0).
std::int16_t toInt16(double value);

// numericValue followed by toInt16.
inline std::int16_t wholeNumber(std::u16string_view text) {
    return toInt16(numericValue(text));
}

// True when the text is a whole number from low to high, judged on the value
// before any rounding (so 2.5 is not a whole number).
bool isWholeNumberIn(std::u16string_view text, int low, int high);

// Removes leading and trailing blanks U+0020 and full-width blanks U+3000.
std::u16string_view trimmedView(std::u16string_view text);
inline Text trimmed(std::u16string_view text) {
    return Text(trimmedView(text));
}

// One character, as one code unit or a surrogate pair.
Text textOf(char32_t character);

// Decimal digits of a whole number, no blanks ("12", "-3").
Text decimal(long value);

// Path conversion between window texts (UTF-16) and file-system names (UTF-8).
std::string toUtf8(std::u16string_view text);
Text fromUtf8(std::string_view bytes);

} // namespace vormak
