// Encodings and line ends of today's contact files, and the quoted fields of
// modern CSV files. fuzz_text_encoding adds what holds for any bytes: block
// decoding, round trips, carriage returns, the record bound.
#include "core/quoted_fields.h"
#include "core/text_encoding.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace vormak;
using namespace vormak::testing;
using namespace std::string_literals;

namespace {

std::string bytesOf(std::u16string_view text, Encoding encoding) {
    return std::string(byteOrderMark(encoding)) + encodeText(text, encoding).bytes;
}

TEST(TextEncoding, DecidedFromTheFirstBytes) {
    const Text contacts = u"山田太郎,090-1234-5678\n鈴木花子,080-1111-2222\nヤマダ タロウ\n";
    const std::string sjis = bytesOf(contacts, Encoding::ShiftJis);
    std::string noEncoding;
    for (int i = 0; i < 8; ++i)
        noEncoding += "\x80\xFD\xA0\xFF";
    const std::tuple<const char*, std::string, std::optional<Encoding>> cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF\x61", Encoding::Utf8Bom},
        {"UTF-16LE mark", "\xFF\xFE\x61\0"s, Encoding::Utf16Le},
        {"UTF-16BE mark", "\xFE\xFF\0\x61"s, Encoding::Utf16Be},
        {"UTF-8 without a mark", "\xE5\xB1\xB1\xE7\x94\xB0", Encoding::Utf8},
        {"ASCII only", "a,b\r\n", Encoding::ShiftJis},
        {"Shift-JIS", sjis, Encoding::ShiftJis},
        {"Shift-JIS with a damaged byte", sjis + "\xFF" + sjis, Encoding::ShiftJis},
        {"EUC-JP", bytesOf(contacts, Encoding::EucJp), Encoding::EucJp},
        {"EUC-JP too short to be sure of", bytesOf(u"山田太郎", Encoding::EucJp),
         Encoding::ShiftJis},
        {"NUL byte", "a\0b"s, std::nullopt},
        {"NUL code unit in UTF-16", "\xFF\xFE\0\0"s, std::nullopt},
        {"bytes no encoding reads", noEncoding, std::nullopt},
    };
    for (const auto& [name, bytes, expected] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(detectEncoding(bytes, true), expected);
    }
    // UTF-8 cut at the end of a sample that is not the whole file.
    EXPECT_EQ(detectEncoding("\xE5\xB1\xB1\xE7\x94", false), Encoding::Utf8);
}

TEST(TextEncoding, OnlyAFileWithoutAnyCarriageReturnEndsItsLinesAtLf) {
    using R = TextFileProbe::Result;
    const std::tuple<const char*, std::string, R, LineEnds> cases[] = {
        {"LF only", "a\nb\n", R::Text, LineEnds::Lf},
        {"CR LF", "a\r\nb", R::Text, LineEnds::Classic},
        {"CR alone", "a\rb\n", R::Text, LineEnds::Classic},
        {"one CR far beyond the first block", std::string(200000, '\n') + "\r", R::Text,
         LineEnds::Classic},
        {"UTF-16LE: byte 0D in 」 (U+300D) is no CR", "\xFF\xFE\x0D\x30\n\0"s, R::Text,
         LineEnds::Lf},
        {"UTF-16LE CR", "\xFF\xFE\r\0\n\0"s, R::Text, LineEnds::Classic},
        {"not text", "\0\0"s, R::NotText, LineEnds::Classic},
    };
    TempFolder folder;
    for (const auto& [name, bytes, result, lineEnds] : cases) {
        SCOPED_TRACE(name);
        const TextFileProbe probe = probeTextFile(toUtf8(folder.writeBytes("in", bytes)));
        EXPECT_EQ(probe.result, result);
        EXPECT_EQ(probe.lineEnds, lineEnds);
    }
    EXPECT_EQ(probeTextFile(toUtf8(folder.path("missing"))).result, R::Unreadable);
    EXPECT_EQ(probeTextFile(toUtf8(folder.path(""))).result, R::Unreadable); // a folder
}

