// The window's commands as the engine carries them out: the inspection of a
// file, the viewer, the check (abandoned, on the sample files, past 999
// entries, with the folds), the result file, the printout, removing lines,
// and the conversion table file. fuzz_check compares the sort and the
// cross-check on small tables with a literal model of them; tests/cli checks
// the result file of the sample files byte for byte.
#include "core/cp932.h"
#include "core/engine.h"
#include "core/printer.h"
#include "core/result_lines.h"
#include "core/validation.h"
#include "support/fake_window.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace vormak;
using namespace vormak::testing;

namespace {

// The result file to correct the phone: the address book's records of
// checks 1, 3 and 5 with the phone's own duplicate.
const Text kForThePhone =
    u"ﾖﾐ,氏名,電話,備考,ｴﾗｰﾒｯｾｰｼﾞ\r\n"
    u"青木,ｱｵｷ,0901,   携帯側に電話番号重複データあり （氏名=青木、電話=0901）\r\n"
    u"ﾀﾅｶ,田中,0907,a,b,   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=田中、電話=0907）\r\n"
    u"ｻﾄｳ,佐東,0903,,携帯側と住所録側で氏名不一致 （電話番号=0903、氏名 携帯:佐藤 "
    u"住所録:佐東）\r\n";

class Commands : public ::testing::Test {
protected:
    TempFolder folder;
    FakeWindow window;
    Engine engine{window};
    SideSettings& mobile = window.controls.side(Side::Mobile);
    SideSettings& book = window.controls.side(Side::AddressBook);
    const Text result = folder.path("kekka.csv");

