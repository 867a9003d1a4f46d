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
    void expectAbandoned() {
        EXPECT_EQ(window.busyChanges, (std::vector<bool>{true, false}));
        EXPECT_FALSE(window.locked());
        EXPECT_TRUE(window.isVisible("ChkLst"));
        EXPECT_EQ(results(), Texts{});
        EXPECT_EQ(window.text("JikkouMsg"), u"検 査 中 止");
    }
};

TEST_F(CheckRun, TheSixSettingsMustBeGivenAndLieWithinTheRecord) {
    // FieldCnt(1), FieldCnt(2), KanaNameIti(1), (2), TelNoIti(1), (2).
    const struct {
        std::array<const char16_t*, 6> settings;
        const char16_t* message;
    } cases[] = {
        {{u"0", u"0", u"", u"", u"", u""}, u"携帯電話側ファイルが指定されていません"},
        {{u"3", u"00", u"", u"", u"", u""}, u"住所録側ファイルが指定されていません "},
        {{u"3", u"3", u"", u"", u"", u""}, u"携帯電話側 氏名位置が指定されていません"},
        {{u"3", u"3", u" 2x", u"abc", u"", u""}, u"住所録側 氏名位置が指定されていません"},
        {{u"3", u"3", u"1", u"1", u"0", u""}, u"携帯電話側 電話位置が指定されていません"},
        {{u"3", u"3", u"1", u"1", u"2", u"0 0"}, u"住所録側 電話位置が指定されていません"},
        // A negative or fractional value counts as given; the range refuses it.
        {{u"21", u"-1", u"1", u"1", u"2", u"2"}, u"携帯電話側 項目数が正しくありません"},
        {{u"20", u"2.5", u"1", u"1", u"2", u"2"}, u"住所録側 項目数が正しくありません"},
        {{u"3", u"3", u"4", u"-1", u"2", u"2"}, u"携帯電話側 氏名位置が正しくありません"},
        {{u"3", u"3", u"3", u"-1", u"2", u"2"}, u"住所録側 氏名位置が正しくありません"},
        {{u"3", u"3", u"1", u"1", u"1.5", u"2"}, u"携帯電話側 電話位置が正しくありません"},
        {{u"3", u"2", u"1", u"1", u"3", u"3"}, u"住所録側 電話位置が正しくありません"},
        {{u"3", u"2", u"1", u"1", u"3", u"2"}, nullptr},
    };
    const char* boxes[] = {"FieldCnt(1)",    "FieldCnt(2)", "KanaNameIti(1)",
                           "KanaNameIti(2)", "TelNoIti(1)", "TelNoIti(2)"};
    for (const auto& c : cases) {
        for (int i = 0; i < 6; ++i)
            window.setText(boxes[i], c.settings[i]);
        window.messages.clear();
        EXPECT_EQ(engine.InputChk(), c.message != nullptr);
        EXPECT_EQ(window.messageTexts(), c.message ? Texts{c.message} : Texts{});
    }
    window.setText("FieldCnt(1)", u"0");
    engine.InputChk();
    EXPECT_EQ(window.messages.back().title, u"Vormak");
}

TEST_F(CheckRun, ARunShowsItsProgressAndLeavesNothingOfTheRunBefore) {
    useFile(1, u"A,1,x,y\rB,2,x,y\rC,3,x,y", u"4", u"1", u"2");
    useFile(2, u"A,1", u"2", u"1", u"2");
    engine.Command3_Click();
    EXPECT_EQ(results().size(), 2u);

    useFile(1, u"A,1", u"2", u"1", u"2");
    Texts steps;
    window.onYield = [&] {
        Text step = window.text("JikkouMsg") + (window.isVisible("ChkLst") ? u" +" : u" -");
        if (steps.empty() || steps.back() != step)
            steps.push_back(step);
        EXPECT_TRUE(window.busy() && window.locked());
        return true;
    };
    engine.Command3_Click();
    EXPECT_EQ(steps, (Texts{u"携帯側ソート中！ -", u"住所録側ソート中！ -", u"突合わせ検査中！ -",
                            u"検 査 終 了 +"}));
    EXPECT_FALSE(window.busy() || window.locked());
    EXPECT_EQ(results(), Texts{});
    EXPECT_EQ(engine.KeyTbl(1, 1, 3) + engine.KeyTbl(1, 2, 1) + engine.KeyTbl(1, 2, 0), u"");
}

TEST_F(CheckRun, AnUnreadableFileTooManyRecordsOrAClosedWindowAbandonTheRun) {
    twoValidSides();
    engine.Command3_Click();
    std::filesystem::remove(toUtf8(window.text("ChkFile(2)")));
    window.busyChanges.clear();
    engine.Command3_Click();
    EXPECT_EQ(window.messageTexts(), Texts{u"住所録側ファイルが開けません"});
    expectAbandoned();

    Text lines;
    for (int i = 0; i < 1000; ++i)
        lines += u"K,1\r";
    useFile(2, lines, u"2", u"1", u"2");
    window.messages.clear();
    window.busyChanges.clear();
    engine.Command3_Click();
    EXPECT_EQ(window.messageTexts(), Texts{u"住所録側 データが999件を超えています"});
    EXPECT_EQ(window.text("DtCnt(2)"), u" 999");
    expectAbandoned();

    twoValidSides();
    window.messages.clear();
    window.busyChanges.clear();
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
