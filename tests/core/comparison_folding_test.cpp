#include "core/comparison_folding.h"

#include <gtest/gtest.h>

using namespace vormak;

namespace {

TEST(ComparisonFolding, EveryWayOfWritingAValueGivesOneKey) {
    // Name, fold, the key (none: each stays as it is), the ways of writing
    // one value apart by "|".
    const std::tuple<const char*, Text (*)(std::u16string_view), std::optional<Text>, Text> rows[] =
        {
            {"reading, three ways", foldReading, u"ヤマダタロウ",
             u"ﾔﾏﾀﾞﾀﾛｳ|ヤマダタロウ|やまだたろう"},
            {"full-width letters", foldReading, u"ABC", u"ＡＢＣ|ABC"},
            {"voicing, long vowel", foldReading, u"ヴィーナス", u"ｳﾞｨｰﾅｽ|ゔぃーなす|ヴィーナス"},
            {"kanji stay, blank narrows", foldReading, u"山田 サクラ",
             u"山田\u3000さくら|山田 ｻｸﾗ"},
            {"mobile", foldNumber, u"09012345678",
             u"+81 90-1234-5678|090(1234)5678|０９０１２３４５６７８|09012345678|090ー1234ー5678|"
             u"090.1234.5678"},
            {"landline", foldNumber, u"0312345678", u"03-1234-5678|+81-3-1234-5678"},
            // No national pattern covers eleven digits after 03: formatted without the 0.
            {"unformatted", foldNumber, u"03199905127", u"03199905127|010 81 3199905127"},
            {"abroad", foldNumber, u"+14155550100",
             u"+1 415 555 0100|010 1 415 555 0100|＋１ (415) 555-0100"},
            {"short number abroad", foldNumber, u"+68212345", u"010-682-12345|+682 12345"},
            {"extensions, letters, two numbers, nothing: as they are",
             foldNumber,
             {},
             u"内線123|090-1234-5678 ext. "
             u"5|090-1234-5678#5|abc|0120-FLOWER||09012345678/0312345678"},
        };
    for (const auto& [name, fold, key, forms] : rows) {
        SCOPED_TRACE(name);
        for (size_t at = 0, end = 0; at <= forms.size(); at = end + 1) {
            end = std::min(forms.find(u'|', at), forms.size());
            const Text form = forms.substr(at, end - at);
            EXPECT_EQ(fold(form), key.value_or(form)) << toUtf8(form);
        }
    }
}

// Numbers in the usual shapes take a shortcut past libphonenumber; the same
// number dialled through 010 does not, and they must still meet, in every area.
TEST(ComparisonFolding, DomesticNumbersMeetTheirInternationalFormInEveryArea) {
    for (int area = 11; area <= 99; ++area) { // 010 dials abroad
        for (const char16_t* tail : {u"1234567", u"12345678"}) {
            const Text national = u"0" + decimal(area) + tail;
            SCOPED_TRACE(toUtf8(national));
            EXPECT_EQ(foldNumber(national), national);
            EXPECT_EQ(foldNumber(u"+81 " + national.substr(1)), national);
            EXPECT_EQ(foldNumber(u"010 81 " + national.substr(1)), national);
        }
    }
}

} // namespace
