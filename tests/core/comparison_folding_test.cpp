#include "core/comparison_folding.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vormak;

namespace {

using Fold = Text (*)(std::u16string_view);

struct Forms {
    const char* name;
    Fold fold;
    std::vector<Text> written; // every way of writing the same value
    Text key;
};

// Values whose key is themselves are rows with one form and that form as key.
TEST(ComparisonFolding, EveryWayOfWritingAValueGivesOneKey) {
    const Forms rows[] = {
        {"reading in half-width, full-width katakana and hiragana",
         foldReading,
         {u"ﾔﾏﾀﾞﾀﾛｳ", u"ヤマダタロウ", u"やまだたろう"},
         u"ヤマダタロウ"},
        {"full-width letters", foldReading, {u"ＡＢＣ", u"ABC"}, u"ABC"},
        {"voiced sounds and the long vowel mark",
         foldReading,
         {u"ｳﾞｨｰﾅｽ", u"ゔぃーなす", u"ヴィーナス"},
         u"ヴィーナス"},
        {"kanji stay, the blank between names narrows",
         foldReading,
         {u"山田\u3000さくら", u"山田 ｻｸﾗ"},
         u"山田 サクラ"},
        {"empty reading", foldReading, {u""}, u""},
        {"mobile number",
         foldNumber,
         {u"+81 90-1234-5678", u"090(1234)5678", u"０９０１２３４５６７８", u"09012345678",
          u"090ー1234ー5678", u"090.1234.5678"},
         u"09012345678"},
        {"landline", foldNumber, {u"03-1234-5678", u"+81-3-1234-5678"}, u"0312345678"},
        {"number that no national pattern covers keeps its 0",
         foldNumber,
         {u"03199905127", u"+81 3199905127", u"010 81 3199905127"},
         u"03199905127"},
        {"number abroad, also dialled from Japan",
         foldNumber,
         {u"+1 415 555 0100", u"010 1 415 555 0100", u"＋１ (415) 555-0100"},
         u"+14155550100"},
        {"short number abroad dialled from Japan",
         foldNumber,
         {u"010-682-12345", u"+682 12345"},
         u"+68212345"},
        {"extension in kanji", foldNumber, {u"内線123"}, u"内線123"},
        {"extension in letters", foldNumber, {u"090-1234-5678 ext. 5"}, u"090-1234-5678 ext. 5"},
        {"extension after a hash", foldNumber, {u"090-1234-5678#5"}, u"090-1234-5678#5"},
        {"letters", foldNumber, {u"abc"}, u"abc"},
        {"letters on the keypad", foldNumber, {u"0120-FLOWER"}, u"0120-FLOWER"},
        {"empty number", foldNumber, {u""}, u""},
        {"two numbers in one cell",
         foldNumber,
         {u"09012345678/0312345678"},
         u"09012345678/0312345678"},
        {"too short to be a number", foldNumber, {u"110"}, u"110"},
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
