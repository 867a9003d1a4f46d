#include "core/cp932.h"
#include "core/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>
#include <vector>

using namespace vormak;

TEST(Cp932, DecodesSingleAndDoubleByteCharacters) {
    // 5C and 7E stay backslash and tilde; FA B1 is the model-dependent 﨑.
    EXPECT_EQ(decodeCp932("\xFA\xB1\x8D\xE8\\~\x87\x40"), u"﨑崎\\~①");
    EXPECT_EQ(decodeCp932("\xB1\xB2"), u"ｱｲ");
    // A trail byte in the ASCII range belongs to the double-byte character.
    EXPECT_EQ(decodeCp932("\x83\x5C" "a"), u"ソa");
}

TEST(Cp932, UndecodableBytesBecomeMiddleDotsAndReadingGoesOn) {
    EXPECT_EQ(decodeCp932("a\x80" "b"), u"a・b");
    EXPECT_EQ(decodeCp932("\xFF\xFF"), u"・・");
    EXPECT_EQ(decodeCp932("x\x81"), u"x・"); // lead byte cut off at the end
}

TEST(Cp932, EncodesAndMarksWhatItCannotHold) {
    EXPECT_EQ(encodeCp932(u"\"﨑\",\"崎\""), "\"\xFA\xB1\",\"\x8D\xE8\"");
    EXPECT_EQ(encodeCp932(u"a\u00E9b"), "a?b");
    EXPECT_EQ(encodeCp932(u"\U0001F600"), "?");
}

namespace {
std::string writeTemp(const std::string& bytes) {
    char name[] = "/tmp/vormak-lines-XXXXXX";
    int fd = mkstemp(name);
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    close(fd);
    return name;
}

std::vector<std::u16string> allLines(const std::string& bytes) {
    std::string path = writeTemp(bytes);
    LineReader reader(path);
    std::vector<std::u16string> lines;
    std::u16string line;
    while (reader.readLine(line) == LineReader::Status::Line)
        lines.push_back(line);
    std::remove(path.c_str());
    return lines;
}
} // namespace

TEST(LineReader, SplitsAtCrAndCrLfButNotAtALoneLf) {
    using L = std::vector<std::u16string>;
    EXPECT_EQ(allLines("a\r\nb\rc"), (L{u"a", u"b", u"c"}));
    EXPECT_EQ(allLines("a\nb\n"), (L{u"a\nb\n"}));
    EXPECT_EQ(allLines("a\r\n"), (L{u"a"}));       // no empty record after the last end mark
    EXPECT_EQ(allLines("\r\n\r\n"), (L{u"", u""})); // empty lines are records
    EXPECT_EQ(allLines(""), L{});
    EXPECT_EQ(allLines("\xFA\xB1\r\n\x8D\xE8"), (L{u"﨑", u"崎"}));
}

TEST(LineReader, RefusesDirectoriesAndMissingFiles) {
    EXPECT_FALSE(LineReader("/tmp").isOpen());
    EXPECT_FALSE(LineReader("/nonexistent/file.csv").isOpen());
    EXPECT_FALSE(LineReader("").isOpen());
}

TEST(LineReader, RefusesAnOverlongLineAndGoesOnAfterIt) {
    std::string path = writeTemp(std::string(LineReader::kMaxLineBytes + 1, 'x') + "\r\nok");
    LineReader reader(path);
    std::u16string line;
    EXPECT_EQ(reader.readLine(line), LineReader::Status::TooLong);
    EXPECT_EQ(reader.readLine(line), LineReader::Status::Line);
    EXPECT_EQ(line, u"ok");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.readLine(line), LineReader::Status::End);
    std::remove(path.c_str());
}
