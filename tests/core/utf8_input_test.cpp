// Input files that start with the UTF-8 byte-order mark are read as UTF-8;
// every other file stays code page 932.
#include "core/cp932.h"
#include "core/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

using namespace vormak;

namespace {

struct Lines {
    bool utf8 = false;
    std::vector<std::u16string> lines;
};

Lines readAll(const std::string& bytes) {
    std::string path = ::testing::TempDir() + "vormak-utf8-input.txt";
    std::ofstream(path, std::ios::binary) << bytes;
    LineReader reader(path);
    Lines result;
    result.utf8 = reader.isUtf8();
    std::u16string line;
    while (reader.readLine(line) == LineReader::Status::Line)
        result.lines.push_back(line);
    std::remove(path.c_str());
    return result;
}

using L = std::vector<std::u16string>;

} // namespace

TEST(Utf8Input, MarkedFileIsUtf8AndTheMarkBelongsToNoLine) {
    Lines r = readAll("\xEF\xBB\xBF"
                      "氏名,電話\r\n"
                      "ヤマダ タロウ,090-1234-5678\r\n"
                      "﨑\r\n");
    EXPECT_TRUE(r.utf8);
    EXPECT_EQ(r.lines, (L{u"氏名,電話", u"ヤマダ タロウ,090-1234-5678", u"﨑"}));
}

TEST(Utf8Input, LineEndsAreTheSameAsInShiftJisFiles) {
    Lines r = readAll("\xEF\xBB\xBF"
                      "a\rb\r\nc\nd");
    EXPECT_EQ(r.lines, (L{u"a", u"b", u"c\nd"}));
}

TEST(Utf8Input, FileOfTheMarkAloneHasNoLines) {
    Lines r = readAll("\xEF\xBB\xBF");
    EXPECT_TRUE(r.utf8);
    EXPECT_EQ(r.lines, L{});
    // With an empty line after the mark there is one empty record.
    EXPECT_EQ(readAll("\xEF\xBB\xBF\r\n").lines, L{u""});
}

TEST(Utf8Input, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(readAll("\xEF\xBB\xBF"
                      "a\xFF"
                      "b\xE3\x81")
                  .lines,
              (L{u"a\uFFFDb\uFFFD\uFFFD"}));
}

TEST(Utf8Input, CharactersBeyondTheBasicPlaneBecomeSurrogatePairs) {
    EXPECT_EQ(readAll("\xEF\xBB\xBF\xF0\x9F\x98\x80").lines, L{u"\U0001F600"});
}

TEST(Utf8Input, FilesWithoutTheWholeMarkStayShiftJis) {
    // The same bytes later in the file are code page 932 text.
    Lines later = readAll("\x8E\x81\x96\xBC\r\n\xEF\xBB\xBF");
    EXPECT_FALSE(later.utf8);
    EXPECT_EQ(later.lines[0], u"氏名");
    // A file that begins with only part of the mark is not UTF-8 either.
    Lines partial = readAll("\xEF\xBB"
                            "a");
    EXPECT_FALSE(partial.utf8);
    EXPECT_EQ(partial.lines, L{decodeCp932("\xEF\xBB"
                                           "a")});
    // An ordinary Shift-JIS file with 﨑 decodes as before.
    EXPECT_EQ(readAll("\xFA\xB1,\x8D\xE8").lines, L{u"﨑,崎"});
}
