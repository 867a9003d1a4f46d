// Reading what the user gives: numbers typed into boxes, the lines of an
// input file and the fields of a record as they are cleaned on the way in;
// the encodings and line ends of today's files, quoted CSV fields, and vCards
// of versions 2.1, 3.0 and 4.0, and large files read in bounded memory.
// fuzz_text_encoding and fuzz_vcard_reader add what holds for any bytes.
#include "core/cp932.h"
#include "core/engine.h"
#include "core/line_reader.h"
#include "core/quoted_fields.h"
#include "core/side_reader.h"
#include "core/text_encoding.h"
#include "core/vcard_reader.h"
#include "support/fake_window.h"
#include "support/temp_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace vormak;
using namespace vormak::testing;
using namespace std::string_literals;

namespace {

TEST(NumericValue, ReadsTheNumberATextBeginsWithAndRoundsIt) {
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
    // Whole numbers round halves to even and stay in 16 bits.
    const std::pair<Text, int> wholes[] = {
        {u"0.5", 0}, {u"1.5", 2},     {u"2.5", 2},       {u"-2.5", -2},       {u"2.4999", 2},
        {u"2.6", 3}, {u"1e9", 32767}, {u"-1e9", -32768}, {u"&HFFFFF", 32767}, {u" 3.5x", 4},
    };
    for (const auto& [text, whole] : wholes) {
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

// A vCard file as read: the version its cards give and the encoding of a
// result file, then each record's fields joined by "|", "(too long)" for a
// card refused.
Text readCards(const std::string& path) {
    VCardReader reader(path);
    Text read;
    std::vector<Text> record;
    using enum VCardReader::Status;
    for (VCardReader::Status s; (s = reader.next(record)) != End && s != Failed;) {
        for (size_t f = 0; s == Record && f < record.size(); ++f)
            read += (f ? u"|" : u"") + record[f];
        read += s == TooLong ? u"(too long)\n" : u"\n";
    }
    return fromUtf8(reader.versionSeen()) +
           (reader.resultEncoding() == Encoding::ShiftJis ? u" Shift-JIS\n" : u" UTF-8\n") + read;
}

std::string card(const std::string& version, const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCard, EachTelephoneNumberOfACardIsARecord) {
    // Name, the file, and what is read.
    const std::tuple<const char*, std::string, Text> cases[] = {
        {"2.1 quoted-printable Shift-JIS, soft line break inside a character",
         card("2.1",
              "N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=8E=\r\n=52=93=63;=91=BE=\r\n"
              "=98=59;;;\r\nSOUND;X-IRMC-N;CHARSET=SHIFT_JIS:\xD4\xCF\xC0\xDE;\xC0\xDB\xB3;;;"
              "\r\nTEL;CELL;VOICE:090-1111-2222\r\n"),
         u"2.1 Shift-JIS\n山田 太郎|ﾔﾏﾀﾞ ﾀﾛｳ|090-1111-2222|CELL・VOICE||\n"},
        {"2.1 without CHARSET in a UTF-8 file, folded inside a character",
         card("2.1", "FN:\xE5\xB1\r\n \xB1\xE7\x94\xB0\r\n"), u"2.1 UTF-8\n山田|||||\n"},
        {"Shift-JIS trail byte 5C before a semicolon, and an escaped comma",
         card("2.1", "ORG;CHARSET=SHIFT_JIS:\x83\x5C;\x83\x5C\\,1\r\n"),
         u"2.1 Shift-JIS\n|||||ソ ソ,1\n"},
        {"3.0: three numbers, a fax and an empty one; a photo passed over, its folds too",
         card("3.0",
              "FN:山田 太郎\r\nN:山田;太;;;\r\nSORT-STRING:ﾔﾏﾀﾞ\r\nTEL;TYPE=CELL:090-1111-2222\r\n"
              "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\n TEL:999\r\n"
              "item1.TEL;TYPE=FAX,WORK:03-1234-5678\r\nTEL:\r\nEMAIL:a@example.jp\r\n"
              "EMAIL:b@example.jp\r\nORG:ABC;営業部\r\n"),
         u"3.0 UTF-8\n山田 太郎|ﾔﾏﾀﾞ|090-1111-2222|CELL|a@example.jp|ABC 営業部\n"
         u"山田 太郎|ﾔﾏﾀﾞ|03-1234-5678|FAX・WORK|a@example.jp|ABC 営業部\n"
         u"山田 太郎|ﾔﾏﾀﾞ|||a@example.jp|ABC 営業部\n"},
        {"3.0 phonetic name before SORT-STRING, family name first",
         card("3.0", "FN:a\r\nSORT-STRING:x\r\nX-PHONETIC-FIRST-NAME:タロウ\r\n"
                     "X-PHONETIC-LAST-NAME:ヤマダ\r\n"),
         u"3.0 UTF-8\na|ヤマダ タロウ||||\n"},
        {"4.0 tel URI",
         card("4.0",
              "N:山田;太郎;;;\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+81-90-1234-5678\r\n"),
         u"4.0 UTF-8\n山田 太郎||+81-90-1234-5678|voice・cell||\n"},
        {"UTF-16LE file, whatever CHARSET says",
         bytesOf(
             u"BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:山田\r\nTEL:1\r\nEND:VCARD\r\n",
             Encoding::Utf16Le),
         u"2.1 UTF-8\n山田||1|||\n"},
        {"stray END ignored, BEGIN without END starts the next card",
         "END:VCARD\r\nBEGIN:VCARD\r\nFN:A\r\nbegin:vcard\r\nFN:B\r\nTEL:2\r\nEND:VCARD\r\n"
         "END:VCARD\r\nBEGIN:VCARD\nFN:C",
         u" Shift-JIS\nA|||||\nB||2|||\nC|||||\n"},
    };
    for (const auto& [name, file, expected] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        EXPECT_EQ(readCards(toUtf8(folder.writeBytes("in.vcf", file))), expected);
    }
}

TEST(VCard, RecognisedByItsFirstLineThatIsNotBlank) {
    const std::tuple<const char*, std::string, bool> cases[] = {
        {"mark, blank lines, lower case", "\xEF\xBB\xBF\r\n \t\nbegin:vcard \r\nVERSION:3.0", true},
        {"UTF-16LE", encodeText(u"\uFEFFBEGIN:VCARD", Encoding::Utf16Le).bytes, true},
        {"CSV", "BEGIN:VCARD,x\r\n", false},
        {"nothing but blanks", "\r\n  \r\n", false},
    };
    for (const auto& [name, leading, vcard] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(VCardReader::looksLikeVCardStart(leading), vcard);
    }
}

// The peak resident size of this process image, in KiB; not, as
// getrusage's, of the process that started it.
long peakKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line) && !line.starts_with("VmHWM:")) {
    }
    return line.empty() ? 0 : std::stol(line.substr(6));
}

