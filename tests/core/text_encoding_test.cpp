// Encodings and line ends of today's contact files, and the quoted fields of
// modern CSV files.
#include "core/quoted_fields.h"
#include "core/text_encoding.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

std::string repeat(std::string_view s, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += s;
    return out;
}

std::string bytesOf(std::u16string_view text, Encoding encoding) {
    return std::string(byteOrderMark(encoding)) + encodeText(text, encoding).bytes;
}

const std::u16string kContacts = u"山田太郎,090-1234-5678\n鈴木花子,080-1111-2222\nヤマダ タロウ\n";

} // namespace

TEST(TextEncoding, DecidedFromTheFirstBytes) {
    const std::optional<Encoding> notText;
    struct Case {
        const char* name;
        std::string bytes;
        bool wholeFile;
        std::optional<Encoding> expected;
    } cases[] = {
        {"UTF-8 mark",
         "\xEF\xBB\xBF"
         "a",
         true, Encoding::Utf8Bom},
        {"UTF-16LE mark",
         std::string("\xFF\xFE"
                     "a\0",
                     4),
         true, Encoding::Utf16Le},
        {"UTF-16BE mark", std::string("\xFE\xFF\0a", 4), true, Encoding::Utf16Be},
        {"UTF-8 without a mark", bytesOf(u"山田", Encoding::Utf8), true, Encoding::Utf8},
        {"UTF-8 cut at the end of a partial sample", "\xE5\xB1\xB1\xE7\x94", false, Encoding::Utf8},
        {"ASCII only", "a,b\r\n", true, Encoding::ShiftJis},
        {"Shift-JIS", bytesOf(kContacts, Encoding::ShiftJis), true, Encoding::ShiftJis},
        {"Shift-JIS with a damaged byte",
         bytesOf(kContacts, Encoding::ShiftJis) + "\xFF" + bytesOf(kContacts, Encoding::ShiftJis),
         true, Encoding::ShiftJis},
        {"EUC-JP", bytesOf(kContacts, Encoding::EucJp), true, Encoding::EucJp},
        {"EUC-JP too short to be sure of", bytesOf(u"山田太郎", Encoding::EucJp), true,
         Encoding::ShiftJis},
        {"NUL byte", std::string("a\0b", 3), true, notText},
        {"NUL code unit in UTF-16", std::string("\xFF\xFE\0\0", 4), true, notText},
        {"bytes no encoding reads", repeat("\x80\xFD\xA0\xFF", 8), true, notText},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(detectEncoding(c.bytes, c.wholeFile), c.expected);
    }
}

TEST(TextEncoding, OnlyAFileWithoutAnyCarriageReturnEndsItsLinesAtLf) {
    using R = TextFileProbe::Result;
    struct Case {
        const char* name;
        std::string bytes;
        R result;
        LineEnds lineEnds;
    } cases[] = {
        {"LF only", "a\nb\n", R::Text, LineEnds::Lf},
        {"CR LF", "a\r\nb", R::Text, LineEnds::Classic},
        {"CR alone", "a\rb\n", R::Text, LineEnds::Classic},
        {"one CR far beyond the first block", repeat("a\n", 100000) + "\r", R::Text,
         LineEnds::Classic},
        {"UTF-16LE LF",
         std::string("\xFF\xFE"
                     "a\0\n\0",
                     6),
         R::Text, LineEnds::Lf},
        {"UTF-16LE byte 0D in 」 (U+300D) is no CR", std::string("\xFF\xFE\x0D\x30\n\0", 6),
         R::Text, LineEnds::Lf},
        {"UTF-16LE CR", std::string("\xFF\xFE\r\0\n\0", 6), R::Text, LineEnds::Classic},
        {"UTF-16BE byte 0D is no CR", std::string("\xFE\xFF\x30\x0D\0\n", 6), R::Text,
         LineEnds::Lf},
        {"not text", std::string("\0\0", 2), R::NotText, LineEnds::Classic},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextFileProbe probe = probeTextFile(toUtf8(folder.writeBytes("in", c.bytes)));
        EXPECT_EQ(probe.result, c.result);
        EXPECT_EQ(probe.lineEnds, c.lineEnds);
    }
    EXPECT_EQ(probeTextFile(toUtf8(folder.path("missing"))).result, R::Unreadable);
    EXPECT_EQ(probeTextFile(toUtf8(folder.path(""))).result, R::Unreadable); // a folder
}

TEST(TextEncoding, DecodingByteByByteGivesTheWholeText) {
    const std::u16string common = u"山田ｱ①～a\r\n";
    for (Encoding e : {Encoding::ShiftJis, Encoding::EucJp, Encoding::Utf8, Encoding::Utf8Bom,
                       Encoding::Utf16Le, Encoding::Utf16Be}) {
        SCOPED_TRACE(static_cast<int>(e));
        const bool unicode = e != Encoding::ShiftJis && e != Encoding::EucJp;
        const std::u16string text = common + (unicode ? u"😀" : u"");
        const std::string bytes = bytesOf(text, e);
        TextDecoder decoder(e);
        Text decoded;
        for (char b : bytes)
            decoder.decode(std::string_view(&b, 1), decoded);
        decoder.finish(decoded);
        EXPECT_EQ(decoded, text);
        EXPECT_EQ(decoder.undecodable(), 0u);
    }
}

