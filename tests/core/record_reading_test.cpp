#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class RecordReading : public EngineFixture {};

TEST_F(RecordReading, EveryDelimiterSplitsAndEveryFieldIsTrimmedAndUnquoted) {
    setSide(1,
            folder.write("a.csv", u"\"山田 太郎\",\"ﾔﾏﾀﾞ ﾀﾛｳ\",\"090-1234-5678\"\r"
                                  u"a,\"b,c\",d\r"
                                  u"a,b,\r"
                                  u"  a , b \r"
                                  u" \" ab \" \r"),
            u"3", u"2", u"3");
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 3), (Texts{u"山田 太郎", u"ﾔﾏﾀﾞﾀﾛｳ", u"09012345678"}));
    window.setText("FieldCnt(1)", u"4");
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 4), (Texts{u"a", u"b", u"c", u"d"}));
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 4), (Texts{u"a", u"b", u"", u""}));
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 2), (Texts{u"a", u"b"}));
    // Trimmed before the quotes go: the blanks inside them stay.
    engine.RecGet(1);
    EXPECT_EQ(engine.FldBuf(1, 1), u" ab ");
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(RecordReading, TabFormatTreatsCommaAsAnOrdinaryCharacter) {
    setSide(2, folder.write("b.txt", u"a,b\tc"), u"2");
    window.select("TabOpt(2)");
    engine.RecGet(2);
    EXPECT_EQ(fields(2, 2), (Texts{u"a,b", u"c"}));
}

TEST_F(RecordReading, LinesEndAtCrOrCrLfAndALoneLfIsAnOrdinaryCharacter) {
    setSide(1, folder.writeBytes("lines.csv", "one\r\ntwo\rthree\nfour\r\n"), u"1");
    Texts read;
    for (int i = 0; i < 3; ++i) {
        engine.RecGet(1);
        read.push_back(engine.FldBuf(1, 1));
    }
    EXPECT_EQ(read, (Texts{u"one", u"two", u"three\nfour"}));
    EXPECT_TRUE(window.messages.empty());
    // The final CR LF starts no empty record.
    engine.RecGet(1);
    EXPECT_EQ(window.messageTexts(), (Texts{u"データの上限に達しました"}));
}

TEST_F(RecordReading, Cp932BytesAreDecodedAndTheInitialPairConvertsTheVariant) {
    // FA B1 is the variant 﨑, which the initial pair turns into 崎; 83 41 is ア,
    // B1 the half-width ｱ; 80 is no character.
    setSide(1, folder.writeBytes("cp.csv", "\x8E\x52\xFA\xB1,\x83\x41\xB1,x\x80y"), u"3");
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 3), (Texts{u"山崎", u"アｱ", u"x・y"}));
}

TEST_F(RecordReading, MissingFieldsUpToTheFieldCountAreClearedAndHigherOnesKept) {
    setSide(1, folder.write("s.csv", u"1,2,3,4,5\r6,7\r\r"), u"4");
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 5), (Texts{u"1", u"2", u"3", u"4", u"5"}));
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 5), (Texts{u"6", u"7", u"", u"", u"5"}));
    // An empty line is one empty field.
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 5), (Texts{u"", u"", u"", u"", u"5"}));
}

TEST_F(RecordReading, KeyFieldsLoseBlanksAndHyphensOnlyWhenBothPositionsAreGiven) {
    const Text line = u"山田　太郎 ,ﾔﾏ ﾀﾞ,03-1234-5678,a－b ー c";
    setSide(1, folder.write("k.csv", line + u"\r" + line + u"\r" + line + u"\r" + line), u"4", u"1",
            u"3");
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 4), (Texts{u"山田太郎", u"ﾔﾏ ﾀﾞ", u"0312345678", u"a－b ー c"}));

    window.setText("TelNoIti(1)", u"");
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 4), (Texts{u"山田　太郎", u"ﾔﾏ ﾀﾞ", u"03-1234-5678", u"a－b ー c"}));

    // One column that is both gets all three removals.
    window.setText("TelNoIti(1)", u"4");
    window.setText("KanaNameIti(1)", u"4.4");
    engine.RecGet(1);
    EXPECT_EQ(engine.FldBuf(1, 4), u"a－bーc");

    // The two boxes of the normalisation group switch the removals.
    window.setText("KanaNameIti(1)", u"1");
    window.setText("TelNoIti(1)", u"3");
    window.setChecked("SpcChk", false);
    window.setChecked("HifnChk", false);
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 3), (Texts{u"山田　太郎", u"ﾔﾏ ﾀﾞ", u"03-1234-5678"}));
}