    // Names a side's file, inspected as on leaving its box.
    void inspect(Side side, const Text& path) {
        window.controls.side(side).path = path;
        engine.ChkFile_LostFocus(side);
    }
    // Names both sides' files, then types what they have no titles for:
    // name in field 1, telephone in field 2.
    void useFiles(std::u16string_view mobile, std::u16string_view addressBook) {
        for (Side side : kBothSides) {
            SideSettings& s = window.controls.side(side);
            inspect(side, side == Side::Mobile ? folder.write("keitai.csv", mobile)
                                               : folder.write("jyusyo.csv", addressBook));
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
    // The phone's file has name, reading, telephone; the address book's
    // reading, name, telephone, memo, TAB-separated. Writes them (with their
    // title lines or not, Shift-JIS or UTF-8 with the mark), inspects and
    // checks them: one line of each kind.
    void check(bool titles = true, bool utf8 = false) {
        const Text files[2] = {u"名前,ﾖﾐ,電話\r\n青木,ｱｵｷ,0901\r\n青木,ｱｵｷ,0901\r\n佐藤,ｻﾄｳ,"
                               u"0903\r\n上田,ｳｴﾀﾞ,0905\r\n",
                               u"ﾖﾐ\t氏名\t電話\t備考\r\nｱｵｷ\t青木\t0901\t会社\r\nｱｵｷ\t青木\t0901\t"
                               u"自宅\r\nｻﾄｳ\t佐東\t0903\t\r\nﾀﾅｶ\t田中\t0907\ta,b\r\n"};
        for (Side side : kBothSides) {
            const Text& file = files[sideIndex(side)];
            const Text content = titles ? file : file.substr(file.find(u'\n') + 1);
            SideSettings& s = window.controls.side(side);
            s.commaSeparated = side == Side::Mobile;
            inspect(side, folder.writeBytes(side == Side::Mobile ? "keitai.csv" : "jyusyo.txt",
                                            utf8 ? "\xEF\xBB\xBF" + toUtf8(content)
                                                 : encodeCp932(content)));
            if (!titles)
                s.namePosition = side == Side::Mobile ? u"1" : u"2", s.telPosition = u"3";
        }
        engine.Command3_Click();
        EXPECT_EQ(window.listed(),
                  u"1:002   携帯側に電話番号重複データあり （氏名=青木、電話=0901）\n"
                  u"2:002   住所側に電話番号重複データあり （氏名=青木、電話=0901）\n"
                  u"3:004   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=田中、電話=0907）\n"
                  u"4:004   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=上田、電話=0905）\n"
                  u"5:003003携帯側と住所録側で氏名不一致 （電話番号=0903、氏名 携帯:佐藤 "
                  u"住所録:佐東）\n");
        window.controls.result.path = result;
        window.messages.clear();
    }
};

// An inspection counts the fields and takes the key columns from the title
// words; for a file without fields the message line says why, until a file
// of the side has some.
TEST_F(Commands, InspectionCountsTheFieldsAndTakesTheKeyColumnsFromTheTitles) {
    const Text ready = window.statusLine;
    int files = 0;
    auto file = [&](const Text& firstLine) {
        return folder.write(std::to_string(++files) + ".csv", firstLine + u"\r\ndata");
    };
    // The file, CSV or TAB, and field count|name|telephone|title line|message line.
    const std::tuple<Text, bool, Text> cases[] = {
        {file(u"ﾌﾘｶﾞﾅ,氏名,電話番号"), true, u"3|1|3|on|" + ready},
        {folder.path("none.csv"), true, u"0|||off|住所録側ファイルが見つかりません"},
        {file(u"名前,携帯番号,TEL"), true, u"3|1|3|on|" + ready},
        {folder.path(""), true, u"0|||off|住所録側ファイルはフォルダです"},
        {file(u"電話,姓名"), true, u"2|2|1|on|" + ready},
        {folder.write("empty.csv", u""), true, u"0|||off|住所録側ファイルは空です"},
        {file(u"氏名電話"), true, u"1|1|1|on|" + ready},
        {folder.write("blank.csv", u"\r\n氏名,電話"), true, u"0|||off|住所録側ファイルは空です"},
        {file(u"\"ふりがな\",x,ＴＥＬ"), true, u"3|1|3|on|" + ready},
        {file(u"ﾅﾏｴ,ﾃﾞﾝﾜ"), true, u"2|1|2|on|" + ready},
        {file(u"name,tel,ｔｅｌ,,"), true, u"5|||off|" + ready},
        {file(u"ﾔﾏﾀﾞ,電話"), true, u"2||2|off|" + ready},
        {file(u"氏名,電話\tx"), false, u"2|1|1|on|" + ready},
        {file(Text(20, u',') + u"氏名,電話"), true, // a wide file tells the titles taken
         u"22|21|22|on|住所録側: Shift-JIS、CR LF、22項目、氏名=21「氏名」、電話=22「電話」"},
        // Today's exports: a name split into 姓 and 名 is joined; of several
        // telephone columns the one holding numbers is taken; English titles.
        {folder.write("google.csv", u"Name,Phone 1 - Type,Phone 1 - Value\nA,Mobile,090\n"), true,
         u"3|1|3|on|住所録側: Shift-JIS、LF、3項目、氏名=1「Name」、電話=3「Phone 1 - Value」"},
        {folder.write("outlook.csv", Text(20, u',') +
                                         u"名,秘書の名前,姓,アシスタントの電話,電話 (自宅)"
                                         u"\r\n" +
                                         Text(20, u',') + u"理恵,,池田,,070-1\r\n"),
         true,
         u"25|23|25|on|住所録側: Shift-JIS、CR LF、25項目、氏名=23「姓」+21「名」、電話=25「電話 "
         u"(自宅)」"},
    };
    for (const auto& [path, comma, found] : cases) {
        SCOPED_TRACE(toUtf8(path));
        book.commaSeparated = comma;
        inspect(Side::AddressBook, path);
        EXPECT_EQ(book.fieldCount + u"|" + book.namePosition + u"|" + book.telPosition +
                      (book.titleLine ? u"|on|" : u"|off|") + window.statusLine,
                  found);
    }
    EXPECT_EQ(window.controls.viewerSide, Side::AddressBook);
    EXPECT_EQ(window.recordLines.front(), u" 1: "); // the title line in the viewer
    EXPECT_EQ(window.shownMessages(), u"");
}

TEST_F(Commands, TheViewerShowsTheNextRecordOfItsSideFieldByField) {
    inspect(Side::AddressBook, folder.write("book.csv", u"1,2,3,4,5,6,7,8,9,10,,,13\ra2"));
    book.fieldCount = u"12";
    engine.Command6_Click();
    EXPECT_EQ(window.recordLines,
              (std::vector<Text>{u" 1: 1", u" 2: 2", u" 3: 3", u" 4: 4", u" 5: 5", u" 6: 6",
                                 u" 7: 7", u" 8: 8", u" 9: 9", u"10: 10", u"11: ", u"12: "}));
    book.fieldCount = u"300";
    engine.Command5_Click();
    EXPECT_EQ(window.recordLines.size(), 256u);
    EXPECT_EQ(window.recordLines[0], u" 1: a2");
    engine.Command5_Click(); // at the end: the same record
    EXPECT_EQ(window.recordLines[0] + window.shownMessages(), u" 1: a2データの上限に達しました\n");
}

TEST(Validation, TheFirstSettingThatFailsIsNamedAllGivenBeforeAnyInRange) {
    // Field counts, name positions, telephone positions of both sides.
    const std::array<const char16_t*, 7> cases[] = {
        {u"0", u"0", u"", u"", u"", u"", u"携帯電話側ファイルが指定されていません"},
        {u"3", u"00", u"", u"", u"", u"", u"住所録側ファイルが指定されていません "},
        {u"3", u"3", u"", u"", u"", u"", u"携帯電話側 氏名位置が指定されていません"},
        {u"3", u"3", u" 2x", u"abc", u"", u"", u"住所録側 氏名位置が指定されていません"},
        {u"3", u"3", u"1", u"1", u"0", u"", u"携帯電話側 電話位置が指定されていません"},
        {u"3", u"3", u"1", u"1", u"2", u"0 0", u"住所録側 電話位置が指定されていません"},
        // A negative or fractional value counts as given; the range refuses it.
        {u"257", u"-1", u"1", u"1", u"2", u"2", u"携帯電話側 項目数が正しくありません"},
        {u"20", u"2.5", u"1", u"1", u"2", u"2", u"住所録側 項目数が正しくありません"},
        {u"3", u"3", u"4", u"-1", u"2", u"2", u"携帯電話側 氏名位置が正しくありません"},
        {u"3", u"3", u"3", u"-1", u"2", u"2", u"住所録側 氏名位置が正しくありません"},
        {u"3", u"3", u"1", u"1", u"1.5", u"2", u"携帯電話側 電話位置が正しくありません"},
        {u"3", u"2", u"1", u"1", u"3", u"3", u"住所録側 電話位置が正しくありません"},
        {u"3", u"2", u"1", u"1", u"3", u"2", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(toUtf8(c[6]));
        Settings s;
        s.sides = {SideSettings{u"", true, true, c[0], c[2], c[4]},
                   SideSettings{u"", true, true, c[1], c[3], c[5]}};
        EXPECT_EQ(InputChk(s).value_or(u""), c[6]);
    }
}

TEST_F(Commands, AnAbandonedRunEmptiesTheListAndReleasesTheWindow) {
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

TEST_F(Commands, TheSampleFilesAndTheirUtf8CopiesGiveEveryKindOfFinding) {
    const auto examples = std::filesystem::path(__FILE__).parent_path() / "../../examples/";
    for (bool utf8 : {false, true}) {
        SCOPED_TRACE(utf8 ? "UTF-8 with the mark" : "Shift-JIS");
        // Named as the browse buttons do: each file is inspected at once.
        for (Side side : kBothSides) {
            const std::string name = side == Side::Mobile ? "keitai.csv" : "jyusyo.txt";
            const std::string bytes = readBytes((examples / name).string());
            window.controls.side(side).commaSeparated = side == Side::Mobile;
            inspect(side, folder.writeBytes(name, utf8 ? "\xEF\xBB\xBF" + toUtf8(decodeCp932(bytes))
                                                       : bytes));
        }
        // 山﨑 on the phone meets 山崎 in the address book through the first
        // conversion pair, their key fields without blanks and hyphens:
        // neither is missing.
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
    }
}

// Above 999 entries a side, every entry number of the check takes as many
// digits as the larger count needs, and the result file still finds its
// records by them.
TEST_F(Commands, EntryNumbersWidenPastNineHundredNinetyNineEntries) {
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
TEST_F(Commands, FoldedReadingsAndNumbersMeetOnlyWithTheirSwitch) {
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

// The file holds the records the findings name for the side to correct,
// unless a reason refuses it; the first reason is told.
TEST_F(Commands, TheResultFileOrTheFirstReasonToRefuseIt) {
    const Text changed =
        u"検査後にファイルまたは設定が変更されています。もう一度検査してください。\n出 力 中 止";
    const Text ask = u"既存のファイルです。\r書き換えてもいいですか？\n", done = u"出 力 終 了";
    auto abandonCheck = [&] {
        window.yieldsBeforeClose = 0;
        engine.Command3_Click();
    };
    auto output = [&](bool titles, bool utf8, Side recordsOf, bool comma, bool withMessage) {
        return [=, this] {
            check(titles, utf8);
            std::filesystem::remove(toUtf8(result));
            window.controls.result = {result, recordsOf, comma, withMessage};
        };
    };
    // Name, result file, what changes after the check, the messages shown
    // and the status after the output, the result file then.
    const std::tuple<const char*, const char*, std::function<void()>, Text, std::string> cases[] = {
        {"for the address book: TAB, no messages", "kekka.csv",
         output(true, false, Side::Mobile, false, false), done,
         encodeCp932(u"名前\tﾖﾐ\t電話\r\nｱｵｷ\t青木\t0901\t自宅\r\n上田\tｳｴﾀﾞ\t0905\r\n佐藤\tｻﾄｳ\t09"
                     u"03\r\n")},
        {"no title lines", "kekka.csv", output(false, false, Side::AddressBook, true, false), done,
         encodeCp932(u"青木,ｱｵｷ,0901\r\nﾀﾅｶ,田中,0907,a,b\r\nｻﾄｳ,佐東,0903,\r\n")},
        {"UTF-8 input: UTF-8 with the mark", "kekka.csv",
         output(false, true, Side::Mobile, true, false), done,
         "\xEF\xBB\xBFｱｵｷ,青木,0901,自宅\r\n上田,ｳｴﾀﾞ,0905\r\n佐藤,ｻﾄｳ,0903\r\n"},
        {"no result file named, before all", "", abandonCheck,
         u"結果ファイルが指定されていません\n検 査 中 止", "old"},
        {"no finished check, before an input file named", "keitai.csv", abandonCheck,
         u"検査結果がありません。先に検査を実行してください。\n出 力 中 止", "old"},
        {"an input file replaced on disk", "kekka.csv",
         [&] {
             std::filesystem::rename(toUtf8(folder.write("new", u"名前")), toUtf8(mobile.path));
         },
         changed, "old"},
        {"another input file named", "kekka.csv",
         [&] { mobile.path = folder.writeBytes("copy", readBytes(mobile.path)); }, changed, "old"},
        {"format", "kekka.csv", [&] { book.commaSeparated = true; }, changed, "old"},
        {"title flag", "kekka.csv", [&] { mobile.titleLine = false; }, changed, "old"},
        {"field count, before an input file named", "keitai.csv", [&] { book.fieldCount = u"3"; },
         changed, "old"},
        {"an input file named, before the question", "jyusyo.txt", [] {},
         u"検査対象ファイルには書き出せません\n検 査 終 了", "old"},
        {"an existing file kept on No", "kekka.csv", [&] { window.answers = {MessageAnswer::No}; },
         ask + u"検 査 終 了", "old"},
        {"a character Shift-JIS cannot hold, from a pair", "kekka.csv",
         [&] { window.controls.conversion[1].to = u"鷗"; },
         ask + u"結果ファイルに書けない文字があります：鷗\n出 力 中 止", "old"},
        {"for the phone: a check refused on its settings keeps the last one", "kekka.csv",
         [&] { mobile.namePosition.clear(), engine.Command3_Click(); },
         u"携帯電話側 氏名位置が指定されていません\n" + ask + done, encodeCp932(kForThePhone)},
    };
    for (const auto& [name, target, change, shown, bytes] : cases) {
        SCOPED_TRACE(name);
        window.yieldsBeforeClose = -1;
        window.controls.conversion[1] = {u"氏", u""}; // "氏" becomes "鷗" once there is a "to"
        check();
        writeBytes(toUtf8(result), "old");
        window.controls.result = {*target ? folder.path(target) : u"", Side::AddressBook, true,
                                  true};
        change();
        engine.Command9_Click();
        EXPECT_EQ(window.shownMessages() + window.statusLine, shown);
        EXPECT_EQ(readBytes(result), bytes);
        EXPECT_FALSE(window.busy || window.locked);
    }
}

// Records every call, one line each.
struct RecordingPrinter : Printer {
    Text calls, reason;
    void setPageProperty(int property, int value) override {
        calls += u"property " + decimal(property) + u"=" + decimal(value) + u"\n";
    }
    void setFontSize(double points) override { calls += u"font " + decimal(long(points)) + u"\n"; }
    void printLine(std::u16string_view line) override { (calls += line) += u"\n"; }
    bool endDocument() override { return (calls += u"end\n"), reason.empty(); }
    Text failureReason() const override { return reason; }
};

// Removing the selected lines keeps the others in order; printing prints
// the list in its order, landscape A4 at 12 points, and no job for none.
TEST_F(Commands, RemovingTheSelectedLinesThenPrintingWhatIsLeft) {
    // The selection, and the check numbers of the lines left.
    const std::pair<std::set<size_t>, Text> cases[] = {
        {{}, u"12345"}, {{1, 2, 3}, u"15"}, {{0, 4}, u"234"}, {{0, 1, 2, 3, 4}, u""}};
    for (const auto& [selection, left] : cases) {
        SCOPED_TRACE(toUtf8(left));
        check();
        window.selection = selection;
        engine.Command11_Click();
        Text numbers, lines;
        for (const Finding& f : engine.findings()) {
            numbers += f.line.substr(0, 1);
            lines += f.line + u"\n";
        }
        EXPECT_EQ(numbers, left);
        EXPECT_EQ(window.listed(), lines);
        EXPECT_TRUE(window.selection.empty());
        RecordingPrinter printer;
        window.selection = {0}; // plays no part
        engine.Command8_Click(printer);
        EXPECT_EQ(printer.calls, lines.empty()
                                     ? u""
                                     : u"property 1=2\nproperty 2=9\nfont 12\n" + lines + u"end\n");
        EXPECT_EQ(window.shownMessages(), u"");
    }
    RecordingPrinter refused;
    refused.reason = u"プリンタがありません";
    check();
    engine.Command8_Click(refused);
    EXPECT_EQ(window.shownMessages() + window.statusLine, u"印刷できません\nプリンタがありません");
}

// The table file lives in the current folder: each test has one of its own.
class TableFile : public Commands {
protected:
    const std::filesystem::path previous = std::filesystem::current_path();
    void SetUp() override { std::filesystem::current_path(toUtf8(folder.path(""))); }
    void TearDown() override { std::filesystem::current_path(previous); }

    // The four boxes as "from>to|" each, as a start that loads the table fills them.
    static Text loaded() {
        FakeWindow w;
        Engine(w).Form_Load();
        Text boxes;
        for (const auto& pair : w.controls.conversion)
            boxes += pair.from + u">" + pair.to + u"|";
        return boxes;
    }
};

TEST_F(TableFile, SavingStoresThePairsInUseTrimmedInShiftJis) {
    using Pairs = std::array<ConversionBoxes, kConversionPairs>;
    // Name, the boxes, the file, the message, the boxes after a restart.
    const std::tuple<const char*, Pairs, std::string, Text, Text> cases[] = {
        {"the initial pair",
         {{{u"﨑", u"崎"}}},
         "\"\xFA\xB1\",\"\x8D\xE8\"\r\n",
         u"",
         u"﨑>崎|>|>|>|"},
        {"pairs in use only, trimmed, at the lowest boxes",
         {{{u"\u3000", u"x"}, {u" ｱ ", u"\u3000ア"}, {u"", u"y"}, {u"①", u""}}},
         "\"\xB1\",\"\x83\x41\"\r\n\"\x87\x40\",\"\"\r\n",
         u"",
         u"ｱ>ア|①>|>|>|"},
        {"no pair: the initial one comes back", {{{u" ", u"崎"}}}, "", u"", u"﨑>崎|>|>|>|"},
        {"a character Shift-JIS cannot hold",
         {{{u"鴎", u"鷗"}}},
         "\"a\",\"b\"",
         u"機種依存文字ファイル（vormak.izn）に書けない文字があります：鷗\n",
         u"a>b|>|>|>|"},
    };
    for (const auto& [name, shown, bytes, message, afterRestart] : cases) {
        SCOPED_TRACE(name);
        writeBytes("vormak.izn", "\"a\",\"b\"");
        window.controls.conversion = shown;
        window.messages.clear();
        engine.Command12_Click();
        EXPECT_EQ(readBytes("vormak.izn"), bytes);
        EXPECT_EQ(window.shownMessages(), message);
        EXPECT_EQ(loaded(), afterRestart);
    }
}

TEST_F(TableFile, LoadingReadsQuotedOrBareFieldsTwoAtATimeAcrossLines) {
    // A quoted field ends at its closing quote and the rest up to the comma
    // is skipped; a bare field is trimmed; a line of one field takes its
    // partner from the next line; half a pair and a fifth pair are dropped.
    const std::pair<std::string, Text> cases[] = {
        {"  \"a b\"zz , c d \r\n\"e\"\r\nfgh\r\n\"\",\"i\"", u"a b>c d|e>fgh|>i|>|"},
        {"\"a\r\n\"b\",\"\r\n\"c\",\"d\"\r\n\"e\"", u"a>b|>c|d>e|>|"},
        {"1,a\r\n2,b\r\n3,c\r\n4,d\r\n5,e\r\n", u"1>a|2>b|3>c|4>d|"},
        {"\"\x92\x4A\",\"\x92\x6E\"\r\n\"x\"\r\n", u"谷>地|>|>|>|"},
    };
    EXPECT_EQ(loaded(), u"﨑>崎|>|>|>|"); // no file
    for (const auto& [file, boxes] : cases) {
        SCOPED_TRACE(file);
        writeBytes("vormak.izn", file);
        EXPECT_EQ(loaded(), boxes);
    }
}

} // namespace
