#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class RecordViewer : public EngineFixture {
protected:
    Texts shown() const { return window.listLines("RecLst"); }
};

TEST_F(RecordViewer, ListsEachFieldWithItsNumberRightAlignedInTwoCharacters) {
    Text line;
    for (int i = 1; i <= 13; ++i)
        line += decimal(i * 10) + (i < 13 ? u"," : u"");
    // Field 13 lies beyond the field count and is not listed; 11 and 12 are
    // missing from the record and listed empty.
    setSide(1, folder.write("v.csv", u"1,2,3,4,5,6,7,8,9,10\r" + line), u"12");
    engine.Command6_Click();
    EXPECT_EQ(shown(), (Texts{u" 1: 1", u" 2: 2", u" 3: 3", u" 4: 4", u" 5: 5", u" 6: 6", u" 7: 7",
                              u" 8: 8", u" 9: 9", u"10: 10", u"11: ", u"12: "}));
    engine.Command5_Click();
    EXPECT_EQ(shown().back(), u"12: 120");
    EXPECT_EQ(shown().size(), 12u);
}

TEST_F(RecordViewer, EachSideKeepsItsOwnPositionAndNextOpensAnUnopenedSide) {
    setSide(1, folder.write("one.csv", u"a1\ra2\ra3"), u"1");
    setSide(2, folder.write("two.csv", u"b1\rb2"), u"1");
    engine.Command5_Click(); // never opened: shows the first line
    EXPECT_EQ(shown(), (Texts{u" 1: a1"}));
    engine.Command5_Click();
    window.select("JyusyoDsp");
    EXPECT_EQ(shown(), (Texts{u" 1: a2"})); // switching alone changes nothing
    engine.Command5_Click();
    EXPECT_EQ(shown(), (Texts{u" 1: b1"}));
    window.select("KeitaiDsp");
    engine.Command5_Click();
    EXPECT_EQ(shown(), (Texts{u" 1: a3"}));
    engine.Command6_Click();
    EXPECT_EQ(shown(), (Texts{u" 1: a1"}));
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(RecordViewer, AtTheEndTheMessageIsShownAndTheLastRecordListedAgain) {
    setSide(1, folder.write("one.csv", u"only"), u"1");
    engine.Command6_Click();
    window.listClear("RecLst");
    engine.Command5_Click();
    EXPECT_EQ(window.messageTexts(), (Texts{u"データの上限に達しました"}));
    EXPECT_EQ(shown(), (Texts{u" 1: only"}));
}

TEST_F(RecordViewer, FieldCountZeroDoesNothingAndAboveTwentyListsTwenty) {
    setSide(1, folder.write("one.csv", u"x"), u"0");
    window.listAdd("RecLst", u"before");
    engine.Command6_Click();
    engine.Command5_Click();
    EXPECT_EQ(shown(), (Texts{u"before"}));
    EXPECT_FALSE(engine.isSideFileOpen(1));
    window.setText("FieldCnt(1)", u"25");
    engine.Command6_Click();
    EXPECT_EQ(shown().size(), 20u);
    EXPECT_EQ(shown()[19], u"20: ");
}

TEST_F(RecordViewer, AnUnopenableFileIsReportedAndTheListKept) {
    setSide(2, folder.path("gone.csv"), u"3");
    window.select("JyusyoDsp");
    window.listAdd("RecLst", u"before");
    engine.Command6_Click();
    EXPECT_EQ(window.messageTexts(), (Texts{u"住所録側ファイルが開けません"}));
    EXPECT_EQ(shown(), (Texts{u"before"}));
}

} // namespace
