#include "core/text.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vormak;

TEST(NumericValue, ReadsTheNumberATextBeginsWith) {
    struct Case {
        const char16_t* text;
        double value;
    } cases[] = {
        {u"", 0},        {u"abc", 0},    {u"0", 0},       {u"000", 0},
        {u"12", 12},     {u"  2", 2},    {u"2x", 2},      {u"1 2 3", 123},
        {u"\t4\n5", 45}, {u"-3", -3},    {u"+7", 7},      {u"- 5", -5},
        {u"2.5", 2.5},   {u".5", 0.5},   {u"1.2.3", 1.2}, {u"1e3", 1000},
        {u"1E-2", 0.01}, {u"2D2", 200},  {u"3e", 3},      {u"3e+", 3},
        {u"&H1F", 31},   {u"&hff", 255}, {u"&HFFFF", -1}, {u"&HFFFFF", 1048575},
        {u"&O17", 15},   {u"&X1", 0},    {u"--1", 0},     {u"１２", 0},
        {u"\u30002", 0}, {u"\r2", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(numericValue(c.text), c.value) << toUtf8(c.text);
}

TEST(NumericValue, WholeNumbersRoundHalvesToEven) {
    EXPECT_EQ(toInt16(0.5), 0);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(2.4999), 2);
    EXPECT_EQ(toInt16(2.6), 3);
    EXPECT_EQ(toInt16(1e9), 32767);
    EXPECT_EQ(toInt16(-1e9), -32768);
    EXPECT_EQ(toInt16(std::nan("")), 0);
    EXPECT_EQ(wholeNumber(u" 3.5abc"), 4);
}

TEST(NumericValue, RangeTestJudgesTheValueBeforeRounding) {
    EXPECT_TRUE(isWholeNumberIn(u"20", 1, 20));
    EXPECT_TRUE(isWholeNumberIn(u" 1", 1, 20));
    EXPECT_FALSE(isWholeNumberIn(u"21", 1, 20));
    EXPECT_FALSE(isWholeNumberIn(u"0", 1, 20));
    EXPECT_FALSE(isWholeNumberIn(u"1.5", 1, 20));
    EXPECT_FALSE(isWholeNumberIn(u"-1", 1, 20));
}

TEST(Utf8, OnlyTheShortestFormDecodesAndPathsSurviveTheRoundTrip) {
    // An overlong quote or slash must not turn into one.
    EXPECT_EQ(fromUtf8("a\xC0\xA2"
                       "b"),
              u"a\uFFFD\uFFFDb");
    EXPECT_EQ(fromUtf8("\xE0\x80\xAF"), u"\uFFFD\uFFFD\uFFFD");
    EXPECT_EQ(fromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // a surrogate
    const std::u16string name = u"/tmp/携帯\u3000ﾃﾞｰﾀ\U0001F600.csv";
    EXPECT_EQ(fromUtf8(toUtf8(name)), name);
}
