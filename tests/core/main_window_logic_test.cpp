#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class MainWindow : public EngineFixture {
protected:
    Texts captions() const {
        Texts out;
        for (const char* box : {"DblChkK", "DblChkJ", "KNonChk", "JNonChk", "SubKeyErrChk"})
            out.push_back(window.caption(box));
        return out;
    }
    // "HikakuFldIti|Hikaku2FldIti" of a side.
    Text keyColumns(int side) const {
        return window.text(indexed("HikakuFldIti", side)) + u"|" +
               window.text(indexed("Hikaku2FldIti", side));
    }
};

TEST_F(MainWindow, LoadHidesTheListAndStartsWithTheTelephoneAsKey) {
    window.select("KanaNameHikaku");
    engine.Form_Load();
    EXPECT_FALSE(window.isVisible("ChkLst"));
    EXPECT_TRUE(window.isSelected("TelNoHikaku"));
    EXPECT_EQ(
        captions(),
        (Texts{u"1．携帯側の同一電話番号重複データ", u"2．住所録側の同一電話番号重複データ",
               u"3．電話番号データが、携帯側にないもの", u"4．電話番号データが、住所録側にないもの",
               u"5．同一電話番号で氏名が一致しないデータ"}));
}

TEST_F(MainWindow, TheKeyChoiceChangesCaptionsAndKeyColumnsButNotTheChecks) {
    window.setChecked("KNonChk", false);
    window.setText("KanaNameIti(1)", u"2");
    window.setText("TelNoIti(1)", u"3");
    window.select("KanaNameHikaku");
    engine.KanaNameHikaku_Click();
    EXPECT_EQ(captions(),
              (Texts{u"1．携帯側の同一氏名重複データ", u"2．住所録側の同一氏名重複データ",
                     u"3．氏名データが、携帯側にないもの", u"4．氏名データが、住所録側にないもの",
                     u"5．同一氏名で電話番号が一致しないデータ"}));
    EXPECT_EQ(keyColumns(1), u"2|3");
    EXPECT_EQ(keyColumns(2), u"|"); // positions not known yet
    EXPECT_FALSE(window.isChecked("KNonChk"));
    EXPECT_TRUE(window.isChecked("DblChkK"));
    window.select("TelNoHikaku");
    engine.TelNoHikaku_Click();
    EXPECT_EQ(keyColumns(1), u"3|2");
    EXPECT_EQ(window.caption("DblChkK"), u"1．携帯側の同一電話番号重複データ");
}

TEST_F(MainWindow, APositionChangeUpdatesTheKeyColumnsOfItsSideOnly) {
    window.select("KanaNameHikaku");
    window.setText("KanaNameIti(2)", u"3");
    window.setText("TelNoIti(2)", u" 5x");
    engine.KanaNameIti_Change(2);
    EXPECT_EQ(keyColumns(2), u"3| 5x");
    EXPECT_EQ(keyColumns(1), u"1|1");
    window.select("TelNoHikaku");
    window.setText("TelNoIti(2)", u"4");
    engine.TelNoIti_Change(2);
    EXPECT_EQ(keyColumns(2), u"4|3");
    engine.KanaNameIti_Change(2);
    EXPECT_EQ(keyColumns(2), u"4|3");
}

} // namespace
