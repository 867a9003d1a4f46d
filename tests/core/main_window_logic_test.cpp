#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

// "HikakuFldIti|Hikaku2FldIti" of a side.
static Text keyColumns(const FakeWindow& window, int side) {
    return window.text(indexed("HikakuFldIti", side)) + u"|" +
           window.text(indexed("Hikaku2FldIti", side));
}

TEST_F(EngineFixture, TheKeyChoiceSetsTheCaptionsAndKeyColumnsButNotTheChecks) {
    window.select("KanaNameHikaku");
    engine.Form_Load();
    EXPECT_FALSE(window.isVisible("ChkLst"));
    EXPECT_TRUE(window.isSelected("TelNoHikaku"));
    EXPECT_EQ(window.caption("DblChkJ"), u"2．住所録側の同一電話番号重複データ");
    EXPECT_EQ(window.caption("SubKeyErrChk"), u"5．同一電話番号で氏名が一致しないデータ");

    window.setChecked("KNonChk", false);
    window.setText("KanaNameIti(1)", u"2");
    window.setText("TelNoIti(1)", u"3");
    window.setText("KanaNameIti(2)", u"3");
    window.setText("TelNoIti(2)", u" 5x");
    window.select("KanaNameHikaku");
    engine.KanaNameHikaku_Click();
    EXPECT_EQ(window.caption("DblChkK"), u"1．携帯側の同一氏名重複データ");
    EXPECT_EQ(window.caption("KNonChk"), u"3．氏名データが、携帯側にないもの");
    EXPECT_EQ(window.caption("JNonChk"), u"4．氏名データが、住所録側にないもの");
    EXPECT_EQ(window.caption("SubKeyErrChk"), u"5．同一氏名で電話番号が一致しないデータ");
    EXPECT_EQ(keyColumns(window, 1) + u" " + keyColumns(window, 2), u"2|3 3| 5x");
    EXPECT_FALSE(window.isChecked("KNonChk"));
    // A position change updates the key columns of its side only.
    window.select("TelNoHikaku");
    window.setText("TelNoIti(1)", u"4");
    engine.TelNoIti_Change(1);
    EXPECT_EQ(keyColumns(window, 1) + u" " + keyColumns(window, 2), u"4|2 3| 5x");
}
