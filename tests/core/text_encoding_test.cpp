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

// The encoding from the first 64 KiB; LF line ends only for a file without
// any carriage return.
TEST(TextEncoding, AFileProbeDecidesTheEncodingAndTheLineEnds) {
    using enum Encoding;
    using enum LineEnds;
    using R = TextFileProbe::Result;
    const Text contacts = u"山田太郎,090-1234-5678\n鈴木花子,080-1111-2222\nヤマダ タロウ\n";
    const std::string sjis = bytesOf(contacts, ShiftJis);
    std::string noEncoding;
    for (int i = 0; i < 8; ++i)
        noEncoding += "\x80\xFD\xA0\xFF";
    const std::tuple<const char*, std::string, R, Encoding, LineEnds> cases[] = {
        {"UTF-8 mark", "\xEF\xBB\xBF\x61\r\n", R::Text, Utf8Bom, Classic},
        {"UTF-16LE mark, 」 (U+300D) holds no CR", "\xFF\xFE\x0D\x30\n\0"s, R::Text, Utf16Le, Lf},
        {"UTF-16LE CR", "\xFF\xFE\r\0\n\0"s, R::Text, Utf16Le, Classic},
        {"UTF-16BE mark", "\xFE\xFF\0\x61\0\n"s, R::Text, Utf16Be, Lf},
        {"UTF-8 without a mark", "\xE5\xB1\xB1\xE7\x94\xB0\r", R::Text, Utf8, Classic},
        {"ASCII only, CR alone", "a,b\rc\n", R::Text, ShiftJis, Classic},
        {"Shift-JIS, LF", sjis, R::Text, ShiftJis, Lf},
        {"Shift-JIS with a damaged byte", sjis + "\xFF" + sjis, R::Text, ShiftJis, Lf},
        {"EUC-JP", bytesOf(contacts, EucJp), R::Text, EucJp, Lf},
        {"EUC-JP too short to be sure of", bytesOf(u"山田太郎", EucJp), R::Text, ShiftJis, Lf},
        {"one CR far beyond the first block", std::string(200000, '\n') + "\r", R::Text, ShiftJis,
         Classic},
        {"NUL byte", "a\0b"s, R::NotText, ShiftJis, Classic},
        {"NUL code unit in UTF-16", "\xFF\xFE\0\0"s, R::NotText, ShiftJis, Classic},
        {"bytes no encoding reads", noEncoding, R::NotText, ShiftJis, Classic},
    };
    TempFolder folder;
    for (const auto& [name, bytes, result, encoding, lineEnds] : cases) {
        SCOPED_TRACE(name);
        const TextFileProbe probe = probeTextFile(toUtf8(folder.writeBytes("in", bytes)));
        EXPECT_EQ(probe.result, result);
        EXPECT_EQ(probe.encoding, encoding);
        EXPECT_EQ(probe.lineEnds, lineEnds);
    }
    EXPECT_EQ(probeTextFile(toUtf8(folder.path("missing"))).result, R::Unreadable);
    EXPECT_EQ(probeTextFile(toUtf8(folder.path(""))).result, R::Unreadable); // a folder
    // UTF-8 cut at the end of a sample that is not the whole file.
    EXPECT_EQ(detectEncoding("\xE5\xB1\xB1\xE7\x94", false), Utf8);
}

