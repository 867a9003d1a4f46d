// vCard files of versions 2.1, 3.0 and 4.0 read as records of
// 氏名|フリガナ|電話番号|電話種別|メール|所属, one for each telephone number.
#include "core/vcard_reader.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

struct Read {
    std::vector<Text> records; // fields joined by "|"; "(too long)" for a refused card
    std::string version;
    Encoding resultEncoding;
};

Read readAll(const std::string& bytes) {
    TempFolder folder;
    VCardReader reader(toUtf8(folder.writeBytes("in.vcf", bytes)));
    Read read;
    std::vector<Text> record;
    for (VCardReader::Status s; (s = reader.next(record)) != VCardReader::Status::End;) {
        if (s == VCardReader::Status::Failed)
            break;
        Text joined = s == VCardReader::Status::TooLong ? u"(too long)" : record[0];
        for (size_t f = 1; s == VCardReader::Status::Record && f < record.size(); ++f)
            joined += u"|" + record[f];
        read.records.push_back(joined);
    }
    read.version = reader.versionSeen();
    read.resultEncoding = reader.resultEncoding();
    return read;
}

std::string card(const std::string& version, const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:" + version + "\r\n" + lines + "END:VCARD\r\n";
}

} // namespace

TEST(VCard, EachTelephoneNumberOfACardIsARecord) {
    const Encoding sjis = Encoding::ShiftJis, utf8 = Encoding::Utf8Bom;
    struct Case {
        const char* name;
        std::string file;
        std::vector<Text> records;
        std::string version;
        Encoding resultEncoding;
    } cases[] = {
        {"2.1 quoted-printable Shift-JIS, soft line break inside a character",
         card("2.1", "N;CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:=8E=\r\n=52=93=63;=91=BE=\r\n"
                     "=98=59;;;\r\n"
                     "SOUND;X-IRMC-N;CHARSET=SHIFT_JIS:\xD4\xCF\xC0\xDE;\xC0\xDB\xB3;;;\r\n"
                     "TEL;CELL;VOICE:090-1111-2222\r\n"),
         {u"山田 太郎|ﾔﾏﾀﾞ ﾀﾛｳ|090-1111-2222|CELL・VOICE||"},
         "2.1",
         sjis},
        {"2.1 without CHARSET in a Shift-JIS file",
         card("2.1", "FN;QUOTED-PRINTABLE:=8E=52=93=63\r\nORG:\x8A\x94\x8E\xAE\x89\xEF\x8E\xD0"
                     "\r\n"),
         {u"山田|||||株式会社"},
         "2.1",
         sjis},
        {"2.1 without CHARSET in a UTF-8 file, folded inside a character",
         card("2.1", "FN:\xE5\xB1\r\n \xB1\xE7\x94\xB0\r\n"),
         {u"山田|||||"},
         "2.1",
         utf8},
        {"Shift-JIS trail byte 5C before a semicolon, and an escaped comma",
         card("2.1", "ORG;CHARSET=SHIFT_JIS:\x83\x5C;\x83\x5C\\,1\r\n"),
         {u"|||||ソ ソ,1"},
         "2.1",
         sjis},
        {"3.0: three numbers, a fax and an empty one among them",
         card("3.0", "FN:山田 太郎\r\nN:山田;太郎;;;\r\nTEL;TYPE=CELL:090-1111-2222\r\n"
                     "item1.TEL;TYPE=FAX,WORK:03-1234-5678\r\nTEL:\r\nEMAIL:a@example.jp\r\n"
                     "EMAIL:b@example.jp\r\nORG:ABC;営業部\r\n"),
         {u"山田 太郎||090-1111-2222|CELL|a@example.jp|ABC 営業部",
          u"山田 太郎||03-1234-5678|FAX・WORK|a@example.jp|ABC 営業部",
          u"山田 太郎||||a@example.jp|ABC 営業部"},
         "3.0",
         utf8},
        {"3.0 phonetic name before SORT-STRING, family name first",
         card("3.0", "FN:a\r\nSORT-STRING:x\r\nX-PHONETIC-FIRST-NAME:タロウ\r\n"
                     "X-PHONETIC-LAST-NAME:ヤマダ\r\n"),
         {u"a|ヤマダ タロウ||||"},
         "3.0",
         utf8},
        {"3.0 fold cutting a UTF-8 character",
         card("3.0", "FN:\xE5\xB1\xB1\xE7\r\n \x94\xB0\r\nSORT-STRING:ヤマ\\,ダ\r\n"),
         {u"山田|ヤマ,ダ||||"},
         "3.0",
         utf8},
        {"4.0 tel URI",
         card("4.0",
              "N:山田;太郎;;;\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+81-90-1234-5678\r\n"),
         {u"山田 太郎||+81-90-1234-5678|voice・cell||"},
         "4.0",
         utf8},
        {"photo skipped, its folded lines too",
         card("3.0", "PHOTO;ENCODING=b;TYPE=JPEG:/9j/4AAQ\r\n TEL:999\r\nFN:C\r\nTEL:3\r\n"),
         {u"C||3|||"},
         "3.0",
         utf8},
        {"UTF-16LE file, whatever CHARSET says",
         "\xFF\xFE" + encodeText(u"BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:山田\r\n"
                                 u"TEL:1\r\nEND:VCARD\r\n",
                                 Encoding::Utf16Le)
                          .bytes,
         {u"山田||1|||"},
         "2.1",
         utf8},
        {"stray END ignored, BEGIN without END starts the next card",
         "END:VCARD\r\nBEGIN:VCARD\r\nFN:A\r\nbegin:vcard\r\nFN:B\r\nTEL:2\r\nEND:VCARD\r\n"
         "END:VCARD\r\nBEGIN:VCARD\nFN:C",
         {u"A|||||", u"B||2|||", u"C|||||"},
         "",
         sjis},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = readAll(c.file);
        EXPECT_EQ(read.records, c.records);
        EXPECT_EQ(read.version, c.version);
        EXPECT_EQ(read.resultEncoding, c.resultEncoding);
    }
}

TEST(VCard, ACardOverTheBoundIsRefusedAndReadingGoesOn) {
    const std::string photo = "PHOTO;ENCODING=BASE64:" + std::string(3 << 20, 'A') + "\r\n";
    const std::string longName = "FN:" + std::string(VCardReader::kMaxCardBytes, 'x') + "\r\n";
    const Read read =
        readAll(card("3.0", longName + "TEL:1\r\n") + card("3.0", photo + "FN:A\r\nTEL:2\r\n"));
    EXPECT_EQ(read.records, (std::vector<Text>{u"(too long)", u"A||2|||"}));
}

TEST(VCard, RecognisedByItsFirstLineThatIsNotBlank) {
    struct Case {
        const char* name;
        std::string leading;
        bool vcard;
    } cases[] = {
        {"plain", "BEGIN:VCARD\r\nVERSION:3.0", true},
        {"mark, blank lines, lower case", "\xEF\xBB\xBF\r\n \t\nbegin:vcard \r\n", true},
        {"UTF-16LE", std::string("\xFF\xFE\x42\0\x45\0\x47\0\x49\0\x4E\0:\0V\0C\0A\0R\0D\0", 24),
         true},
        {"CSV", "BEGIN:VCARD,x\r\n", false},
        {"nothing but blanks", "\r\n  \r\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VCardReader::looksLikeVCardStart(c.leading), c.vcard);
    }
}
