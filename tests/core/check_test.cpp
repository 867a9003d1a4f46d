// A check run as the start button drives it: abandoned, on the sample
// files, past 999 entries, with the folds. fuzz_check compares the sort and
// the cross-check on small tables with a literal model of them.
#include "core/cp932.h"
#include "core/engine.h"
#include "core/result_lines.h"
#include "support/fake_window.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace vormak;
using namespace vormak::testing;

namespace {

class Check : public ::testing::Test {
protected:
    FakeWindow window;
    Engine engine{window};
    TempFolder folder;

    // Names the sides' files, inspected as on leaving their boxes, then types
    // what the files have no titles for: name in field 1, telephone in 2.
    void useFiles(std::u16string_view mobile, std::u16string_view addressBook) {
        for (Side side : kBothSides) {
            SideSettings& s = window.controls.side(side);
            s.path = side == Side::Mobile ? folder.write("keitai.csv", mobile)
                                          : folder.write("jyusyo.csv", addressBook);
            engine.ChkFile_LostFocus(side);
            s = {s.path, true, false, u"2", u"1", u"2"};
        }
    }
    // Runs the check, whose findings the list must show: their lines, or
    // with `starts` each line up to its message and "|".
    Text run(bool starts = false) {
        engine.Command3_Click();
        Text lines, shown;
        for (const Finding& f : engine.findings()) {
            lines += starts ? f.line.substr(0, f.messageAt) + u"|" : f.line + u"\n";
            shown += f.line + u"\n";
        }
        EXPECT_EQ(window.listed(), shown);
        return lines;
    }
};

TEST_F(Check, AnAbandonedRunEmptiesTheListAndReleasesTheWindow) {
    Text tooMany;
    for (int i = 0; i < 1000001; ++i)
        tooMany += u"K,1\r";
    // Name, the mobile file, yields before the window closes, whether the
    // address book's file goes while the mobile side is sorted, the message.
    const std::tuple<const char*, Text, int, bool, Text> cases[] = {
        {"a file that cannot be opened", u"A,1\rB,2", -1, true, u"住所録側ファイルが開けません\n"},
        {"more than a million records", tooMany, -1, false,
         u"携帯電話側 データが1000000件を超えています\n"},
        {"the window closed before the cross-check", u"A,1\rB,2", 2, false, u""},
    };
    for (const auto& [name, mobile, yieldsBeforeClose, removeAddressBook, message] : cases) {
        SCOPED_TRACE(name);
        useFiles(u"A,1\rB,2", u"A,1\rC,3");
        EXPECT_NE(run(), u"");
        useFiles(mobile, u"A,1\rC,3");
        window.messages.clear();
        window.yields = 0;
        window.yieldsBeforeClose = yieldsBeforeClose;
        window.onYield = [&] {
            if (removeAddressBook && window.statusLine == u"携帯側ソート中！")
                std::filesystem::remove(toUtf8(window.controls.side(Side::AddressBook).path));
        };
        EXPECT_EQ(run(), u"");
        EXPECT_EQ(window.shownMessages(), message);
        EXPECT_EQ(window.statusLine, u"検 査 中 止");
        EXPECT_TRUE(window.findingsVisible);
        EXPECT_FALSE(window.busy || window.locked);
        window.onYield = nullptr;
        window.yieldsBeforeClose = -1;
    }
}

TEST_F(Check, TheSampleFilesAndTheirUtf8CopiesGiveEveryKindOfFinding) {
    const auto examples = std::filesystem::path(__FILE__).parent_path() / "../../examples/";
    for (bool utf8 : {false, true}) {
        SCOPED_TRACE(utf8 ? "UTF-8 with the mark" : "Shift-JIS");
        // Named as the browse buttons do: each file is inspected at once.
        for (Side side : kBothSides) {
            const std::string name = side == Side::Mobile ? "keitai.csv" : "jyusyo.txt";
            const std::string bytes = readBytes((examples / name).string());
            SideSettings& s = window.controls.side(side);
            s.path =
                folder.writeBytes(name, utf8 ? "\xEF\xBB\xBF" + toUtf8(decodeCp932(bytes)) : bytes);
            s.commaSeparated = side == Side::Mobile;
            engine.ChkFile_LostFocus(side);
        }
        EXPECT_EQ(
            run(),
            u"1:026   携帯側に電話番号重複データあり （氏名=鈴木一郎、電話=09034561234）\n"
            u"2:007   住所側に電話番号重複データあり （氏名=中村陽子、電話=0661234567）\n"
            u"3:004   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=岡田光、電話=0459876543）\n"
            u"3:022   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=小川浩、電話=09012125656）\n"
            u"3:031   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない "
            u"（氏名=前田由紀、電話=09097531086）\n"
            u"4:009   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  "
            u"（氏名=藤田勇気、電話=08011223344）\n"
            u"4:021   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=小川浩、電話=09012123434）\n"
            u"4:028   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  "
            u"（氏名=後藤美穂、電話=09055667788）\n"
            u"5:011012携帯側と住所録側で氏名不一致 （電話番号=08027182818、氏名 携帯:近藤さとみ "
            u"住所録:近藤里美）\n"
            u"5:024025携帯側と住所録側で氏名不一致 （電話番号=09031415926、氏名 携帯:長谷川隆 "
            u"住所録:長谷川隆史）\n");
        EXPECT_EQ(window.shownMessages() + window.statusLine, u"検 査 終 了");
        EXPECT_EQ(window.recordCounts, (std::array<Text, 2>{u" 31", u" 31"}));
        // 山﨑 on the phone and 山崎 in the address book pair through the
        // conversion pair, their key fields without blanks and hyphens.
        const KeyTable &mobile = engine.KeyTbl(Side::Mobile),
                       &book = engine.KeyTbl(Side::AddressBook);
        EXPECT_EQ(Text(mobile.cell(10, 2)) + u"=" + Text(book.cell(11, 1)), u"山崎一郎=山崎一郎");
        EXPECT_TRUE(mobile.isPaired(10) && book.isPaired(11));
    }
}

// Above 999 entries a side, every entry number of the check takes as many
// digits as the larger count needs, and the result file still finds its
// records by them.
TEST_F(Check, EntryNumbersWidenPastNineHundredNinetyNineEntries) {
    // n people on both sides; the phone holds the first twice, the address
    // book the second twice, lacks one and has one of its own; the last
    // one's name differs.
    auto sides = [](int n) {
        Text mobile = u"M,00001\r", book = u"M,00002\r";
        for (int i = 1; i <= n; ++i) {
            const Text tel = entryNumber(i, 5);
            mobile += u"M," + tel + u"\r";
            if (i != n / 2)
                book += (i == n ? u"X," : u"M,") + tel + u"\r";
        }
        return std::pair{mobile, book + u"M,99999\r"};
    };
    const std::tuple<int, Text> cases[] = {
        {997, u"1:002|2:003|3:998|4:499|5:998997|"},
        {1200, u"1:0002|2:0003|3:1201|4:0601|5:12011200|"},
    };
    for (const auto& [n, starts] : cases) {
        SCOPED_TRACE(n);
        const auto [mobile, book] = sides(n);
        useFiles(mobile, book);
        EXPECT_EQ(run(true), starts);
    }
    // Each output side takes the records its checks name: the phone's
    // duplicate and missing entry and the mismatch for the address book.
    window.controls.result = {folder.path("kekka.csv"), Side::Mobile, true, false};
    engine.Command9_Click();
    EXPECT_EQ(readBytes(toUtf8(window.controls.result.path)), "M,00002\r\nM,00600\r\nM,01200\r\n");
    window.controls.result.recordsOf = Side::AddressBook;
    engine.Command9_Click();
    EXPECT_EQ(readBytes(toUtf8(window.controls.result.path)), "M,00001\r\nM,99999\r\nX,01200\r\n");
}

// The two folds make values meet that are written differently; the lines
// and the result file still show them as read.
TEST_F(Check, FoldedReadingsAndNumbersMeetOnlyWithTheirSwitch) {
    // Name, key, switch on, phone's record, address book's record, lines.
    const std::tuple<const char*, MatchKey, bool, Text, Text, Text> cases[] = {
        {"readings apart", MatchKey::Name, false, u"ﾔﾏﾀﾞﾀﾛｳ,1", u"やまだたろう,1", u"3:001|4:001|"},
        {"readings meet", MatchKey::Name, true, u"ﾔﾏﾀﾞﾀﾛｳ,1", u"やまだたろう,1", u""},
        {"numbers apart", MatchKey::Telephone, false, u"A,+81 90 1234 5678", u"A,090(1234)5678",
         u"3:001|4:001|"},
        {"numbers meet", MatchKey::Telephone, true, u"A,+81 90 1234 5678", u"A,090(1234)5678", u""},
    };
    for (const auto& [name, key, on, mobile, addressBook, starts] : cases) {
        SCOPED_TRACE(name);
        useFiles(mobile, addressBook);
        window.controls.key = key;
        window.controls.foldReadings = window.controls.foldNumbers = on;
        EXPECT_EQ(run(true), starts);
    }
    useFiles(u"A,+81 90 1234 5678", u"B,090(1234)5678");
    EXPECT_EQ(run(), u"5:001001携帯側と住所録側で氏名不一致 （電話番号=090(1234)5678、"
                     u"氏名 携帯:A 住所録:B）\n");
    window.controls.result = {folder.path("kekka.csv"), Side::AddressBook, true, false};
    engine.Command9_Click();
    EXPECT_EQ(readBytes(toUtf8(window.controls.result.path)), "B,090(1234)5678\r\n");
}

} // namespace