TEST(TextEncoding, WhatCannotBeDecodedBecomesTheMiddleDot) {
    struct Case {
        const char* name;
        Encoding encoding;
        std::string bytes;
        std::u16string expected;
    } cases[] = {
        {"Shift-JIS byte that is no character", Encoding::ShiftJis,
         "a\x80"
         "b",
         u"a・b"},
        {"Shift-JIS lead byte at the end", Encoding::ShiftJis, "a\x82", u"a・"},
        {"EUC-JP lead byte at the end", Encoding::EucJp, "a\xA4", u"a・"},
        {"UTF-8 overlong slash", Encoding::Utf8, "\xC0\xAF", u"・・"},
        {"UTF-8 surrogate", Encoding::Utf8, "\xED\xA0\x80", u"・・・"},
        {"UTF-8 cut at the end", Encoding::Utf8, "a\xE3\x81", u"a・・"},
        {"UTF-8 mark kept without the mark's encoding", Encoding::Utf8, "\xEF\xBB\xBF", u"\uFEFF"},
        {"UTF-16LE lone low surrogate", Encoding::Utf16Le,
         std::string("\x00\xDC"
                     "a\0",
                     4),
         u"・a"},
        {"UTF-16LE high surrogate and odd byte at the end", Encoding::Utf16Le, "\x3D\xD8z",
         u"・・"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(decodeText(c.bytes, c.encoding), c.expected);
    }
}

TEST(TextEncoding, EncodingReportsTheFirstCharacterItCannotHold) {
    struct Case {
        const char* name;
        std::u16string text;
        Encoding encoding;
        std::string bytes;
        std::optional<char32_t> unencodable;
    } cases[] = {
        {"Shift-JIS", u"山①～a", Encoding::ShiftJis,
         "\x8E\x52\x87\x40\x81\x60"
         "a",
         std::nullopt},
        {"Shift-JIS emoji", u"a😀b¥", Encoding::ShiftJis, "", U'😀'},
        {"Shift-JIS yen sign is no backslash", u"¥", Encoding::ShiftJis, "", U'¥'},
        {"EUC-JP", u"山", Encoding::EucJp, "\xBB\xB3", std::nullopt},
        {"UTF-8", u"山😀", Encoding::Utf8Bom, "\xE5\xB1\xB1\xF0\x9F\x98\x80", std::nullopt},
        {"UTF-8 lone surrogate", u"a\xD800", Encoding::Utf8Bom, "", 0xD800},
        {"UTF-16LE", u"a山", Encoding::Utf16Le, std::string("a\0\x71\x5C", 4), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EncodedText encoded = encodeText(c.text, c.encoding);
        EXPECT_EQ(encoded.unencodable, c.unencodable);
        EXPECT_EQ(encoded.bytes, c.bytes); // nothing when a character was unencodable
    }
}

TEST(QuotedFields, QuotesHoldDelimitersLineEndsAndQuotes) {
    using Lines = std::vector<std::pair<std::u16string, std::u16string>>;
    struct Case {
        const char* name;
        Lines lines;
        std::vector<std::vector<Text>> records;
    } cases[] = {
        {"comma inside quotes", {{u"a,\"b,c\",d", u"\r\n"}}, {{u"a", u"b,c", u"d"}}},
        {"LF inside quotes", {{u"\"x", u"\n"}, {u"y\",2", u""}}, {{u"x\ny", u"2"}}},
        {"doubled quote", {{u"\"say \"\"hi\"\"\",", u"\n"}}, {{u"say \"hi\"", u""}}},
        {"quote inside an unquoted field", {{u"5\"", u"\n"}}, {{u"5\""}}},
        {"text after the closing quote", {{u"\"a\"b,c", u"\n"}}, {{u"ab", u"c"}}},
        {"empty line", {{u"", u"\n"}}, {{u""}}},
        {"quote never closed", {{u"a,\"b", u"\r"}, {u"c", u""}}, {{u"a", u"b\rc"}}},
        {"record over the bound dropped",
         {{u"\"" + Text(22, u'x'), u"\n"}, {u"\",1", u"\n"}, {u"ok", u""}},
         {{u"(too long)"}, {u"ok"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QuotedFieldSplitter splitter(u',', 20);
        std::vector<std::vector<Text>> records;
        std::vector<Text> fields;
        auto collect = [&](QuotedFieldSplitter::Status status) {
            if (status == QuotedFieldSplitter::Status::Record)
                records.push_back(fields);
            if (status == QuotedFieldSplitter::Status::TooLong)
                records.push_back({u"(too long)"});
        };
        for (const auto& [line, end] : c.lines)
            collect(splitter.addLine(line, end, fields));
        collect(splitter.finish(fields));
        EXPECT_EQ(records, c.records);
    }
}
