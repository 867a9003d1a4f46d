#include "engine_fixture.h"

#include <random>

using namespace vormak;
using namespace vormak::testing;

namespace {

// Records of two fields: key in field 1, other item in field 2.
class SideSort : public EngineFixture {
protected:
    void sort(int side, std::u16string_view lines, bool titleLine = false,
              std::u16string_view fieldCount = u"2") {
        setSide(side, folder.write("sort" + std::to_string(side) + ".csv", lines), fieldCount);
        window.setChecked(indexed("TitleChk", side), titleLine);
        window.setText(indexed("HikakuFldIti", side), u"1");
        window.setText(indexed("Hikaku2FldIti", side), u"2");
        engine.SortOut(side);
    }
    // Entries 1..RecCnt as "key,other".
    Texts entries(int side) const {
        Texts out;
        for (int e = 1; e <= engine.RecCnt(side); ++e)
            out.push_back(engine.KeyTbl(side, e, 1) + u"," + engine.KeyTbl(side, e, 2));
        return out;
    }
};

TEST_F(SideSort, OrdersByKeyThenOtherItemAndKeepsFileOrderOfEqualRecords) {
    // The third field tells apart records equal in both keys.
    sort(1, u"B,2\rA,9\rB,1\rA,9,second\rA,1", false, u"3");
    EXPECT_EQ(entries(1), (Texts{u"A,1", u"A,9", u"A,9", u"B,1", u"B,2"}));
    EXPECT_EQ(engine.KeyTbl(1, 2, 3), u"");
    EXPECT_EQ(engine.KeyTbl(1, 3, 3), u"second");
}

TEST_F(SideSort, GivesExactlyTheOrderOfInsertingEachRecordAfterItsEquals) {
    // Many ties in key and other item; field 3 is the line number.
    std::mt19937 random(7);
    const Text letters[] = {u"", u"ｱ", u"ｱｱ", u"ア", u"A", u"AB"};
    std::vector<Texts> records;
    Text lines;
    for (int i = 1; i <= 300; ++i) {
        Texts r{letters[random() % 6], letters[random() % 6], decimal(i)};
        lines += r[0] + u"," + r[1] + u"," + r[2] + u"\r";
        records.push_back(r);
    }
    // The insertion that the table has always been built by.
    std::vector<Texts> expected;
    for (const auto& r : records) {
        auto at = expected.begin();
        while (at != expected.end() && !(r[0] < (*at)[0] || (r[0] == (*at)[0] && r[1] < (*at)[1])))
            ++at;
        expected.insert(at, r);
    }
    sort(1, lines, false, u"3");
    ASSERT_EQ(engine.RecCnt(1), 300);
    for (int e = 1; e <= 300; ++e)
        EXPECT_EQ(engine.KeyTbl(1, e, 3), expected[e - 1][2]) << "entry " << e;
}

TEST_F(SideSort, ComparesCodeUnitsOrdinallyWithPrefixesAndEmptyKeysFirst) {
    // Digits, then hiragana, full-width katakana, half-width katakana.
    sort(2, u"ｱ,1\rア,1\rあ,1\rab,1\ra,1\r,1\r1,1\rB,1");
    EXPECT_EQ(entries(2),
              (Texts{u",1", u"1,1", u"B,1", u"a,1", u"ab,1", u"あ,1", u"ア,1", u"ｱ,1"}));
}

TEST_F(SideSort, TheTitleLineNeverEntersTheTable) {
    sort(1, u"0title,0\rB,1\rA,1", true);
    EXPECT_EQ(entries(1), (Texts{u"A,1", u"B,1"}));
    EXPECT_EQ(window.text("DtCnt(1)"), u" 2");
}

TEST_F(SideSort, ASideWithoutDataLinesHasNoEntriesAndShowsNoMessage) {
    sort(1, u"A,1");
    EXPECT_EQ(engine.RecCnt(1), 1);
    EXPECT_EQ(window.text("DtCnt(1)"), u" 1");
    sort(1, u"");
    EXPECT_EQ(engine.RecCnt(1), 0);
    EXPECT_EQ(window.text("DtCnt(1)"), u" 0");
    sort(1, u"", true);
    sort(1, u"title,line\r\n", true);
    EXPECT_EQ(engine.RecCnt(1), 0);
    EXPECT_TRUE(window.messages.empty());
}

TEST_F(SideSort, SortingOneSideLeavesTheOtherAlone) {
    sort(1, u"B,1\rA,1");
    sort(2, u"C,1");
    EXPECT_EQ(entries(1), (Texts{u"A,1", u"B,1"}));
    EXPECT_EQ(engine.RecCnt(1), 2);
}

TEST_F(SideSort, TheCountGrowsAndTheWindowIsServedAfterEachRecord) {
    Texts counts;
    window.onYield = [&] {
        counts.push_back(window.text("DtCnt(2)"));
        return true;
    };
    sort(2, u"C,1\rB,1\rA,1");
    EXPECT_EQ(counts, (Texts{u" 1", u" 2", u" 3"}));
}

TEST_F(SideSort, MarksStayWithTheirEntryNumberWhenASideIsSortedAgain) {
    useFile(1, u"A,1\rB,1", u"2", u"1", u"2");
    useFile(2, u"B,1", u"2", u"1", u"2");
    window.select("KanaNameHikaku");
    engine.KanaNameHikaku_Click();
    engine.Command3_Click();
    ASSERT_EQ(engine.KeyTbl(1, 2, 0), u"*");
    // Sorting by the other column now puts B first; the mark is not moved.
    window.setText("HikakuFldIti(1)", u"2");
    window.setText("Hikaku2FldIti(1)", u"1");
    window.setText("FieldCnt(1)", u"2");
    engine.SortOut(1);
    EXPECT_EQ(engine.KeyTbl(1, 2, 0), u"*");
    EXPECT_EQ(engine.KeyTbl(1, 1, 0), u"");
}

} // namespace
