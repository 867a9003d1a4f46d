// Decoding files to UTF-16 block by block, and encoding texts for output.
#include "core/cp932.h"
#include "core/text_encoding.h"

#include <cerrno>
#include <iconv.h>
#include <stdexcept>

namespace vormak {

namespace detail {

// One iconv descriptor; glibc has EUC-JP-MS, which neither code page 932 nor
// UTF-8 needs.
class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        // (iconv_t)-1 is how iconv_open reports failure.
        if (cd_ == reinterpret_cast<iconv_t>(-1)) // NOLINT(performance-no-int-to-ptr)
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts what it can; 0 when all of the input was converted, else errno
    // (EILSEQ, EINVAL for a cut character, E2BIG) with `in` at the stop.
    int convert(const char*& in, size_t& inLeft, char*& out, size_t& outLeft) {
        char* src = const_cast<char*>(in);
        const size_t rc = iconv(cd_, &src, &inLeft, &out, &outLeft);
        in = src;
        return rc == static_cast<size_t>(-1) ? errno : 0;
    }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t cd_;
};

} // namespace detail

namespace {

constexpr const char* kEucJpName = "EUC-JP-MS";

bool isHigh(char32_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool isLow(char32_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

TextDecoder::TextDecoder(Encoding encoding) : encoding_(encoding) {
    if (encoding == Encoding::EucJp)
        iconv_ = std::make_unique<detail::Iconv>("UTF-16LE", kEucJpName);
}

TextDecoder::~TextDecoder() = default;

void TextDecoder::decode(std::string_view block, Text& out) {
    run(block, false, out);
}

void TextDecoder::finish(Text& out) {
    run({}, true, out);
    pending_.clear();
    highSurrogate_ = 0;
    atStart_ = true;
}

void TextDecoder::run(std::string_view block, bool last, Text& out) {
    std::string joined;
    if (!pending_.empty()) {
        joined = std::move(pending_);
        joined.append(block);
        block = joined;
        pending_.clear();
    }
    switch (encoding_) {
    case Encoding::ShiftJis: {
        const Cp932Block done = appendCp932(block, last, out);
        undecodable_ += done.undecodable;
        pending_.assign(block.substr(done.used));
        break;
    }
    case Encoding::EucJp:
        decodeEucJp(block, last, out);
        break;
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
        decodeUtf8(block, last, out);
        break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        decodeUtf16(block, last, out);
        break;
    }
}

void TextDecoder::append(char16_t c, Text& out) {
    if (atStart_) {
        atStart_ = false;
        if (c == u'\uFEFF' && !byteOrderMark(encoding_).empty())
            return;
    }
    out.push_back(c);
}

void TextDecoder::decodeUtf8(std::string_view bytes, bool last, Text& out) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            append(b, out);
            ++i;
            continue;
        }
        const size_t extra = (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : 0;
        char32_t c = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        size_t k = 1;
        while (k <= extra && i + k < bytes.size() &&
               (static_cast<unsigned char>(bytes[i + k]) & 0xC0) == 0x80)
            c = c << 6 | (static_cast<unsigned char>(bytes[i + k++]) & 0x3F);
        if (extra > 0 && k <= extra && i + k == bytes.size() && !last) {
            pending_.assign(bytes.substr(i)); // the rest of the character comes next
            return;
        }
        // The shortest form only: an overlong form could smuggle in a
        // character (a quote, a delimiter) that the bytes do not show.
        static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (extra == 0 || k <= extra || c < kSmallest[extra] || c > 0x10FFFF || isHigh(c) ||
            isLow(c)) {
            append(kUndecodable, out);
            ++undecodable_;
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            append(static_cast<char16_t>(0xD800 + (c >> 10)), out);
            append(static_cast<char16_t>(0xDC00 + (c & 0x3FF)), out);
        } else {
            append(static_cast<char16_t>(c), out);
        }
        i += extra + 1;
    }
}

void TextDecoder::decodeUtf16(std::string_view bytes, bool last, Text& out) {
    const bool bigEndian = encoding_ == Encoding::Utf16Be;
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        const auto unit = static_cast<char16_t>(bigEndian ? b0 << 8 | b1 : b1 << 8 | b0);
        if (highSurrogate_ != 0 && isLow(unit)) {
            append(highSurrogate_, out);
            append(unit, out);
            highSurrogate_ = 0;
            continue;
        }
        if (highSurrogate_ != 0) {
            append(kUndecodable, out);
            ++undecodable_;
            highSurrogate_ = 0;
        }
        if (isHigh(unit)) {
            highSurrogate_ = unit;
        } else if (isLow(unit)) {
            append(kUndecodable, out);
            ++undecodable_;
        } else {
            append(unit, out);
        }
    }
    if (!last) {
        pending_.assign(bytes.substr(i));
        return;
    }
    // An odd byte at the end, or a high surrogate without its low half.
    const int cut = (i < bytes.size() ? 1 : 0) + (highSurrogate_ != 0 ? 1 : 0);
    for (int k = 0; k < cut; ++k) {
        append(kUndecodable, out);
        ++undecodable_;
    }
    highSurrogate_ = 0;
}

