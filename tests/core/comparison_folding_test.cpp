#include "core/comparison_folding.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vormak;

namespace {

using Fold = Text (*)(std::u16string_view);

struct Forms {
    const char* name;
    Fold fold;
    std::vector<Text> written; // ways of writing one value; a value that stays is its own key
    Text key;
};

TEST(ComparisonFolding, EveryWayOfWritingAValueGivesOneKey) {
    const Forms rows[] = {
        {"reading, three ways",
         foldReading,
         {u"ﾔﾏﾀﾞﾀﾛｳ", u"ヤマダタロウ", u"やまだたろう"},
         u"ヤマダタロウ"},
        {"full-width letters", foldReading, {u"ＡＢＣ", u"ABC"}, u"ABC"},
        {"voicing, long vowel",
         foldReading,
         {u"ｳﾞｨｰﾅｽ", u"ゔぃーなす", u"ヴィーナス"},
         u"ヴィーナス"},
        {"kanji stay, blank narrows",
         foldReading,
         {u"山田\u3000さくら", u"山田 ｻｸﾗ"},
         u"山田 サクラ"},
        {"mobile",
         foldNumber,
         {u"+81 90-1234-5678", u"090(1234)5678", u"０９０１２３４５６７８", u"09012345678",
          u"090ー1234ー5678", u"090.1234.5678"},
         u"09012345678"},
        {"landline", foldNumber, {u"03-1234-5678", u"+81-3-1234-5678"}, u"0312345678"},
        // No national pattern covers eleven digits after 03: formatted without the 0.
        {"unformatted", foldNumber, {u"03199905127", u"010 81 3199905127"}, u"03199905127"},
        {"abroad",
         foldNumber,
         {u"+1 415 555 0100", u"010 1 415 555 0100", u"＋１ (415) 555-0100"},
         u"+14155550100"},
        {"short number abroad", foldNumber, {u"010-682-12345", u"+682 12345"}, u"+68212345"},
        {"extension in kanji", foldNumber, {u"内線123"}, u"内線123"},
        {"extension in letters", foldNumber, {u"090-1234-5678 ext. 5"}, u"090-1234-5678 ext. 5"},
        {"extension after a hash", foldNumber, {u"090-1234-5678#5"}, u"090-1234-5678#5"},
        {"letters", foldNumber, {u"abc"}, u"abc"},
        {"letters on the keypad", foldNumber, {u"0120-FLOWER"}, u"0120-FLOWER"},
        {"empty", foldNumber, {u""}, u""},
        {"two numbers", foldNumber, {u"09012345678/0312345678"}, u"09012345678/0312345678"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const auto& form : row.written)
            EXPECT_EQ(row.fold(form), row.key) << toUtf8(form);
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
