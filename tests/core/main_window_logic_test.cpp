#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class MainWindow : public EngineFixture {
protected:
    // "HikakuFldIti|Hikaku2FldIti" of a side.
    Text keyColumns(int side) const {
        return window.text(indexed("HikakuFldIti", side)) + u"|" +
               window.text(indexed("Hikaku2FldIti", side));
    }
};

TEST_F(MainWindow, TheKeyChoiceSetsTheCaptionsAndKeyColumnsButNotTheChecks) {
    window.select("KanaNameHikaku");
    engine.Form_Load();
    EXPECT_FALSE(window.isVisible("ChkLst"));
    EXPECT_TRUE(window.isSelected("TelNoHikaku"));
    EXPECT_EQ(window.caption("DblChkJ"), u"2．住所録側の同一電話番号重複データ");
    EXPECT_EQ(window.caption("SubKeyErrChk"), u"5．同一電話番号で氏名が一致しないデータ");

    window.setChecked("KNonChk", false);
    window.setText("KanaNameIti(1)", u"2");
    window.setText("TelNoIti(1)", u"3");
    window.select("KanaNameHikaku");
    engine.KanaNameHikaku_Click();
    EXPECT_EQ(window.caption("DblChkK"), u"1．携帯側の同一氏名重複データ");
    EXPECT_EQ(window.caption("KNonChk"), u"3．氏名データが、携帯側にないもの");
    EXPECT_EQ(window.caption("JNonChk"), u"4．氏名データが、住所録側にないもの");
    EXPECT_EQ(window.caption("SubKeyErrChk"), u"5．同一氏名で電話番号が一致しないデータ");
    EXPECT_EQ(keyColumns(1) + u" " + keyColumns(2), u"2|3 |");
    EXPECT_FALSE(window.isChecked("KNonChk"));
}

TEST_F(MainWindow, APositionChangeUpdatesTheKeyColumnsOfItsSideOnly) {
    window.select("KanaNameHikaku");
    window.setText("KanaNameIti(2)", u"3");
    window.setText("TelNoIti(2)", u" 5x");
    engine.KanaNameIti_Change(2);
    EXPECT_EQ(keyColumns(2) + u" " + keyColumns(1), u"3| 5x 1|1");
    window.select("TelNoHikaku");
    engine.TelNoIti_Change(2);
    EXPECT_EQ(keyColumns(2), u" 5x|3");
}

} // namespace
