#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class FileInspection : public EngineFixture {
protected:
    // Inspects a file whose first line is `titles`; gives "name|tel|title box".
    Text inspect(int side, std::u16string_view titles) {
        window.setText(indexed("ChkFile", side), folder.write("in" + std::to_string(side) + ".csv",
                                                              Text(titles) + u"\rdata,line"));
        engine.ChkFile_LostFocus(side);
        return window.text(indexed("KanaNameIti", side)) + u"|" +
               window.text(indexed("TelNoIti", side)) + u"|" +
               (window.isChecked(indexed("TitleChk", side)) ? u"on" : u"off");
    }
};

TEST_F(FileInspection, TheFirstColumnWithATitleWordOfEachKindIsTaken) {
    EXPECT_EQ(inspect(1, u"ﾌﾘｶﾞﾅ,氏名,電話番号"), u"1|3|on");
    EXPECT_EQ(inspect(1, u"名前,携帯番号,TEL"), u"1|3|on");
    EXPECT_EQ(inspect(1, u"電話,姓名"), u"2|1|on");
    EXPECT_EQ(inspect(1, u"氏名電話"), u"1|1|on");
    EXPECT_EQ(inspect(2, u"\"ふりがな\",\"携帯電話\""), u"1|2|on");
    EXPECT_EQ(inspect(2, u"x,ナマエ,ﾃﾞﾝﾜ,Tel"), u"2|3|on");
    EXPECT_EQ(inspect(2, u"仮名,ＴＥＬ"), u"1|2|on");
    EXPECT_EQ(inspect(2, u"ﾅﾏｴ,Ｔｅｌ"), u"1|2|on");
    EXPECT_EQ(inspect(2, u"フリガナ,デンワ"), u"1|2|on");
}

TEST_F(FileInspection, WithoutBothTitlesTheTitleBoxIsUnchecked) {
    EXPECT_EQ(inspect(1, u"ﾔﾏﾀﾞ,090-1234-5678"), u"||off");
    EXPECT_EQ(inspect(1, u"name,tel"), u"||off");
    EXPECT_EQ(inspect(1, u"ｔｅｌ,氏名"), u"2||off");
    EXPECT_EQ(inspect(1, u"Phone,電話"), u"|2|off");
}

TEST_F(FileInspection, CountsTheFieldsAndShowsTheFirstLineInTheViewer) {
    inspect(2, u"氏名,電話,住所");
    EXPECT_EQ(window.text("FieldCnt(2)"), u"3");
    EXPECT_TRUE(window.isSelected("JyusyoDsp"));
    EXPECT_EQ(window.listLines("RecLst"), (Texts{u" 1: 氏名", u" 2: 電話", u" 3: 住所"}));
    // The side's file stands after the first line.
    engine.Command5_Click();
    EXPECT_EQ(window.listLines("RecLst").front(), u" 1: data");
}

TEST_F(FileInspection, AnUnreadableFileGivesFieldCountZeroSilently) {
    inspect(1, u"氏名,電話");
    window.setText("KanaNameIti(1)", u"5");
    window.setText("ChkFile(1)", folder.path("missing.csv"));
    window.select("JyusyoDsp");
    engine.ChkFile_LostFocus(1);
    EXPECT_EQ(window.text("FieldCnt(1)"), u"0");
    EXPECT_EQ(window.text("KanaNameIti(1)"), u"");
    EXPECT_EQ(window.text("TelNoIti(1)"), u"");
    EXPECT_FALSE(window.isChecked("TitleChk(1)"));
    EXPECT_TRUE(window.isSelected("KeitaiDsp"));
    EXPECT_EQ(window.listLines("RecLst"), (Texts{u" 1: 氏名", u" 2: 電話"}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(FileInspection, TitlesBeyondTheTwentiethFieldAreNotLookedAt) {
    Text titles;
    for (int i = 1; i <= 22; ++i)
        titles += i == 21 ? u"氏名," : i == 22 ? u"電話" : u"x,";
    EXPECT_EQ(inspect(1, titles), u"||off");
    EXPECT_EQ(window.text("FieldCnt(1)"), u"22");
}

} // namespace