// Exact bytes each way (decoded one byte at a time, after the mark), or the
// first character the encoding cannot hold, and then no bytes at all.
TEST(TextEncoding, TextAndItsBytesEachWay) {
    using enum Encoding;
    const std::tuple<const char*, Encoding, Text, std::string, std::optional<char32_t>> cases[] = {
        {"Shift-JIS", ShiftJis, u"山ｱ①～a\r\n", "\x8E\x52\xB1\x87\x40\x81\x60\x61\r\n", {}},
        {"EUC-JP", EucJp, u"山ｱ①～a", "\xBB\xB3\x8E\xB1\xAD\xA1\xA1\xC1\x61", {}},
        {"UTF-8", Utf8, u"山😀", "\xE5\xB1\xB1\xF0\x9F\x98\x80", {}},
        {"UTF-8 with the mark", Utf8Bom, u"山😀", "\xE5\xB1\xB1\xF0\x9F\x98\x80", {}},
        {"UTF-16LE", Utf16Le, u"a山😀", "a\0\x71\x5C\x3D\xD8\x00\xDE"s, {}},
        {"UTF-16BE", Utf16Be, u"a山😀", "\0a\x5C\x71\xD8\x3D\xDE\x00"s, {}},
        {"Shift-JIS emoji", ShiftJis, u"a😀b¥", "", U'😀'},
        {"Shift-JIS yen sign is no backslash", ShiftJis, u"¥", "", U'¥'},
        {"UTF-8 lone surrogate", Utf8Bom, u"a\xD800", "", 0xD800},
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
    using enum Encoding;
    const std::tuple<const char*, Encoding, std::string, Text> cases[] = {
        {"Shift-JIS byte that is no character", ShiftJis, "a\x80\x62", u"a・b"},
        {"Shift-JIS lead byte at the end", ShiftJis, "a\x82", u"a・"},
        {"EUC-JP lead byte at the end", EucJp, "a\xA4", u"a・"},
        {"UTF-8 overlong slash", Utf8, "\xC0\xAF", u"・・"},
        {"UTF-8 surrogate", Utf8, "\xED\xA0\x80", u"・・・"},
        {"UTF-8 cut at the end", Utf8, "a\xE3\x81", u"a・・"},
        {"UTF-8 mark kept without the mark's encoding", Utf8, "\xEF\xBB\xBF", u"\uFEFF"},
        {"UTF-16LE lone low surrogate", Utf16Le, "\x00\xDC\x61\0"s, u"・a"},
        {"UTF-16LE high surrogate, odd byte at the end", Utf16Le, "\x3D\xD8z", u"・・"},
    };
    for (const auto& [name, encoding, bytes, text] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(decodeText(bytes, encoding), text);
    }
}

TEST(QuotedFields, QuotesHoldDelimitersLineEndsAndQuotes) {
    // The text, split into lines at CR LF, CR or LF; the records read with
    // a bound of 20 characters, "|" between the fields and "/" after each,
    // "(too long)" for one dropped.
    const std::tuple<const char*, Text, Text> cases[] = {
        {"comma inside quotes", u"a,\"b,c\",d\r\n", u"a|b,c|d/"},
        {"LF inside quotes", u"\"x\ny\",2", u"x\ny|2/"},
        {"doubled quote", u"\"say \"\"hi\"\"\",\n", u"say \"hi\"|/"},
        {"quote inside an unquoted field", u"5\"\n", u"5\"/"},
        {"text after the closing quote", u"\"a\"b,c\n", u"ab|c/"},
        {"empty line", u"\n", u"/"},
        {"quote never closed", u"a,\"b\rc", u"a|b\rc/"},
        {"record over the bound dropped", u"\"" + Text(22, u'x') + u"\n\",1\nok",
         u"(too long)/ok/"},
    };
    for (const auto& [name, text, expected] : cases) {
        SCOPED_TRACE(name);
        QuotedFieldSplitter splitter(u',', 20);
        Text records;
        std::vector<Text> fields;
        auto collect = [&](QuotedFieldSplitter::Status status) {
            for (size_t f = 0; status == QuotedFieldSplitter::Status::Record && f < fields.size();
                 ++f)
                records += fields[f] + (f + 1 < fields.size() ? u"|" : u"/");
            if (status == QuotedFieldSplitter::Status::TooLong)
                records += u"(too long)/";
        };
        for (size_t at = 0, end = 0; at < text.size(); at = end) {
            const size_t cut = std::min(text.find_first_of(u"\r\n", at), text.size());
            end = std::min(cut + (text.substr(cut, 2) == u"\r\n" ? 2 : 1), text.size());
            collect(splitter.addLine(std::u16string_view(text).substr(at, cut - at),
                                     std::u16string_view(text).substr(cut, end - cut), fields));
        }
        collect(splitter.finish(fields));
        EXPECT_EQ(records, expected);
    }
}

} // namespace
