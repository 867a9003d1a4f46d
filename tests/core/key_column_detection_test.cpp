#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class FileInspection : public EngineFixture {
protected:
    // Inspects a file whose first line is `titles`; gives "name|tel|title box".
    Text inspect(std::u16string_view titles) {
        window.setText("ChkFile(2)", folder.write("in.csv", Text(titles) + u"\rdata"));
        engine.ChkFile_LostFocus(2);
        return window.text("KanaNameIti(2)") + u"|" + window.text("TelNoIti(2)") +
               (window.isChecked("TitleChk(2)") ? u"|on" : u"|off");
    }
};

TEST_F(FileInspection, TheFirstColumnWithATitleWordOfEachKindIsTaken) {
    EXPECT_EQ(inspect(u"ﾌﾘｶﾞﾅ,氏名,電話番号"), u"1|3|on");
    EXPECT_EQ(inspect(u"名前,携帯番号,TEL"), u"1|3|on");
    EXPECT_EQ(inspect(u"電話,姓名"), u"2|1|on");
    EXPECT_EQ(inspect(u"氏名電話"), u"1|1|on");
    EXPECT_EQ(inspect(u"\"ふりがな\",x,ＴＥＬ"), u"1|3|on");
    EXPECT_EQ(inspect(u"ﾅﾏｴ,ﾃﾞﾝﾜ"), u"1|2|on");
    EXPECT_EQ(inspect(u"name,tel,ｔｅｌ"), u"||off");
    EXPECT_EQ(inspect(u"ﾔﾏﾀﾞ,電話"), u"|2|off");
    EXPECT_EQ(inspect(u"x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,x,氏名,電話"), u"||off");
}

TEST_F(FileInspection, CountsTheFieldsAndLeavesTheFirstLineInTheViewer) {
    inspect(u"氏名,電話,住所");
    EXPECT_EQ(window.text("FieldCnt(2)"), u"3");
    EXPECT_EQ(window.listLines("RecLst"), (Texts{u" 1: 氏名", u" 2: 電話", u" 3: 住所"}));
    engine.Command5_Click();
    EXPECT_EQ(window.listLines("RecLst").front(), u" 1: data");
    // An unreadable file: count 0, positions emptied, no message.
    window.setText("ChkFile(2)", folder.path("missing.csv"));
    engine.ChkFile_LostFocus(2);
    EXPECT_EQ(window.text("FieldCnt(2)") + window.text("KanaNameIti(2)"), u"0");
    EXPECT_FALSE(window.isChecked("TitleChk(2)"));
    EXPECT_TRUE(window.messages.empty());
}

} // namespace
