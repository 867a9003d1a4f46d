#pragma once
// Conversion between code page 932 (Shift-JIS as Windows writes it) and UTF-16.
//
// Reading never fails: a byte that does not start a valid character becomes
// "・" (U+30FB) and decoding goes on with the next byte. Writing writes a
// character that code page 932 cannot hold as "?"; what must not lose one
// writes through encodeText, which names it instead.

#include <string>
#include <string_view>

namespace vormak {

std::u16string decodeCp932(std::string_view bytes);

// Decodes as decodeCp932 does, block by block: appends the characters to
// `out`. Unless `last`, a final byte that may begin a double-byte character is
// left undecoded, for its trail byte may come with the next block.
struct Cp932Block {
    size_t used = 0;        // bytes decoded
    size_t undecodable = 0; // of them, bytes that became "・"
};
Cp932Block appendCp932(std::string_view bytes, bool last, std::u16string& out);
std::string encodeCp932(std::u16string_view text);

} // namespace vormak
