#include "core/cp932.h"
#include "core/line_reader.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

TEST(Cp932, EveryDoubleByteCharacterDecodesAsIconvDecodesIt) {
    iconv_t cd = iconv_open("UTF-16LE", "CP932");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    int characters = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0; trail <= 0xFF; ++trail) {
            char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            char16_t out[2] = {};
            char* inp = in;
            char* outp = reinterpret_cast<char*>(out);
            size_t inLeft = 2, outLeft = sizeof(out);
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1) ||
                outLeft != sizeof(char16_t))
                continue; // not one double-byte character
            ++characters;
            EXPECT_EQ(decodeCp932(std::string_view(in, 2)), std::u16string(1, out[0]))
                << std::hex << lead << " " << trail;
        }
    }
    iconv_close(cd);
    EXPECT_GT(characters, 7000);
}

TEST(LineReader, LinesAndLineEndsMayStraddleTheReadBuffer) {
    // The buffer holds 64 KiB: the first line's CR is its last byte and the
    // LF the first of the next fill; the second line runs over the next edge.
    const size_t chunk = 64 * 1024;
    std::string first(chunk - 1, 'a');
    std::string second(chunk + 10, 'b');
    using L = std::vector<std::u16string>;
    L lines = allLines(first + "\r\n" + second + "\r\n\xFA\xB1");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::u16string(chunk - 1, u'a'));
    EXPECT_EQ(lines[1], std::u16string(chunk + 10, u'b'));
    EXPECT_EQ(lines[2], u"﨑");
}
