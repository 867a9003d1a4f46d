#include "core/comparison_folding.h"

#include <phonenumbers/phonenumberutil.h>
#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace vormak {

namespace {

using i18n::phonenumbers::PhoneNumber;
using i18n::phonenumbers::PhoneNumberUtil;

constexpr int kJapan = 81;

void check(UErrorCode status, const char* what) {
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("ICU: ") + what + ": " + u_errorName(status));
}

// A read-only ICU string over the value's own code units: no copy.
icu::UnicodeString view(std::u16string_view text) {
    return {false, text.data(), static_cast<int32_t>(text.size())};
}

std::u16string_view view(const icu::UnicodeString& text) {
    return {text.getBuffer(), static_cast<size_t>(text.length())};
}

const icu::Normalizer2& nfkc() {
    static const icu::Normalizer2* const instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        const icu::Normalizer2* n = icu::Normalizer2::getNFKCInstance(status);
        check(status, "NFKC");
        return n;
    }();
    return *instance;
}

icu::UnicodeString normalised(std::u16string_view text) {
    UErrorCode status = U_ZERO_ERROR;
    icu::UnicodeString out = nfkc().normalize(view(text), status);
    check(status, "NFKC");
    return out;
}

// Building the transliterator compiles its rules (some 10 ms), so it waits for
// the first hiragana. One instance serves every thread: ICU locks around a
// rule-based transliteration.
const icu::Transliterator& hiraganaToKatakana() {
    static const std::unique_ptr<const icu::Transliterator> instance = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<const icu::Transliterator> t(
            icu::Transliterator::createInstance("Hiragana-Katakana", UTRANS_FORWARD, status));
        check(status, "Hiragana-Katakana");
        return t;
    }();
    return *instance;
}

// The Hiragana block. Only decides whether the transliterator runs at all: it
// costs about a microsecond a name, and most readings are in katakana.
bool hasHiragana(std::u16string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char16_t c) { return c >= u'\u3041' && c <= u'\u309F'; });
}

bool isAscii(std::u16string_view text) {
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x80; });
}

// Letters make a value a name or a note, not a number, even where
// libphonenumber would read them as keypad digits ("0120-FLOWER") or as an
// extension ("ext. 5", "内線"). The long vowel mark is a letter to Unicode
// but is what a Japanese keyboard types for a hyphen in kana mode.
bool hasLetter(const icu::UnicodeString& text) {
    for (int32_t i = 0; i < text.length(); i = text.moveIndex32(i, 1)) {
        const UChar32 c = text.char32At(i);
        if (u_isalpha(c) && c != U'\u30FC')
            return true;
    }
    return false;
}

// The key of a Japanese number in one of the two shapes nearly every list
// uses, read without the parser, which costs some 20 µs a number: ASCII digits
// with blanks, hyphens, parentheses or dots, either domestic ("090-1234-5678")
// or after +81 ("+81 90-1234-5678"); 0, a digit other than 0, ten or eleven
// digits in all. Every such number is possible in Japan and its national form
// is 0 and the digits after it. "00" and "010" (a carrier's prefix, a call
// abroad) go to the parser.
std::optional<Text> plainJapaneseNumber(std::u16string_view text) {
    Text digits;
    if (text.starts_with(u"+81")) {
        digits = u"0";
        text.remove_prefix(3);
    }
    for (char16_t c : text) {
        if (c >= u'0' && c <= u'9') {
            if (digits.size() == 11)
                return std::nullopt;
            digits += c;
        } else if (c != u' ' && c != u'-' && c != u'(' && c != u')' && c != u'.') {
            return std::nullopt;
        }
    }
    if (digits.size() < 10 || digits[0] != u'0' || digits[1] == u'0' || digits.starts_with(u"010"))
        return std::nullopt;
    return digits;
}

std::optional<Text> parsedNumber(const icu::UnicodeString& text) {
    std::string utf8;
    text.toUTF8String(utf8);
    const PhoneNumberUtil& util = *PhoneNumberUtil::GetInstance();
    PhoneNumber number;
    if (util.Parse(utf8, "JP", &number) != PhoneNumberUtil::NO_PARSING_ERROR ||
        number.has_extension() || !util.IsPossibleNumber(number))
        return std::nullopt;
    std::string formatted;
    if (number.country_code() != kJapan) {
        util.Format(number, PhoneNumberUtil::E164, &formatted);
        return Text(formatted.begin(), formatted.end());
    }
    // A number that no national pattern covers is formatted without its
    // leading 0, while the same number in a plain shape keeps it.
    util.Format(number, PhoneNumberUtil::NATIONAL, &formatted);
    Text digits;
    for (char c : formatted)
        if (c >= '0' && c <= '9')
            digits += static_cast<char16_t>(c);
    if (!digits.starts_with(u'0'))
        digits.insert(0, 1, u'0');
    return digits;
}

} // namespace

Text foldReading(std::u16string_view value) {
    UErrorCode status = U_ZERO_ERROR;
    if (!hasHiragana(value) && nfkc().isNormalized(view(value), status) && U_SUCCESS(status))
        return Text(value);
    icu::UnicodeString folded = normalised(value);
    if (hasHiragana(view(folded)))
        hiraganaToKatakana().transliterate(folded);
    return Text(view(folded));
}

Text foldNumber(std::u16string_view value) {
    if (auto digits = plainJapaneseNumber(value))
        return *digits;
    const bool ascii = isAscii(value);
    const icu::UnicodeString text = ascii ? view(value) : normalised(value);
    if (hasLetter(text))
        return Text(value);
    if (!ascii)
        if (auto digits = plainJapaneseNumber(view(text)))
            return *digits;
    return parsedNumber(text).value_or(Text(value));
}

} // namespace vormak
