#include "core/text.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace vormak {

namespace {

bool isSkipped(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n';
}

int digitValue(char16_t c, int base) {
    int v = -1;
    if (c >= u'0' && c <= u'9')
        v = c - u'0';
    else if (c >= u'A' && c <= u'F')
        v = c - u'A' + 10;
    else if (c >= u'a' && c <= u'f')
        v = c - u'a' + 10;
    return v < base ? v : -1;
}

// "&H1F" / "&O17". Up to four digits read as a signed 16-bit number and up to
// eight as a signed 32-bit number, the way a program of this family has always
// read them ("&HFFFF" is -1).
double radixValue(std::u16string_view s, int base) {
    std::uint64_t value = 0;
    int digits = 0;
    for (char16_t c : s) {
        int d = digitValue(c, base);
        if (d < 0)
            break;
        value = value * base + d;
        ++digits;
        if (value > 0xFFFFFFFFull)
            return static_cast<double>(value);
    }
    if (base == 16 && digits <= 4)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    if (value <= 0xFFFF && base == 8)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

double numericValue(std::u16string_view text) {
    // Drop the skipped characters first; they do not interrupt a number.
    std::u16string s;
    s.reserve(text.size());
    for (char16_t c : text)
        if (!isSkipped(c))
            s.push_back(c);

    if (s.size() >= 2 && s[0] == u'&') {
        if (s[1] == u'H' || s[1] == u'h')
            return radixValue(std::u16string_view(s).substr(2), 16);
        if (s[1] == u'O' || s[1] == u'o')
            return radixValue(std::u16string_view(s).substr(2), 8);
        return 0;
    }

    // Collect the longest prefix that forms a decimal number, as ASCII.
    std::string number;
    size_t i = 0;
    auto digitsFrom = [&](size_t& at) {
        size_t start = at;
        while (at < s.size() && s[at] >= u'0' && s[at] <= u'9')
            number.push_back(static_cast<char>(s[at++]));
        return at - start;
    };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        number.push_back(static_cast<char>(s[i++]));
    size_t mantissaDigits = digitsFrom(i);
    if (i < s.size() && s[i] == u'.') {
        number.push_back('.');
        ++i;
        mantissaDigits += digitsFrom(i);
    }
    if (mantissaDigits == 0)
        return 0;
    if (i < s.size() && (s[i] == u'E' || s[i] == u'e' || s[i] == u'D' || s[i] == u'd')) {
        size_t at = i + 1;
        std::string exponent = "e";
        if (at < s.size() && (s[at] == u'+' || s[at] == u'-'))
            exponent.push_back(static_cast<char>(s[at++]));
        size_t start = at;
        while (at < s.size() && s[at] >= u'0' && s[at] <= u'9')
            exponent.push_back(static_cast<char>(s[at++]));
        if (at > start)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::int16_t toInt16(double value) {
    if (std::isnan(value))
        return 0;
    double r = std::nearbyint(value); // the default rounding mode rounds halves to even
    if (r > std::numeric_limits<std::int16_t>::max())
        return std::numeric_limits<std::int16_t>::max();
    if (r < std::numeric_limits<std::int16_t>::min())
        return std::numeric_limits<std::int16_t>::min();
    return static_cast<std::int16_t>(r);
}

bool isWholeNumberIn(std::u16string_view text, int low, int high) {
    double v = numericValue(text);
    return v == std::floor(v) && v >= low && v <= high;
}

std::u16string_view trimmedView(std::u16string_view text) {
    auto blank = [](char16_t c) { return c == u' ' || c == u'\u3000'; };
    size_t b = 0, e = text.size();
    while (b < e && blank(text[b]))
        ++b;
    while (e > b && blank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

Text decimal(long value) {
    std::string s = std::to_string(value);
    return Text(s.begin(), s.end());
}

Text textOf(char32_t c) {
    if (c < 0x10000)
        return Text(1, static_cast<char16_t>(c));
    return {static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)),
            static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF))};
}

std::string toUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

Text fromUtf8(std::string_view bytes) {
    Text out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        auto b = static_cast<unsigned char>(bytes[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        char32_t c = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        if (extra == 0)
            c = b;
        bool ok = extra >= 0 && i + static_cast<size_t>(extra) < bytes.size();
        for (int k = 1; ok && k <= extra; ++k) {
            auto cb = static_cast<unsigned char>(bytes[i + k]);
            if ((cb & 0xC0) != 0x80)
                ok = false;
            else
                c = (c << 6) | (cb & 0x3F);
        }
        // The shortest form only: an overlong sequence could smuggle in a
        // character (a quote, a delimiter) that the bytes do not show.
        static constexpr char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || c < kSmallest[extra]) {
            out.push_back(u'\uFFFD');
            ++i;
            continue;
        }
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        i += extra + 1;
    }
    return out;
}

} // namespace vormak
