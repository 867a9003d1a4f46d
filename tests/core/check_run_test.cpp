#include "engine_fixture.h"

#include <filesystem>

using namespace vormak;
using namespace vormak::testing;

namespace {

class CheckRun : public EngineFixture {
protected:
    void twoValidSides() {
        useFile(1, u"A,1\rB,2", u"2", u"1", u"2");
        useFile(2, u"A,1\rC,3", u"2", u"1", u"2");
    }
    // Sets the six settings and starts a run that must stop at validation.
    Text refusal(std::u16string_view f1, std::u16string_view f2, std::u16string_view n1,
                 std::u16string_view n2, std::u16string_view t1, std::u16string_view t2) {
        window.setText("FieldCnt(1)", f1);
        window.setText("FieldCnt(2)", f2);
        window.setText("KanaNameIti(1)", n1);
        window.setText("KanaNameIti(2)", n2);
        window.setText("TelNoIti(1)", t1);
        window.setText("TelNoIti(2)", t2);
        window.messages.clear();
        EXPECT_TRUE(engine.InputChk());
        EXPECT_EQ(window.messages.size(), 1u);
        return window.messages.empty() ? u"" : window.messages.back().text;
    }
    void expectAbandoned() {
        EXPECT_EQ(window.busyChanges, (std::vector<bool>{true, false}));
        EXPECT_FALSE(window.locked());
        EXPECT_FALSE(engine.operationInProgress());
        EXPECT_TRUE(window.isVisible("ChkLst"));
        EXPECT_EQ(results(), Texts{});
        EXPECT_EQ(window.text("JikkouMsg"), u"検 査 中 止");
    }
};

TEST_F(CheckRun, TheSixSettingsMustBeGivenInOrder) {
    EXPECT_EQ(refusal(u"0", u"0", u"", u"", u"", u""), u"携帯電話側ファイルが指定されていません");
    EXPECT_EQ(refusal(u"3", u"00", u"", u"", u"", u""), u"住所録側ファイルが指定されていません ");
    EXPECT_EQ(refusal(u"3", u"3", u"", u"", u"", u""), u"携帯電話側 氏名位置が指定されていません");
    EXPECT_EQ(refusal(u"3", u"3", u" 2x", u"abc", u"", u""),
              u"住所録側 氏名位置が指定されていません");
    EXPECT_EQ(refusal(u"3", u"3", u"1", u"1", u"0", u""),
              u"携帯電話側 電話位置が指定されていません");
    EXPECT_EQ(refusal(u"3", u"3", u"1", u"1", u"2", u"0 0"),
              u"住所録側 電話位置が指定されていません");
    const auto& m = window.messages.back();
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.title, u"Vormak");
}

