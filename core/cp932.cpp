#include "core/cp932.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

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

} // namespace

std::u16string decodeCp932(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        // ASCII is the same in both and by far the most common: copy it directly.
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            out.push_back(static_cast<char16_t>(bytes[i++]));
            continue;
        }
        size_t end = i;
        while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80)
            ++end;
        // A double-byte character may have an ASCII-range trail byte.
        if (end < bytes.size())
            ++end;
        const char* in = bytes.data() + i;
        size_t inLeft = end - i;
        std::u16string chunk(inLeft, u'\0');
        char* outp = reinterpret_cast<char*>(chunk.data());
        size_t outLeft = chunk.size() * sizeof(char16_t);
        bool ok = decoder().convert(in, inLeft, outp, outLeft);
        chunk.resize(chunk.size() - outLeft / sizeof(char16_t));
        out += chunk;
        i = static_cast<size_t>(in - bytes.data());
        if (!ok) {
            out.push_back(kUndecodable);
            ++i;
        }
    }
    return out;
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