// Exact bytes each way (decoded one byte at a time, after the mark), or the
// first character the encoding cannot hold, and then no bytes at all.
TEST(TextEncoding, TextAndItsBytesEachWay) {
    const std::tuple<const char*, Encoding, Text, std::string, std::optional<char32_t>> cases[] = {
        {"Shift-JIS",
         Encoding::ShiftJis,
         u"山ｱ①～a\r\n",
         "\x8E\x52\xB1\x87\x40\x81\x60\x61\r\n",
         {}},
        {"EUC-JP", Encoding::EucJp, u"山ｱ①～a", "\xBB\xB3\x8E\xB1\xAD\xA1\xA1\xC1\x61", {}},
        {"UTF-8", Encoding::Utf8, u"山😀", "\xE5\xB1\xB1\xF0\x9F\x98\x80", {}},
        {"UTF-8 with the mark", Encoding::Utf8Bom, u"山😀", "\xE5\xB1\xB1\xF0\x9F\x98\x80", {}},
        {"UTF-16LE", Encoding::Utf16Le, u"a山😀", "a\0\x71\x5C\x3D\xD8\x00\xDE"s, {}},
        {"UTF-16BE", Encoding::Utf16Be, u"a山😀", "\0a\x5C\x71\xD8\x3D\xDE\x00"s, {}},
        {"Shift-JIS emoji", Encoding::ShiftJis, u"a😀b¥", "", U'😀'},
        {"Shift-JIS yen sign is no backslash", Encoding::ShiftJis, u"¥", "", U'¥'},
        {"UTF-8 lone surrogate", Encoding::Utf8Bom, u"a\xD800", "", 0xD800},
    };
    for (const auto& [name, encoding, text, bytes, unencodable] : cases) {
        SCOPED_TRACE(name);
        const EncodedText encoded = encodeText(text, encoding);
        EXPECT_EQ(encoded.bytes, bytes);
        EXPECT_EQ(encoded.unencodable, unencodable);
        if (unencodable)
            continue;
        TextDecoder decoder(encoding);
        Text decoded;
        for (char b : std::string(byteOrderMark(encoding)) + bytes)
            decoder.decode(std::string_view(&b, 1), decoded);
        decoder.finish(decoded);
        EXPECT_EQ(decoded, text);
        EXPECT_EQ(decoder.undecodable(), 0u);
    }
}

TEST(TextEncoding, WhatCannotBeDecodedBecomesTheMiddleDot) {
    const std::tuple<const char*, Encoding, std::string, Text> cases[] = {
        {"Shift-JIS byte that is no character", Encoding::ShiftJis, "a\x80\x62", u"a・b"},
        {"Shift-JIS lead byte at the end", Encoding::ShiftJis, "a\x82", u"a・"},
        {"EUC-JP lead byte at the end", Encoding::EucJp, "a\xA4", u"a・"},
        {"UTF-8 overlong slash", Encoding::Utf8, "\xC0\xAF", u"・・"},
        {"UTF-8 surrogate", Encoding::Utf8, "\xED\xA0\x80", u"・・・"},
        {"UTF-8 cut at the end", Encoding::Utf8, "a\xE3\x81", u"a・・"},
        {"UTF-8 mark kept without the mark's encoding", Encoding::Utf8, "\xEF\xBB\xBF", u"\uFEFF"},
        {"UTF-16LE lone low surrogate", Encoding::Utf16Le, "\x00\xDC\x61\0"s, u"・a"},
        {"UTF-16LE high surrogate, odd byte at the end", Encoding::Utf16Le, "\x3D\xD8z", u"・・"},
    };
    for (const auto& [name, encoding, bytes, text] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(decodeText(bytes, encoding), text);
    }
}

TEST(QuotedFields, QuotesHoldDelimitersLineEndsAndQuotes) {
    // Lines with their end marks, and the records, "(too long)" for one
    // dropped over the bound of 20 characters.
    using Lines = std::vector<std::pair<Text, Text>>;
    const std::tuple<const char*, Lines, std::vector<std::vector<Text>>> cases[] = {
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
    for (const auto& [name, lines, expected] : cases) {
        SCOPED_TRACE(name);
        QuotedFieldSplitter splitter(u',', 20);
        std::vector<std::vector<Text>> records;
        std::vector<Text> fields;
        auto collect = [&](QuotedFieldSplitter::Status status) {
            if (status == QuotedFieldSplitter::Status::Record)
                records.push_back(fields);
            if (status == QuotedFieldSplitter::Status::TooLong)
                records.push_back({u"(too long)"});
        };
        for (const auto& [line, end] : lines)
            collect(splitter.addLine(line, end, fields));
        collect(splitter.finish(fields));
        EXPECT_EQ(records, expected);
    }
}

} // namespace