TEST_F(CheckRun, GivenSettingsMustLieWithinTheRecord) {
    // A negative or fractional value counts as given; the range test refuses it.
    EXPECT_EQ(refusal(u"21", u"-1", u"1", u"1", u"2", u"2"),
              u"携帯電話側 項目数が正しくありません");
    EXPECT_EQ(refusal(u"20", u"2.5", u"1", u"1", u"2", u"2"), u"住所録側 項目数が正しくありません");
    EXPECT_EQ(refusal(u"3", u"3", u"4", u"1", u"2", u"2"),
              u"携帯電話側 氏名位置が正しくありません");
    EXPECT_EQ(refusal(u"3", u"3", u"3", u"-1", u"2", u"2"), u"住所録側 氏名位置が正しくありません");
    EXPECT_EQ(refusal(u"3", u"3", u"1", u"1", u"1.5", u"2"),
              u"携帯電話側 電話位置が正しくありません");
    EXPECT_EQ(refusal(u"3", u"2", u"1", u"1", u"3", u"3"), u"住所録側 電話位置が正しくありません");
    window.setText("TelNoIti(2)", u"2");
    window.messages.clear();
    EXPECT_FALSE(engine.InputChk());
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(CheckRun, ARefusedRunChangesNothing) {
    twoValidSides();
    engine.Command3_Click();
    window.setText("FieldCnt(1)", u"0");
    window.setText("JikkouMsg", u"before");
    const Text firstLine = results().at(0);
    window.busyChanges.clear();
    engine.Command3_Click();
    engine.Command3_Click();
    EXPECT_EQ(window.messageTexts(), (Texts{u"携帯電話側ファイルが指定されていません",
                                            u"携帯電話側ファイルが指定されていません"}));
    EXPECT_TRUE(window.busyChanges.empty());
    EXPECT_EQ(window.text("JikkouMsg"), u"before");
    EXPECT_EQ(results().at(0), firstLine);
    EXPECT_EQ(engine.KeyTbl(1, 1, 1), u"A");
}

TEST_F(CheckRun, ARunShowsItsProgressAndEndsWithTheListShown) {
    twoValidSides();
    Texts steps;
    window.onYield = [&] {
        Text step = window.text("JikkouMsg") + (window.isVisible("ChkLst") ? u" +" : u" -");
        if (steps.empty() || steps.back() != step)
            steps.push_back(step);
        EXPECT_TRUE(window.busy());
        EXPECT_TRUE(window.locked());
        return true;
    };
    engine.Command3_Click();
    EXPECT_EQ(steps, (Texts{u"携帯側ソート中！ -", u"住所録側ソート中！ -", u"突合わせ検査中！ -",
                            u"突合わせ検査中！ +", u"検 査 終 了 +"}));
    EXPECT_EQ(window.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_FALSE(window.locked());
    EXPECT_EQ(results().size(), 2u);
}

TEST_F(CheckRun, NothingOfAnEarlierRunSurvivesIntoTheNext) {
    useFile(1, u"A,1,x,y\rB,2,x,y\rC,3,x,y", u"4", u"1", u"2");
    useFile(2, u"A,1", u"2", u"1", u"2");
    engine.Command3_Click();
    useFile(1, u"A,1", u"2", u"1", u"2");
    engine.Command3_Click();
    EXPECT_EQ(engine.RecCnt(1), 1);
    EXPECT_EQ(engine.KeyTbl(1, 1, 3), u"");
    EXPECT_EQ(engine.KeyTbl(1, 2, 1), u"");
    EXPECT_EQ(engine.KeyTbl(1, 3, 0), u"");
}

TEST_F(CheckRun, AFileGoneSinceItsInspectionAbandonsTheRun) {
    twoValidSides();
    engine.Command3_Click();
    std::filesystem::remove(toUtf8(window.text("ChkFile(2)")));
    window.busyChanges.clear();
    engine.Command3_Click();
    EXPECT_EQ(window.messageTexts(), Texts{u"住所録側ファイルが開けません"});
    expectAbandoned();
}

TEST_F(CheckRun, MoreThan999RecordsOnASideAbandonTheRun) {
    Text lines;
    for (int i = 0; i < 1000; ++i)
        lines += u"K,1\r";
    useFile(1, u"A,1", u"2", u"1", u"2");
    useFile(2, lines, u"2", u"1", u"2");
    engine.Command3_Click();
    EXPECT_EQ(window.messageTexts(), Texts{u"住所録側 データが999件を超えています"});
    EXPECT_EQ(window.text("DtCnt(2)"), u" 999");
    expectAbandoned();
}

TEST_F(CheckRun, AWindowClosedDuringTheRunEndsItWithoutAMessage) {
    twoValidSides();
    int yields = 0;
    window.onYield = [&] { return ++yields < 3; };
    engine.Command3_Click();
    EXPECT_TRUE(window.messages.empty());
    expectAbandoned();
}

TEST_F(CheckRun, CommandsOnTheSharedDataDoNothingWhileARunIsInProgress) {
    twoValidSides();
    window.onYield = [&] {
        window.onYield = nullptr;
        engine.Command3_Click();
        engine.Command5_Click();
        engine.Command6_Click();
        engine.ChkFile_LostFocus(1);
        return true;
    };
    engine.Command3_Click();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.listLines("RecLst"), Texts{});
    EXPECT_EQ(window.text("KanaNameIti(1)"), u"1");
    EXPECT_EQ(window.busyChanges, (std::vector<bool>{true, false}));
    EXPECT_EQ(results(),
              (Texts{u"3:002   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=C、電話=3）",
                     u"4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=B、電話=2）"}));
}

} // namespace
