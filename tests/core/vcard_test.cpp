// vCard files of versions 2.1, 3.0 and 4.0 read as records of
// 氏名|フリガナ|電話番号|電話種別|メール|所属, one for each telephone number.
// memory_bounds reads cards over the bound; fuzz_vcard_reader any bytes.
#include "core/vcard_reader.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

std::string card(const std::string& version, const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

TEST(VCard, EachTelephoneNumberOfACardIsARecord) {
    // Name, the file, and what is read: the version the cards give, the
    // encoding of a result file, then each record's fields joined by "|".
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
         "\xFF\xFE" + encodeText(u"BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:山田\r\n"
                                 u"TEL:1\r\nEND:VCARD\r\n",
                                 Encoding::Utf16Le)
                          .bytes,
         u"2.1 UTF-8\n山田||1|||\n"},
        {"stray END ignored, BEGIN without END starts the next card",
         "END:VCARD\r\nBEGIN:VCARD\r\nFN:A\r\nbegin:vcard\r\nFN:B\r\nTEL:2\r\nEND:VCARD\r\n"
         "END:VCARD\r\nBEGIN:VCARD\nFN:C",
         u" Shift-JIS\nA|||||\nB||2|||\nC|||||\n"},
    };
    for (const auto& [name, file, expected] : cases) {
        SCOPED_TRACE(name);
        TempFolder folder;
        VCardReader reader(toUtf8(folder.writeBytes("in.vcf", file)));
        Text read;
        std::vector<Text> record;
        for (VCardReader::Status s; (s = reader.next(record)) == VCardReader::Status::Record;) {
            for (size_t f = 0; f < record.size(); ++f)
                read += (f ? u"|" : u"") + record[f];
            read += u"\n";
        }
        EXPECT_EQ(
            fromUtf8(reader.versionSeen()) +
                (reader.resultEncoding() == Encoding::ShiftJis ? u" Shift-JIS\n" : u" UTF-8\n") +
                read,
            expected);
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

} // namespace
