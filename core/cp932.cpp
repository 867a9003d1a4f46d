#include "core/cp932.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <stdexcept>
#include <vector>

namespace vormak {

namespace {

constexpr char16_t kUndecodable = u'\u30FB';

// One iconv descriptor per direction and thread, opened on first use. The name
// "CP932" matters: "SHIFT_JIS" maps 5C and 7E to the yen sign and overline.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        // (iconv_t)-1 is how iconv_open reports failure.
        if (cd_ == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
            throw std::runtime_error("iconv cannot convert code page 932 on this system");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at an unconvertible or
    // incomplete sequence, with `in` pointing at it.
    bool convert(const char*& in, size_t& inLeft, char*& out, size_t& outLeft) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in);
        size_t rc = iconv(cd_, &src, &inLeft, &out, &outLeft);
        in = src;
        return rc != static_cast<size_t>(-1) || errno == E2BIG;
    }

private:
    iconv_t cd_;
};

Converter& decoder() {
    thread_local Converter c("UTF-16LE", "CP932");
    return c;
}

Converter& encoder() {
    thread_local Converter c("CP932", "UTF-16LE");
    return c;
}

// Every character code page 932 can hold, looked up by its bytes. Built once
// through iconv, so that the mapping is iconv's, and then read without it:
// converting a record's fields one by one through iconv costs more than the
// whole rest of reading them.
struct DecodeTable {
    std::array<char16_t, 256> single{}; // 0: the byte is no character by itself
    std::vector<char16_t> pair{};       // [lead << 8 | trail], 0: no character
};

const DecodeTable& decodeTable() {
    static const DecodeTable table = [] {
        DecodeTable t;
        t.pair.assign(0x10000, 0);
        // Decodes exactly these bytes into exactly one character, or gives 0.
        auto one = [](const char* bytes, size_t size) -> char16_t {
            const char* in = bytes;
            size_t inLeft = size;
            char16_t out[2] = {};
            char* outp = reinterpret_cast<char*>(out);
            size_t outLeft = sizeof(out);
            bool ok = decoder().convert(in, inLeft, outp, outLeft);
            return ok && inLeft == 0 && outLeft == sizeof(char16_t) ? out[0] : 0;
        };
        for (int b = 0x80; b <= 0xFF; ++b) {
            const char lead = static_cast<char>(b);
            t.single[b] = one(&lead, 1);
            if (t.single[b] != 0)
                continue;
            for (int trail = 0; trail <= 0xFF; ++trail) {
                const char two[2] = {lead, static_cast<char>(trail)};
                t.pair[b << 8 | trail] = one(two, 2);
            }
        }
        return t;
    }();
    return table;
}

} // namespace

std::u16string decodeCp932(std::string_view bytes) {
    std::u16string out;
    appendCp932(bytes, true, out);
    return out;
}

Cp932Block appendCp932(std::string_view bytes, bool last, std::u16string& out) {
    const DecodeTable& table = decodeTable();
    // Never more characters than bytes: written in place, then cut to size.
    const size_t start = out.size();
    out.resize(start + bytes.size());
    size_t o = start;
    Cp932Block block;
    const size_t size = bytes.size();
    size_t i = 0;
    while (i < size) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        char16_t c = b < 0x80 ? b : table.single[b];
        size_t used = 1;
        if (b >= 0x80 && c == 0) {
            if (i + 1 == size && !last)
                break;
            const char16_t pair =
                i + 1 < size ? table.pair[b << 8 | static_cast<unsigned char>(bytes[i + 1])] : 0;
            c = pair != 0 ? pair : kUndecodable;
            used = pair != 0 ? 2 : 1;
            block.undecodable += pair != 0 ? 0 : 1;
        }
        i += used;
        out[o++] = c;
    }
    out.resize(o);
    block.used = i;
    return block;
}

std::string encodeCp932(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    size_t i = 0;
    while (i < text.size()) {
        if (text[i] < 0x80) {
            out.push_back(static_cast<char>(text[i++]));
            continue;
        }
        size_t end = i;
        while (end < text.size() && text[end] >= 0x80)
            ++end;
        const char* in = reinterpret_cast<const char*>(text.data() + i);
        size_t inLeft = (end - i) * sizeof(char16_t);
        std::string chunk((end - i) * 2, '\0');
        char* outp = chunk.data();
        size_t outLeft = chunk.size();
        bool ok = encoder().convert(in, inLeft, outp, outLeft);
        chunk.resize(chunk.size() - outLeft);
        out += chunk;
        i = static_cast<size_t>(reinterpret_cast<const char16_t*>(in) - text.data());
        if (!ok) {
            out.push_back('?');
            // A surrogate pair stands for one character.
            bool pair = text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() &&
                        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
            i += pair ? 2 : 1;
        }
    }
    return out;
}

} // namespace vormak
