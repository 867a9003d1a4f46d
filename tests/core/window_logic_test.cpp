// What the window shows before a check: the captions that follow the match
// key, what an inspection finds in a file, the record viewer, and the
// messages that refuse a check's settings.
#include "core/engine.h"
#include "core/validation.h"
#include "support/fake_window.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

class WindowLogic : public ::testing::Test {
protected:
    TempFolder folder;
    FakeWindow window;
    Engine engine{window};
    SideSettings& book = window.controls.side(Side::AddressBook);

    // Inspects the address book's file as on leaving its box.
    void inspect(const Text& path) {
        book.path = path;
        engine.ChkFile_LostFocus(Side::AddressBook);
    }
};

TEST_F(WindowLogic, TheCheckCaptionsNameTheMatchKey) {
    engine.Form_Load();
    EXPECT_EQ(window.captions[0], u"1．携帯側の同一電話番号重複データ");
    engine.ChkBoxUp(MatchKey::Name);
    EXPECT_EQ(window.captions[4], u"5．同一氏名で電話番号が一致しないデータ");
}

TEST_F(WindowLogic, InspectionCountsTheFieldsAndTakesTheKeyColumnsFromTheTitles) {
    // The first line, CSV or TAB, and field count|name|telephone|title line.
    const std::tuple<Text, bool, Text> cases[] = {
        {u"ﾌﾘｶﾞﾅ,氏名,電話番号", true, u"3|1|3|on"},
        {u"名前,携帯番号,TEL", true, u"3|1|3|on"},
        {u"電話,姓名", true, u"2|2|1|on"},
        {u"氏名電話", true, u"1|1|1|on"},
        {u"\"ふりがな\",x,ＴＥＬ", true, u"3|1|3|on"},
        {u"ﾅﾏｴ,ﾃﾞﾝﾜ", true, u"2|1|2|on"},
        {u"name,tel,ｔｅｌ,,", true, u"5|||off"},
        {u"ﾔﾏﾀﾞ,電話", true, u"2||2|off"},
        {u"氏名,電話\tx", false, u"2|1|1|on"},
        {Text(20, u',') + u"氏名,電話", true, u"22|21|22|on"}, // a wide file
    };
    for (const auto& [firstLine, comma, found] : cases) {
        SCOPED_TRACE(toUtf8(firstLine));
        book.commaSeparated = comma;
        inspect(folder.write("book.csv", firstLine + u"\r\ndata"));
        EXPECT_EQ(book.fieldCount + u"|" + book.namePosition + u"|" + book.telPosition +
                      (book.titleLine ? u"|on" : u"|off"),
                  found);
        EXPECT_EQ(window.controls.viewerSide, Side::AddressBook);
    }
    EXPECT_EQ(window.recordLines.front(), u" 1: "); // the title line in the viewer
    EXPECT_EQ(window.shownMessages(), u"");
}

TEST_F(WindowLogic, InspectionShowsWhyAFileHasNoFieldsUntilOneHasSome) {
    const std::pair<Text, Text> cases[] = {
        {folder.path("none.csv"), u"住所録側ファイルが見つかりません"},
        {folder.path(""), u"住所録側ファイルはフォルダです"},
        {folder.write("empty.csv", u""), u"住所録側ファイルは空です"},
        {folder.write("blank.csv", u"\r\n氏名,電話"), u"住所録側ファイルは空です"},
    };
    for (const auto& [path, status] : cases) {
        SCOPED_TRACE(toUtf8(path));
        book = {u"", true, true, u"3", u"1", u"2"};
        inspect(path);
        EXPECT_EQ(window.statusLine, status);
        EXPECT_EQ(book.fieldCount + book.namePosition + book.telPosition, u"0");
        EXPECT_FALSE(book.titleLine);
    }
    inspect(folder.write("book.csv", u"氏名,電話\r\n"));
    EXPECT_EQ(window.statusLine, u"①から④の順に指定して⑤を実行して下さい");
    EXPECT_EQ(window.shownMessages(), u"");
}

TEST_F(WindowLogic, TheViewerShowsTheNextRecordOfItsSideFieldByField) {
    inspect(folder.write("book.csv", u"1,2,3,4,5,6,7,8,9,10,,,13\ra2"));
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

} // namespace