TEST_F(RecordReading, EndOfDataShowsTheMessageOnEveryReadAndKeepsTheRecord) {
    setSide(1, folder.write("e.csv", u"last,one"), u"2");
    engine.RecGet(1);
    engine.RecGet(1);
    engine.RecGet(1);
    EXPECT_EQ(fields(1, 2), (Texts{u"last", u"one"}));
    ASSERT_EQ(window.messages.size(), 2u);
    for (const auto& m : window.messages) {
        EXPECT_EQ(m.text, u"データの上限に達しました");
        EXPECT_EQ(m.buttons, MessageButtons::Ok);
        EXPECT_EQ(m.icon, MessageIcon::None);
        EXPECT_EQ(m.title, u"Vormak");
    }
    EXPECT_TRUE(engine.isSideFileOpen(1));
}

TEST_F(RecordReading, NothingIsReadOrWrittenOutsideTheTwentyFields) {
    Text wide;
    for (int i = 1; i <= 25; ++i)
        wide += decimal(i) + (i < 25 ? u"," : u"");
    setSide(2, folder.write("two.csv", u"keep,me"), u"2");
    engine.RecGet(2);
    // Field count and key positions beyond the buffer, on the other side.
    setSide(1, folder.write("wide.csv", wide + u"\r\r"), u"25", u"30", u"0");
    engine.RecGet(1);
    EXPECT_EQ(engine.FldBuf(1, 20), u"20");
    engine.RecGet(1);
    EXPECT_EQ(engine.FldBuf(1, 20), u"");
    EXPECT_EQ(fields(2, 2), (Texts{u"keep", u"me"}));
}

TEST_F(RecordReading, AFileThatCannotBeOpenedIsReportedForItsSideAndAbandons) {
    setSide(1, folder.path("missing.csv"), u"2");
    EXPECT_THROW(engine.RecGet(1), OperationAbandoned);
    setSide(2, folder.path(""), u"2"); // the folder itself
    EXPECT_THROW(engine.RecGet(2), OperationAbandoned);
    setSide(2, u"", u"2");
    EXPECT_THROW(engine.RecGet(2), OperationAbandoned);
    EXPECT_EQ(window.messageTexts(),
              (Texts{u"携帯電話側ファイルが開けません", u"住所録側ファイルが開けません",
                     u"住所録側ファイルが開けません"}));
    EXPECT_FALSE(engine.isSideFileOpen(1));
    EXPECT_EQ(window.messages[0].title, u"Vormak");
}

TEST_F(RecordReading, ALineBeyondTheReaderLimitIsReportedAndAbandons) {
    std::string huge(LineReader::kMaxLineBytes + 1, 'x');
    setSide(2, folder.writeBytes("huge.csv", huge + "\r\nshort"), u"1");
    EXPECT_THROW(engine.RecGet(2), OperationAbandoned);
    EXPECT_EQ(window.messageTexts(), (Texts{u"住所録側ファイルに長すぎる行があります"}));
    EXPECT_EQ(Engine::FieldCntGet(folder.path("huge.csv"), u','), 0);
}

TEST_F(RecordReading, ConversionPairEditsTakeEffectForTheNextRecord) {
    setSide(1, folder.write("p.csv", u"ｱア\rｱア"), u"1");
    engine.RecGet(1);
    EXPECT_EQ(engine.FldBuf(1, 1), u"ｱア");
    window.setText("FrMoji(1)", u"ｱ");
    window.setText("ToMoji(1)", u"ア");
    window.setText("FrMoji(2)", u"ア");
    window.setText("ToMoji(2)", u"あ");
    engine.RecGet(1);
    EXPECT_EQ(engine.FldBuf(1, 1), u"ああ");
}

TEST(FieldCount, CountsTheDelimitersOfTheFirstLineOnlyAndGivesZeroForNoLine) {
    TempFolder folder;
    EXPECT_EQ(Engine::FieldCntGet(folder.write("a", u"a,b,,\rx"), u','), 4);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("q", u"\"a,b\",c"), u','), 3);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("t", u"a,b\tc"), u'\t'), 2);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("e", u""), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("f", u"\r\na,b"), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.path("none"), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.path(""), u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(u"", u','), 0);
    EXPECT_EQ(Engine::FieldCntGet(folder.write("w", Text(40000, u',')), u','), 32767);
}

} // namespace
