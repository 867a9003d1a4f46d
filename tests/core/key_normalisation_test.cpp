#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

class ConversionPairs : public EngineFixture {
protected:
    Text convert(std::u16string_view text, std::initializer_list<Texts> pairs) {
        int i = 0;
        for (const auto& p : pairs) {
            window.setText(indexed("FrMoji", i), p[0]);
            window.setText(indexed("ToMoji", i++), p[1]);
        }
        return engine.IzonCnv(text);
    }
};

TEST_F(ConversionPairs, EachPairReplacesTheFirstCharacterOfEveryMatchInTurn) {
    EXPECT_EQ(engine.IzonCnv(u"﨑山﨑"), u"崎山崎");
    EXPECT_EQ(convert(u"aaa", {{u"aa", u"bc"}}), u"bba"); // overlapping matches
    EXPECT_EQ(convert(u"ｱ", {{u"ｱ", u"ア"}, {u"ア", u"あ"}}), u"あ");
    EXPECT_EQ(convert(u"ｱ", {{u"ア", u"あ"}, {u"ｱ", u"ア"}}), u"ア");
    EXPECT_EQ(convert(u"aa", {{u"a", u"a"}}), u"aa");
    // Blank sources are skipped, empty replacements change nothing, and a
    // source with a blank is searched with it.
    EXPECT_EQ(convert(u"a \u3000b x", {{u" \u3000", u"x"}, {u"a", u""}, {u" x", u"_"}}),
              u"a \u3000b_x");
    EXPECT_EQ(convert(u"", {{u"a", u"b"}}), u"");
}

} // namespace
