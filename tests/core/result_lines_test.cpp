#include "core/result_lines.h"

#include <gtest/gtest.h>

using namespace vormak;

namespace {

// The full-width characters spelled by code point, so that a look-alike in
// the code cannot pass unnoticed.
#define OPEN u"\uFF08"
#define CLOSE u"\uFF09"
#define COMMA u"\u3001"
#define DEETA u"\uFF83\uFF9E\uFF70\uFF80" // ﾃﾞｰﾀ in half-width katakana

TEST(ResultLines, EntryNumbersHaveThreeDigitsWithLeadingZeros) {
    EXPECT_EQ(entryNumber(7), u"007");
    EXPECT_EQ(entryNumber(45), u"045");
    EXPECT_EQ(entryNumber(123), u"123");
    EXPECT_EQ(entryNumber(999), u"999");
}

TEST(ResultLines, EachOfTheFiveTemplatesIsExact) {
    EXPECT_EQ(
        duplicateLine(1, 5, u"電話番号", u"ﾔﾏﾀﾞ", u"0312"),
        u"1:005   携帯側に電話番号重複データあり " OPEN u"氏名=ﾔﾏﾀﾞ" COMMA u"電話=0312" CLOSE);
    EXPECT_EQ(duplicateLine(2, 17, u"氏名", u"", u"9"),
              u"2:017   住所側に氏名重複データあり " OPEN u"氏名=" COMMA u"電話=9" CLOSE);
    EXPECT_EQ(
        missingOnMobileLine(12, u"氏名", u"ﾔﾏﾀﾞ", u"123"),
        u"3:012   "
        u"住所録側と同じ氏名" DEETA u"が携帯側にない " OPEN u"氏名=ﾔﾏﾀﾞ" COMMA u"電話=123" CLOSE);
    EXPECT_EQ(
        missingInAddressBookLine(1, u"電話番号", u"a", u"b"),
        u"4:001   "
        u"携帯側と同じ電話番号" DEETA u"が住所録側にない  " OPEN u"氏名=a" COMMA u"電話=b" CLOSE);
    EXPECT_EQ(mismatchLine(3, 17, u"電話番号", u"氏名", u"0312", u"ｱ", u"ｲ"),
              u"5:"
              u"003017携帯側と住所録側で氏名不一致"
              u" " OPEN u"電話番号=0312" COMMA u"氏名 携帯:ｱ 住所録:ｲ" CLOSE);
}

TEST(ResultLines, NumbersAndMessagesStandAtTheirFixedPositions) {
    const auto line4 = missingInAddressBookLine(45, u"氏名", u"x", u"y");
    EXPECT_EQ(line4.substr(0, 5), u"4:045");
    EXPECT_EQ(line4.substr(5, 3), u"   ");
    const auto line5 = mismatchLine(7, 999, u"氏名", u"電話番号", u"k", u"1", u"2");
    EXPECT_EQ(line5.substr(0, 8), u"5:007999");
    EXPECT_EQ(line5.substr(8, 9), u"携帯側と住所録側で");
}

} // namespace
