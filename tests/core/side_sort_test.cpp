#include "engine_fixture.h"

#include <random>

using namespace vormak;
using namespace vormak::testing;

namespace {

// Records of three fields, sorted by field 1 and then field 2.
class SideSort : public EngineFixture {
protected:
    void sort(std::u16string_view lines, bool titleLine) {
        setSide(1, folder.write("sort.csv", lines), u"3");
        window.setChecked("TitleChk(1)", titleLine);
        window.setText("HikakuFldIti(1)", u"1");
        window.setText("Hikaku2FldIti(1)", u"2");
        engine.SortOut(1);
    }
};

TEST_F(SideSort, GivesExactlyTheOrderOfInsertingEachRecordAfterItsEquals) {
    // Many ties, prefixes, empty keys and kana of three kinds; field 3 is the
    // line number. The title line would sort first but never enters.
    std::mt19937 random(7);
    const Text keys[] = {u"", u"ｱ", u"ｱｱ", u"ア", u"あ", u"A", u"AB", u"1"};
    std::vector<Texts> records;
    Text lines = u",,title\r";
    for (int i = 1; i <= 300; ++i) {
        records.push_back({keys[random() % 8], keys[random() % 8], decimal(i)});
        lines += records.back()[0] + u"," + records.back()[1] + u"," + decimal(i) + u"\r";
    }
    // The insertion that the table has always been built by.
    std::vector<Texts> expected;
    for (const auto& r : records) {
        auto at = expected.begin();
        while (at != expected.end() && !(r[0] < (*at)[0] || (r[0] == (*at)[0] && r[1] < (*at)[1])))
            ++at;
        expected.insert(at, r);
    }
    sort(lines, true);
    ASSERT_EQ(engine.RecCnt(1), 300);
    for (int e = 1; e <= 300; ++e)
        EXPECT_EQ(engine.KeyTbl(1, e, 3), expected[e - 1][2]) << "entry " << e;
    EXPECT_EQ(window.text("DtCnt(1)"), u" 300");
}

TEST_F(SideSort, ASideWithoutDataLinesHasNoEntriesAndShowsNoMessage) {
    Texts counts;
    window.onYield = [&] {
        counts.push_back(window.text("DtCnt(1)"));
        return true;
    };
    sort(u"B\rA", false);
    EXPECT_EQ(counts, (Texts{u" 1", u" 2"}));
    sort(u"", false);
    EXPECT_EQ(engine.RecCnt(1), 0);
    EXPECT_EQ(window.text("DtCnt(1)"), u" 0");
    sort(u"", true);
    sort(u"title,line\r\n", true);
    EXPECT_EQ(engine.RecCnt(1), 0);
    EXPECT_TRUE(window.messages.empty());
}

} // namespace
