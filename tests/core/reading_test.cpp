// Reading what the user gives: numbers typed into boxes, the lines of an
// input file, and the fields of a record as they are cleaned on the way in.
#include "core/cp932.h"
#include "core/line_reader.h"
#include "core/side_reader.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

TEST(NumericValue, ReadsTheNumberATextBeginsWith) {
    const std::pair<Text, double> cases[] = {
        {u"", 0},        {u"abc", 0},     {u"12", 12},    {u"  2x", 2},    {u"1 2 3", 123},
        {u"\t4\n5", 45}, {u"-3", -3},     {u"+7", 7},     {u"- 5", -5},    {u"2.5", 2.5},
        {u".5", 0.5},    {u"1.2.3", 1.2}, {u"1e3", 1000}, {u"1E-2", 0.01}, {u"2D2", 200},
        {u"3e+", 3},     {u"&H1F", 31},   {u"&hff", 255}, {u"&HFFFF", -1}, {u"&O17", 15},
        {u"&X1", 0},     {u"--1", 0},     {u"１２", 0},   {u"\u30002", 0}, {u"\r2", 0},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(toUtf8(text));
        EXPECT_DOUBLE_EQ(numericValue(text), value);
    }
}

TEST(NumericValue, WholeNumbersRoundHalvesToEvenAndStayIn16Bits) {
    const std::pair<Text, int> cases[] = {
        {u"0.5", 0}, {u"1.5", 2},     {u"2.5", 2},       {u"-2.5", -2},       {u"2.4999", 2},
        {u"2.6", 3}, {u"1e9", 32767}, {u"-1e9", -32768}, {u"&HFFFFF", 32767}, {u" 3.5x", 4},
    };
    for (const auto& [text, whole] : cases) {
        SCOPED_TRACE(toUtf8(text));
        EXPECT_EQ(wholeNumber(text), whole);
    }
}

TEST(LineReader, SplitsAtCrOrCrLfAndDecodesTheLines) {
    const size_t chunk = 64 * 1024; // what one read fills
    // Name, the file, its lines joined by "|" ("utf8:" before them when the
    // file is read as UTF-8, "(too long)" for a line refused).
    const std::tuple<const char*, std::string, Text> cases[] = {
        {"CR, CR LF, last line without end", "a\r\nb\rc", u"a|b|c"},
        {"a lone LF is a character", "a\nb\n", u"a\nb\n"},
        {"a final end mark starts no line", "\r\n\r\nx\r\n", u"||x"},
        {"code page 932, FA B1 is 﨑", "\xFA\xB1\r\n\x8D\xE8\\~\xB1\x83\x5C", u"﨑|崎\\~ｱソ"},
        {"a byte that starts no character", "a\x80\xFF\x81", u"a・・・"},
        {"a line end across two reads", std::string(chunk - 1, 'a') + "\r\nb",
         Text(chunk - 1, u'a') + u"|b"},
        {"a line over 1 MiB is refused, the next read", std::string(1 << 20, 'x') + "x\r\nok",
         u"(too long)|ok"},
        {"UTF-8 after the byte-order mark", "\xEF\xBB\xBF氏名\r\n﨑\r\n", u"utf8:氏名|﨑"},
        {"only the shortest UTF-8 form", "\xEF\xBB\xBF\xC0\xA2,\xED\xA0\x80,\xE3\x81",
         u"utf8:\uFFFD\uFFFD,\uFFFD\uFFFD\uFFFD,\uFFFD\uFFFD"},
        {"the mark alone gives no line", "\xEF\xBB\xBF", u""},
        {"part of the mark is code page 932", "\xEF\xBB!", decodeCp932("\xEF\xBB!")},
    };
    for (const auto& [name, bytes, expected] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        LineReader reader(toUtf8(folder.writeBytes("in.txt", bytes)));
        Text lines, line;
        LineReader::Status s;
        for (int n = 0; (s = reader.readLine(line)) != LineReader::Status::End; ++n)
            lines += (n                 ? u"|"
                      : reader.isUtf8() ? u"utf8:"
                                        : u"") +
                     (s == LineReader::Status::TooLong ? u"(too long)" : line);
        EXPECT_EQ(lines, expected);
    }
}

