#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

TEST(CharacterRemoval, RemovesEveryOccurrenceOfExactlyOneCharacter) {
    EXPECT_EQ(Engine::TumeMoji(u"", u"-"), u"");
    EXPECT_EQ(Engine::TumeMoji(u"03-1234-5678", u"-"), u"0312345678");
    EXPECT_EQ(Engine::TumeMoji(u"-a-", u"-"), u"a");
    EXPECT_EQ(Engine::TumeMoji(u"\"a\"b\"", u"\""), u"ab");
    // An empty or longer character to remove never matches one character.
    EXPECT_EQ(Engine::TumeMoji(u"a--b", u"--"), u"a--b");
    EXPECT_EQ(Engine::TumeMoji(u"a--b", u""), u"a--b");
    // The name clean-up: blanks first, then full-width blanks.
    EXPECT_EQ(Engine::TumeMoji(Engine::TumeMoji(u"山田　太郎 ", u" "), u"\u3000"), u"山田太郎");
}

class ConversionPairs : public EngineFixture {
protected:
    void setPair(int i, std::u16string_view from, std::u16string_view to) {
        window.setText(indexed("FrMoji", i), from);
        window.setText(indexed("ToMoji", i), to);
    }
};

TEST_F(ConversionPairs, TheInitialPairTurnsTheVariantIntoTheCommonCharacter) {
    EXPECT_EQ(engine.IzonCnv(u"山﨑"), u"山崎");
    EXPECT_EQ(engine.IzonCnv(u"﨑﨑"), u"崎崎");
    EXPECT_EQ(engine.IzonCnv(u""), u"");
}

TEST_F(ConversionPairs, OnlyTheFirstCharacterOfAMatchIsReplacedAndMatchesMayOverlap) {
    setPair(0, u"aa", u"bc");
    EXPECT_EQ(engine.IzonCnv(u"aaa"), u"bba");
    EXPECT_EQ(engine.IzonCnv(u"xaay"), u"xbay");
    setPair(0, u"a", u"a");
    EXPECT_EQ(engine.IzonCnv(u"aaa"), u"aaa");
}

TEST_F(ConversionPairs, LaterPairsSeeTheResultsOfEarlierOnes) {
    setPair(0, u"ｱ", u"ア");
    setPair(1, u"ア", u"あ");
    EXPECT_EQ(engine.IzonCnv(u"ｱ"), u"あ");
    // In the other order the second pair comes too late.
    setPair(0, u"ア", u"あ");
    setPair(1, u"ｱ", u"ア");
    EXPECT_EQ(engine.IzonCnv(u"ｱ"), u"ア");
}

TEST_F(ConversionPairs, BlankSourcesAndEmptyReplacementsChangeNothing) {
    setPair(0, u" \u3000", u"x");
    setPair(1, u"a", u"");
    EXPECT_EQ(engine.IzonCnv(u"a \u3000b"), u"a \u3000b");
    // A source with a blank is searched with its blank, which is replaced.
    setPair(2, u" x", u"_");
    EXPECT_EQ(engine.IzonCnv(u"a xb x"), u"a_xb_x");
}

} // namespace
