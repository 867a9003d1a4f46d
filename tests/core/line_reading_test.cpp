// Input files are split into lines at CR or CR LF and decoded from code page
// 932, or from UTF-8 when they start with the byte-order mark.
#include "core/line_reader.h"
#include "engine_fixture.h"

#include <iconv.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

using L = std::vector<std::u16string>;

// The lines of a file holding the bytes; "utf8:" in front when read as UTF-8.
L linesOf(const std::string& bytes) {
    TempFolder folder;
    LineReader reader(toUtf8(folder.writeBytes("in.txt", bytes)));
    L lines;
    std::u16string line;
    while (reader.readLine(line) == LineReader::Status::Line)
        lines.push_back((reader.isUtf8() ? u"utf8:" : u"") + line);
    return lines;
}

} // namespace

TEST(Cp932, DecodesAndEncodesBothWaysAndMarksWhatItCannotHold) {
    // 5C and 7E stay backslash and tilde; FA B1 is the model-dependent 﨑; a
    // trail byte in the ASCII range belongs to the double-byte character.
    EXPECT_EQ(decodeCp932("\xFA\xB1\x8D\xE8\\~\x87\x40\xB1\x83\x5C"
                          "a"),
              u"﨑崎\\~①ｱソa");
    EXPECT_EQ(decodeCp932("a\x80"
                          "b\xFF\x81"),
              u"a・b・・"); // the last lead byte is cut off
    EXPECT_EQ(encodeCp932(u"\"﨑\",\"崎\""), "\"\xFA\xB1\",\"\x8D\xE8\"");
    EXPECT_EQ(encodeCp932(u"a\u00E9b\U0001F600"), "a?b?");
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

TEST(LineReader, SplitsAtCrAndCrLfButNotAtALoneLf) {
    EXPECT_EQ(linesOf("a\r\nb\rc"), (L{u"a", u"b", u"c"}));
    EXPECT_EQ(linesOf("a\nb\n"), (L{u"a\nb\n"}));
    EXPECT_EQ(linesOf("a\r\n"), (L{u"a"}));        // no empty record after the last end mark
    EXPECT_EQ(linesOf("\r\n\r\n"), (L{u"", u""})); // empty lines are records
    EXPECT_EQ(linesOf(""), L{});
    EXPECT_EQ(linesOf("\xFA\xB1\r\n\x8D\xE8"), (L{u"﨑", u"崎"}));
}

TEST(LineReader, LinesAndLineEndsMayStraddleTheReadBuffer) {
    // The buffer holds 64 KiB: the first line's CR is its last byte and the
    // LF the first of the next fill; the second line runs over the next edge.
    const size_t chunk = 64 * 1024;
    EXPECT_EQ(linesOf(std::string(chunk - 1, 'a') + "\r\n" + std::string(chunk + 10, 'b') +
                      "\r\n\xFA\xB1"),
              (L{std::u16string(chunk - 1, u'a'), std::u16string(chunk + 10, u'b'), u"﨑"}));
}

TEST(LineReader, RefusesAnOverlongLineAndGoesOnAfterIt) {
    TempFolder folder;
    LineReader reader(toUtf8(
        folder.writeBytes("long", std::string(LineReader::kMaxLineBytes + 1, 'x') + "\r\nok")));
    std::u16string line;
    EXPECT_EQ(reader.readLine(line), LineReader::Status::TooLong);
    EXPECT_EQ(reader.readLine(line), LineReader::Status::Line);
    EXPECT_EQ(line, u"ok");
    EXPECT_EQ(reader.readLine(line), LineReader::Status::End);
}

TEST(LineReader, OnlyAFileStartingWithTheWholeMarkIsUtf8) {
    EXPECT_EQ(linesOf("\xEF\xBB\xBF氏名,電話\r\nヤマダ タロウ,090-1234\r\n﨑\r\n"),
              (L{u"utf8:氏名,電話", u"utf8:ヤマダ タロウ,090-1234", u"utf8:﨑"}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBF"), L{});
    EXPECT_EQ(linesOf("\xEF\xBB\xBF\r\n"), L{u"utf8:"});
    EXPECT_EQ(linesOf("\xEF\xBB\xBF"
                      "a\xFF"
                      "b\xE3\x81"),
              L{u"utf8:a\uFFFDb\uFFFD\uFFFD"});
    // The mark later in the file, or only part of it, is code page 932 text.
    EXPECT_EQ(linesOf("\x8E\x81\x96\xBC\r\n\xEF\xBB\xBF"),
              (L{u"氏名", decodeCp932("\xEF\xBB\xBF")}));
    EXPECT_EQ(linesOf("\xEF\xBB"
                      "a"),
              L{decodeCp932("\xEF\xBB"
                            "a")});
}
