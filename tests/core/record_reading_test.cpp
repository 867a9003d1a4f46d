#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class RecordReading : public EngineFixture {
protected:
    Texts next(int side, int count) {
        engine.RecGet(side);
        return fields(side, count);
    }
};

TEST_F(RecordReading, EveryDelimiterSplitsAndEveryFieldIsTrimmedAndUnquoted) {
    setSide(1,
            folder.write("a.csv", u"\"山田 太郎\",\"ﾔﾏﾀﾞ ﾀﾛｳ\",\"090-1234-5678\"\ra,\"b,c\",d\r"
                                  u"  a , b ,\r \" ab \" \ra,b\tc"),
            u"3", u"2", u"3");
    EXPECT_EQ(next(1, 3), (Texts{u"山田 太郎", u"ﾔﾏﾀﾞﾀﾛｳ", u"09012345678"}));
    EXPECT_EQ(next(1, 4), (Texts{u"a", u"b", u"c", u"d"}));
    EXPECT_EQ(next(1, 3), (Texts{u"a", u"b", u""}));
    EXPECT_EQ(next(1, 1), Texts{u" ab "}); // trimmed before the quotes go
    window.select("TabOpt(1)");
    EXPECT_EQ(next(1, 2), (Texts{u"a,b", u"c"}));
}

TEST_F(RecordReading, LinesEndAtCrOrCrLfAndTheEndIsReportedOnEveryReadAfterIt) {
    // 8E 52 FA B1 is 山 and the variant 﨑, which the initial pair converts;
    // 80 is no character.
    setSide(2, folder.writeBytes("b.csv", "one\r\n\x8E\x52\xFA\xB1\rx\x80y\nz\r\n"), u"1");
    EXPECT_EQ(next(2, 1), Texts{u"one"});
    EXPECT_EQ(next(2, 1), Texts{u"山崎"});
    EXPECT_EQ(next(2, 1), Texts{u"x・y\nz"});
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(next(2, 1), Texts{u"x・y\nz"});
    EXPECT_EQ(next(2, 1), Texts{u"x・y\nz"});
    ASSERT_EQ(window.messages.size(), 2u);
    const auto& m = window.messages[1];
    EXPECT_EQ(m.text, u"データの上限に達しました");
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.icon, MessageIcon::None);
    EXPECT_EQ(m.title, u"Vormak");
}

TEST_F(RecordReading, MissingFieldsUpToTheFieldCountAreClearedAndHigherOnesKept) {
    setSide(1, folder.write("s.csv", u"1,2,3,4,5\r6,7\r"), u"4");
    EXPECT_EQ(next(1, 5), (Texts{u"1", u"2", u"3", u"4", u"5"}));
    EXPECT_EQ(next(1, 5), (Texts{u"6", u"7", u"", u"", u"5"}));
}

TEST_F(RecordReading, KeyFieldsLoseBlanksAndHyphensWhenBothPositionsAreGiven) {
    const Text line = u"山田　太郎 ,ﾔﾏ ﾀﾞ,03-1234-5678,a－b ー c\r";
    setSide(1, folder.write("k.csv", line + line + line + line), u"4", u"1", u"3");
    EXPECT_EQ(next(1, 4), (Texts{u"山田太郎", u"ﾔﾏ ﾀﾞ", u"0312345678", u"a－b ー c"}));
    window.setText("TelNoIti(1)", u"");
    EXPECT_EQ(next(1, 3), (Texts{u"山田　太郎", u"ﾔﾏ ﾀﾞ", u"03-1234-5678"}));
    // One column that is both gets all three removals.
    window.setText("TelNoIti(1)", u"4");
    window.setText("KanaNameIti(1)", u"4.4");
    EXPECT_EQ(next(1, 4)[3], u"a－bーc");
    // The two boxes of the normalisation group switch the removals.
    window.setText("KanaNameIti(1)", u"1");
    window.setText("TelNoIti(1)", u"3");
    window.setChecked("SpcChk", false);
    window.setChecked("HifnChk", false);
    EXPECT_EQ(next(1, 3), (Texts{u"山田　太郎", u"ﾔﾏ ﾀﾞ", u"03-1234-5678"}));
}

TEST_F(RecordReading, AnUnreadableFileIsReportedForItsSideAndAbandons) {
    setSide(1, folder.path("missing.csv"), u"2");
    EXPECT_THROW(engine.RecGet(1), OperationAbandoned);
    setSide(2, folder.path(""), u"2"); // a folder
    EXPECT_THROW(engine.RecGet(2), OperationAbandoned);
    setSide(2, folder.writeBytes("huge", std::string(LineReader::kMaxLineBytes + 1, 'x')), u"1");
    EXPECT_THROW(engine.RecGet(2), OperationAbandoned);
    EXPECT_EQ(window.messageTexts(),
              (Texts{u"携帯電話側ファイルが開けません", u"住所録側ファイルが開けません",
                     u"住所録側ファイルに長すぎる行があります"}));
    EXPECT_FALSE(engine.isSideFileOpen(1));
}

TEST(FieldCount, CountsTheDelimitersOfTheFirstLineAndGivesZeroForNoLine) {
    TempFolder folder;
    EXPECT_EQ(Engine::FieldCntGet(folder.write("a", u"a,b,,\rx"), u','), 4);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("t", u"a,b\tc"), u'\t'), 2);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("e", u""), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("f", u"\r\na,b"), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.path("none"), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(u"", u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("w", Text(40000, u',')), u','), 32767);
    EXPECT_EQ(Engine::FieldCntGet(folder.writeBytes("h", std::string(1 << 21, ',')), u','), 0);
}

} // namespace
