// What the user does with the findings of a check: the result file, the
// printout, removing lines; and the conversion table file. tests/cli checks
// the result file of the sample files byte for byte.
#include "core/cp932.h"
#include "core/engine.h"
#include "core/printer.h"
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

class Results : public ::testing::Test {
protected:
    TempFolder folder;
    FakeWindow window;
    Engine engine{window};
    const Text result = folder.path("kekka.csv");

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
            s.path =
                folder.writeBytes(side == Side::Mobile ? "keitai.csv" : "jyusyo.txt",
                                  utf8 ? "\xEF\xBB\xBF" + toUtf8(content) : encodeCp932(content));
            s.commaSeparated = side == Side::Mobile;
            engine.ChkFile_LostFocus(side);
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

// The file holds the records the findings name for the side to correct,
// unless a reason refuses it; the first reason is told.
TEST_F(Results, TheResultFileOrTheFirstReasonToRefuseIt) {
    const Text changed =
        u"検査後にファイルまたは設定が変更されています。もう一度検査してください。\n出 力 中 止";
    const Text ask = u"既存のファイルです。\r書き換えてもいいですか？\n", done = u"出 力 終 了";
    SideSettings& mobile = window.controls.side(Side::Mobile);
    SideSettings& book = window.controls.side(Side::AddressBook);
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
TEST_F(Results, RemovingTheSelectedLinesThenPrintingWhatIsLeft) {
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
class TableFile : public Results {
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
