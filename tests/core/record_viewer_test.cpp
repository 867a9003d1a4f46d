#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class RecordViewer : public EngineFixture {
protected:
    Texts shown() const { return window.listLines("RecLst"); }
};

TEST_F(RecordViewer, ListsTheFieldCountsFieldsWithTheirNumbersInTwoCharacters) {
    // Fields 11 and 12 are missing from the record; 13 lies beyond the count.
    setSide(1, folder.write("v.csv", u"1,2,3,4,5,6,7,8,9,10,,,13"), u"12");
    engine.Command6_Click();
    EXPECT_EQ(shown(), (Texts{u" 1: 1", u" 2: 2", u" 3: 3", u" 4: 4", u" 5: 5", u" 6: 6", u" 7: 7",
                              u" 8: 8", u" 9: 9", u"10: 10", u"11: ", u"12: "}));
    window.setText("FieldCnt(1)", u"25");
    engine.Command6_Click();
    EXPECT_EQ(shown().size(), 20u);
}

TEST_F(RecordViewer, EachSideKeepsItsPositionAndFirstStartsOver) {
    setSide(1, folder.write("one.csv", u"a1\ra2"), u"1");
    setSide(2, folder.write("two.csv", u"b1"), u"1");
    engine.Command5_Click(); // never opened: the first line
    engine.Command5_Click();
    window.select("JyusyoDsp");
    EXPECT_EQ(shown(), Texts{u" 1: a2"});
    engine.Command5_Click();
    EXPECT_EQ(shown(), Texts{u" 1: b1"});
    window.select("KeitaiDsp");
    engine.Command5_Click(); // at the end: the message, the same record
    EXPECT_EQ(shown(), Texts{u" 1: a2"});
    EXPECT_EQ(window.messageTexts(), Texts{u"データの上限に達しました"});
    engine.Command6_Click();
    EXPECT_EQ(shown(), Texts{u" 1: a1"});
}

TEST_F(RecordViewer, FieldCountZeroOrAnUnopenableFileLeavesTheList) {
    window.listAdd("RecLst", u"before");
    setSide(1, folder.write("one.csv", u"x"), u"0");
    engine.Command6_Click();
    engine.Command5_Click();
    EXPECT_FALSE(engine.isSideFileOpen(1));
    setSide(1, folder.path("gone.csv"), u"3");
    engine.Command6_Click();
    EXPECT_EQ(window.messageTexts(), Texts{u"携帯電話側ファイルが開けません"});
    EXPECT_EQ(shown(), Texts{u"before"});
}

} // namespace