// Runs the step in a fresh process of its own, which removes the folder it
// made: the step must hold, and grow the peak resident size by at most `mib`
// MiB.
void expectBounded(const TempFolder& folder, long mib, const std::function<bool()>& step) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // Freed memory that AddressSanitizer holds back is no growth.
    const char* asan = std::getenv("ASAN_OPTIONS");
    ::setenv("ASAN_OPTIONS", (std::string(asan ? asan : "") + ":quarantine_size_mb=8").c_str(), 1);
    EXPECT_EXIT(
        {
            ::alarm(60); // a step that never ends fails too
            const long start = peakKiB();
            const bool held = step();
            const long grown = peakKiB() - start;
            std::fprintf(stderr, "held: %d; grown by %ld KiB\n", held, grown);
            std::filesystem::remove_all(toUtf8(folder.path("")));
            std::exit(held && grown <= mib * 1024 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// `head`, `mib` MiB of `fill` (zero bytes take no disk space), then `tail`.
std::string makeFile(const std::string& path, const std::string& head, long long mib, char fill,
                     const std::string& tail = "") {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const std::string block(fill ? 1 << 20 : 0, fill);
    const off_t end = static_cast<off_t>(head.size()) + (mib << 20);
    bool ok = fd >= 0 && ::write(fd, head.data(), head.size()) == ssize_t(head.size());
    for (long long i = 0; ok && fill && i < mib; ++i)
        ok = ::write(fd, block.data(), block.size()) == ssize_t(block.size());
    ok = ok && ::ftruncate(fd, end) == 0 &&
         ::pwrite(fd, tail.data(), tail.size(), end) == ssize_t(tail.size());
    ::close(fd);
    return ok ? path : throw std::runtime_error("cannot write " + path);
}

// 1 GiB without a line end, twice, and a 100 MB photo; a 2.1 card whose name
// is not ASCII has the file's encoding judged on a second pass over it all.
TEST(Memory, VCardsAreReadWithin16MiB) {
    TempFolder folder;
    const std::string cards = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:",
                      next = "\r\nTEL:1\r\nEND:VCARD\r\n" + cards + "B\r\nTEL:2\r\nEND:VCARD\r\n";
    const std::pair<std::string, Text> cases[] = {
        {makeFile(toUtf8(folder.path("value.vcf")),
                  "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:\x8E\x52\r\nNOTE:", 1024, 0),
         u"2.1 Shift-JIS\n山|||||\n"},
        {makeFile(toUtf8(folder.path("name.vcf")), cards, 1024, 0, next),
         u"3.0 UTF-8\n(too long)\nB||2|||\n"},
        {makeFile(toUtf8(folder.path("photo.vcf")), cards + "A\r\nPHOTO;ENCODING=b:", 100, 0, next),
         u"3.0 UTF-8\nA||1|||\nB||2|||\n"},
    };
    for (const auto& [path, read] : cases) {
        SCOPED_TRACE(path);
        expectBounded(folder, 16,
                      [&] { return VCardReader::looksLikeVCard(path) && readCards(path) == read; });
    }
}

// A file picked by mistake, 128 MiB of letters without a line end, read by
// today's reader (no carriage return) and by the classic one (one at the
// end), through the field count, the inspection, the viewer and a check;
// 1 GiB of zero bytes is no text at all.
TEST(Memory, ALineWithoutEndIsRefusedWithin64MiB) {
    TempFolder folder;
    const std::string today = makeFile(toUtf8(folder.path("today.csv")), "", 128, 'a');
    const std::string classic = makeFile(toUtf8(folder.path("classic.csv")), "", 128, 'a', "\r");
    const std::string zeros = makeFile(toUtf8(folder.path("zeros.csv")), "", 1024, 0);
    expectBounded(folder, 64, [&] {
        FakeWindow window;
        Engine engine(window);
        bool quiet = fileProblem(zeros) == FileProblem::NotText;
        for (Side side : kBothSides) {
            SideSettings& s = window.controls.side(side);
            s.path = fromUtf8(side == Side::Mobile ? today : classic);
            engine.ChkFile_LostFocus(side);
            quiet = quiet && s.fieldCount == u"0" && window.messages.empty() &&
                    FieldCntGet(toUtf8(s.path), u',') == 0;
            // Counts and positions typed by hand, as a user would to force it.
            s = {s.path, true, false, u"2", u"1", u"2"};
        }
        for (Side side : kBothSides) {
            window.controls.viewerSide = side;
            engine.Command6_Click();
        }
        engine.Command3_Click();
        const Text mobile = u"携帯電話側ファイルに長すぎる行があります\n";
        return quiet && window.statusLine == u"検 査 中 止" && !window.busy && !window.locked &&
               window.shownMessages() ==
                   mobile + u"住所録側ファイルに長すぎる行があります\n" + mobile;
    });
}

} // namespace