void TextDecoder::decodeEucJp(std::string_view bytes, bool last, Text& out) {
    iconv_->reset();
    const char* in = bytes.data();
    size_t inLeft = bytes.size();
    // No EUC-JP character gives more than one UTF-16 code unit: the block's
    // room is made once, not again after every byte that cannot be read.
    const size_t start = out.size();
    out.resize(start + inLeft);
    size_t used = start;
    while (inLeft > 0) {
        char* o = reinterpret_cast<char*>(out.data() + used);
        size_t outLeft = (out.size() - used) * sizeof(char16_t);
        const size_t room = outLeft;
        const int error = iconv_->convert(in, inLeft, o, outLeft);
        used += (room - outLeft) / sizeof(char16_t);
        if (error == E2BIG)
            out.resize(out.size() + inLeft + 1);
        if (error == 0 || error == E2BIG)
            continue;
        if (error == EINVAL && !last) {
            pending_.assign(in, inLeft);
            break;
        }
        out[used++] = kUndecodable;
        ++undecodable_;
        ++in;
        --inLeft;
        iconv_->reset();
    }
    out.resize(used);
}

Text decodeText(std::string_view bytes, Encoding encoding) {
    TextDecoder decoder(encoding);
    Text text;
    decoder.decode(bytes, text);
    decoder.finish(text);
    return text;
}

namespace {

// The characters a legacy encoding holds are those that come back unchanged
// from writing and reading; `write` replaces what it cannot hold.
template <typename Write, typename Read>
EncodedText encodeLegacy(std::u16string_view text, Write write, Read read) {
    EncodedText encoded{write(text), std::nullopt};
    if (read(encoded.bytes) == text)
        return encoded;
    for (size_t i = 0; i < text.size();) {
        const size_t length = isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]) ? 2 : 1;
        const std::u16string_view one = text.substr(i, length);
        if (read(write(one)) != one) {
            encoded.unencodable =
                length == 2 ? 0x10000 + ((one[0] - 0xD800) << 10) + (one[1] - 0xDC00) : one[0];
            encoded.bytes.clear();
            return encoded;
        }
        i += length;
    }
    // Only for an encoding with shift states could the whole fail and no
    // single character; neither of these has them.
    return encoded;
}

std::string encodeEucJp(std::u16string_view text) {
    thread_local detail::Iconv encoder(kEucJpName, "UTF-16LE");
    std::string out;
    const char* in = reinterpret_cast<const char*>(text.data());
    size_t inLeft = text.size() * sizeof(char16_t);
    while (inLeft > 0) {
        const size_t start = out.size();
        out.resize(start + inLeft * 2);
        char* o = out.data() + start;
        size_t outLeft = inLeft * 2;
        encoder.reset();
        const int error = encoder.convert(in, inLeft, o, outLeft);
        out.resize(out.size() - outLeft);
        if (error != 0 && error != E2BIG) {
            out.push_back('?');
            in += sizeof(char16_t);
            inLeft -= std::min(inLeft, sizeof(char16_t));
        }
    }
    return out;
}

std::optional<char32_t> loneSurrogate(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (isHigh(text[i]) && i + 1 < text.size() && isLow(text[i + 1]))
            ++i;
        else if (isHigh(text[i]) || isLow(text[i]))
            return text[i];
    }
    return std::nullopt;
}

} // namespace

EncodedText encodeText(std::u16string_view text, Encoding encoding) {
    switch (encoding) {
    case Encoding::ShiftJis:
        return encodeLegacy(
            text, [](std::u16string_view t) { return encodeCp932(t); }, decodeCp932);
    case Encoding::EucJp:
        return encodeLegacy(text, encodeEucJp, [](std::string_view bytes) {
            return decodeText(bytes, Encoding::EucJp);
        });
    default:
        break;
    }
    EncodedText encoded;
    encoded.unencodable = loneSurrogate(text);
    if (encoded.unencodable)
        return encoded;
    if (encoding == Encoding::Utf8 || encoding == Encoding::Utf8Bom) {
        encoded.bytes = toUtf8(text);
        return encoded;
    }
    const bool bigEndian = encoding == Encoding::Utf16Be;
    encoded.bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        const auto high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        encoded.bytes.push_back(bigEndian ? high : low);
        encoded.bytes.push_back(bigEndian ? low : high);
    }
    return encoded;
}

} // namespace vormak