TEST(SideReader, SplitsAndCleansEveryField) {
    const Text keys = u"山田　太郎 ,ﾔﾏ ﾀﾞ,03-1234-5678,a－b ー c";
    // Name, CSV, field count, name and telephone positions, removals on, the
    // file, and fields 1..5 of each record read, "|" between the fields and
    // "/" between the records.
    const std::tuple<const char*, bool, Text, Text, Text, bool, Text, Text> cases[] = {
        {"trimmed, then unquoted; every comma splits", true, u"4", u"", u"", true,
         u"\"山田 太郎\" , a ,\"b,c\"\r \" ab \" ", u"山田 太郎|a|b|c|/ ab ||||"},
        {"TAB splits, a comma is text", false, u"2", u"", u"", true, u"a,b\tc", u"a,b|c|||"},
        {"key fields lose blanks and hyphens", true, u"4", u"1", u"3", true, keys,
         u"山田太郎|ﾔﾏ ﾀﾞ|0312345678|a－b ー c|"},
        {"nothing removed with one position missing", true, u"4", u"1", u"", true, keys,
         u"山田　太郎|ﾔﾏ ﾀﾞ|03-1234-5678|a－b ー c|"},
        {"the removals follow their boxes", true, u"4", u"1", u"3", false, keys,
         u"山田　太郎|ﾔﾏ ﾀﾞ|03-1234-5678|a－b ー c|"},
        {"one column as both keys loses all three", true, u"4", u"4", u"4.4", true, keys,
         u"山田　太郎|ﾔﾏ ﾀﾞ|03-1234-5678|a－bーc|"},
        {"the conversion pair applies to every field", true, u"2", u"", u"", true, u"山﨑,﨑﨑",
         u"山崎|崎崎|||"},
        {"fields above the line and the count are stale", true, u"4", u"", u"", true,
         u"1,2,3,4,5\r6,7", u"1|2|3|4|5/6|7|||5"},
    };
    for (const auto& [name, comma, fields, namePosition, tel, removals, content, records] : cases) {
        SCOPED_TRACE(name);
        Settings s;
        s.conversion[0] = {u"﨑", u"崎"};
        s.removeBlanks = s.removeHyphens = removals;
        const ConversionTable conversion(s.conversion);
        const RecordFormat format({u"", comma, false, fields, namePosition, tel}, s, conversion);
        TempFolder folder;
        SideReader reader;
        ASSERT_EQ(reader.open(toUtf8(folder.write("side.csv", content)), format.delimiter),
                  SideReader::Status::Record);
        Text read;
        while (reader.read(format) == SideReader::Status::Record)
            for (int i = 1; i <= 5; ++i)
                read += (i > 1 ? u"|" : read.empty() ? u"" : u"/") + reader.fields()[i];
        EXPECT_EQ(read, records);
    }
}

TEST(ConversionTable, ReplacesTheFirstCharacterOfEveryMatchPairByPair) {
    using Pairs = std::array<ConversionBoxes, kConversionPairs>;
    const std::tuple<Text, Pairs, Text> cases[] = {
        {u"aaa", {{{u"aa", u"bc"}}}, u"bba"}, // overlapping matches
        {u"ｱ", {{{u"ｱ", u"ア"}, {u"ア", u"あ"}}}, u"あ"},
        {u"a b", {{{u" ", u"x"}, {u"a", u""}, {u" b", u"_"}}}, u"a_b"}, // blanks kept in sources
    };
    for (const auto& [text, pairs, converted] : cases) {
        SCOPED_TRACE(toUtf8(text));
        Text result = text;
        ConversionTable(pairs).convert(result);
        EXPECT_EQ(result, converted);
    }
}

} // namespace
