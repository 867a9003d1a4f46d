#pragma once
// Conversion between code page 932 (Shift-JIS as Windows writes it) and UTF-16.
//
// Reading never fails: a byte that does not start a valid character becomes
// "・" (U+30FB) and decoding goes on with the next byte. Writing writes a
// character that code page 932 cannot hold as "?"; callers that must not lose
// one ask for the first such character and refuse to write.

#include <string>
#include <string_view>

namespace vormak {

std::u16string decodeCp932(std::string_view bytes);
std::string encodeCp932(std::u16string_view text, std::u16string* unencodable = nullptr);

} // namespace vormak
