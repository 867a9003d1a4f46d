#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

// Records of three fields, sorted by field 1 and then field 2; field 3 names
// the record.
class SideSort : public EngineFixture {
protected:
    Texts sort(std::u16string_view lines, bool titleLine) {
        setSide(1, folder.write("sort.csv", lines), u"3");
        window.setChecked("TitleChk(1)", titleLine);
        window.setText("HikakuFldIti(1)", u"1");
        window.setText("Hikaku2FldIti(1)", u"2");
        engine.SortOut(1);
        Texts order;
        for (int e = 1; e <= engine.RecCnt(1); ++e)
            order.push_back(engine.KeyTbl(1, e, 3));
        return order;
    }
};

TEST_F(SideSort, OrdersByCodeUnitsWithPrefixesFirstAndEqualsInFileOrder) {
    // Empty keys first, a prefix before its extensions, digits before letters,
    // half-width katakana (U+FF71) after full-width katakana and hiragana;
    // the second field breaks ties, equal records keep their order. The title
    // line would sort first but never enters.
    EXPECT_EQ(sort(u",,title\rｱ,,k\rア,,K\rあ,,h\rAB,,ab\rA,2,a2\rA,1,a1\r1,,1\r,,e\rA,1,a1b\r"
                   u"ｱｱ,,kk",
                   true),
              (Texts{u"e", u"1", u"a1", u"a1b", u"a2", u"ab", u"h", u"K", u"k", u"kk"}));
    EXPECT_EQ(window.text("DtCnt(1)"), u" 10");
}

TEST_F(SideSort, ASideWithoutDataLinesHasNoEntriesAndShowsNoMessage) {
    Texts counts;
    window.onYield = [&] {
        counts.push_back(window.text("DtCnt(1)"));
        return true;
    };
    sort(u"B\rA", false);
    EXPECT_EQ(counts, (Texts{u" 1", u" 2"}));
    for (bool title : {false, true})
        EXPECT_EQ(sort(u"", title), Texts{});
    EXPECT_EQ(sort(u"title,line\r\n", true), Texts{});
    EXPECT_EQ(window.text("DtCnt(1)"), u" 0");
    EXPECT_TRUE(window.messages.empty());
}

} // namespace
