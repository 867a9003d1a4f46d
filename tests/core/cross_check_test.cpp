#include "engine_fixture.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

// Each side's file has the name in field 1 and the telephone in field 2; the
// name is the match key, so "A,x" has the key A and the other item x.
class CrossCheck : public EngineFixture {
protected:
    void check(std::u16string_view mobile, std::u16string_view addressBook) {
        useFile(1, mobile, u"2", u"1", u"2");
        useFile(2, addressBook, u"2", u"1", u"2");
        window.select("KanaNameHikaku");
        engine.KanaNameHikaku_Click();
        engine.Command3_Click();
        EXPECT_TRUE(window.messages.empty());
        EXPECT_EQ(window.text("JikkouMsg"), u"検 査 終 了");
    }
    void onlyChecks(std::initializer_list<const char*> on) {
        for (const char* box : {"DblChkK", "DblChkJ", "KNonChk", "JNonChk", "SubKeyErrChk"})
            window.setChecked(box, std::find_if(on.begin(), on.end(), [&](const char* o) {
                                       return std::string_view(o) == box;
                                   }) != on.end());
    }
    Text mark(int side, int entry) const { return engine.KeyTbl(side, entry, 0); }
};

TEST_F(CrossCheck, IdenticalEntriesArePairedSilentlyAndMarkedEvenWithAllChecksOff) {
    check(u"A,1", u"A,1");
    EXPECT_EQ(results(), Texts{});
    EXPECT_EQ(mark(1, 1) + mark(2, 1), u"**");
    onlyChecks({});
    check(u"A,1\rB,2", u"A,1\rC,3");
    EXPECT_EQ(results(), Texts{});
    EXPECT_EQ(mark(1, 1) + mark(2, 1) + mark(1, 2), u"**");
}

TEST_F(CrossCheck, SameKeyWithADifferentOtherItemGivesOnlyTheMismatchLine) {
    check(u"A,1", u"A,2");
    EXPECT_EQ(results(), Texts{u"5:001001携帯側と住所録側で電話番号不一致 （氏名=A、電話番号 "
                               u"携帯:1 住所録:2）"});
}

TEST_F(CrossCheck, AnEntryWhoseTwinIsPairedElsewhereIsMissingNotMismatched) {
    check(u"A,x\rA,y", u"A,y");
    EXPECT_EQ(results(),
              Texts{u"4:001   携帯側と同じ氏名ﾃﾞｰﾀが住所録側にない  （氏名=A、電話=x）"});
}

TEST_F(CrossCheck, DuplicateOfPairedEntryInheritsMarkOrIsFoundNearby) {
    onlyChecks({"DblChkK", "JNonChk"});
    check(u"A,1\rA,1", u"A,1");
    EXPECT_EQ(results(), Texts{u"1:002   携帯側に氏名重複データあり （氏名=A、電話=1）"});
    EXPECT_EQ(mark(1, 2), u"*");

    // Without the duplicate check the mark is not copied, but the identical
    // entry near the merge position keeps the second one from being missing.
    window.messages.clear();
    onlyChecks({"JNonChk"});
    check(u"A,1\rA,1", u"A,1");
    EXPECT_EQ(results(), Texts{});
    EXPECT_EQ(mark(1, 2), u"");
}

TEST_F(CrossCheck, EntriesOfOneKeyArePairedInTheirSortedOrder) {
    check(u"A,y\rA,x", u"A,z\rA,w");
    EXPECT_EQ(
        results(),
        (Texts{u"5:001001携帯側と住所録側で電話番号不一致 （氏名=A、電話番号 携帯:x 住所録:w）",
               u"5:002002携帯側と住所録側で電話番号不一致 （氏名=A、電話番号 携帯:y 住所録:z）"}));
}

TEST_F(CrossCheck, AnEntryLeftOverAfterTheMismatchIsMissing) {
    onlyChecks({"KNonChk", "SubKeyErrChk"});
    check(u"A,x", u"A,y\rA,z");
    EXPECT_EQ(
        results(),
        (Texts{u"3:002   住所録側と同じ氏名ﾃﾞｰﾀが携帯側にない （氏名=A、電話=z）",
               u"5:001001携帯側と住所録側で電話番号不一致 （氏名=A、電話番号 携帯:x 住所録:y）"}));
}

TEST_F(CrossCheck, EveryEntryButTheFirstOfARunIsADuplicate) {
    check(u"Q,7", u"Q,7\rQ,7\rQ,7");
    EXPECT_EQ(results(), (Texts{u"2:002   住所側に氏名重複データあり （氏名=Q、電話=7）",
                                u"2:003   住所側に氏名重複データあり （氏名=Q、電話=7）"}));
    EXPECT_EQ(mark(2, 3), u"*");
}

TEST_F(CrossCheck, AnEmptySideLeavesEveryEntryOfTheOtherMissing) {
    check(u"", u",5\rB,6");
    EXPECT_EQ(engine.RecCnt(1), 0);
    EXPECT_EQ(window.text("DtCnt(1)"), u" 0");
    EXPECT_EQ(results(),
              (Texts{u"3:001   住所録側と同じ氏名ﾃﾞｰﾀが携帯側にない （氏名=、電話=5）",
                     u"3:002   住所録側と同じ氏名ﾃﾞｰﾀが携帯側にない （氏名=B、電話=6）"}));
}

TEST_F(CrossCheck, WithTheTelephoneAsKeyTheWordsSwapButTheLabelsStay) {
    useFile(1, u"ﾔﾏﾀﾞ,03-1\rｽｽﾞｷ,09", u"2", u"1", u"2");
    useFile(2, u"ﾔﾏﾀﾞ ﾀﾛｳ,031", u"2", u"1", u"2");
    engine.Command3_Click();
    // Sorted by telephone: 031 (ﾔﾏﾀﾞ) before 09 (ｽｽﾞｷ).
    EXPECT_EQ(results(),
              (Texts{u"4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｽｽﾞｷ、電話=09）",
                     u"5:001001携帯側と住所録側で氏名不一致 （電話番号=031、氏名 携帯:ﾔﾏﾀﾞ "
                     u"住所録:ﾔﾏﾀﾞﾀﾛｳ）"}));
}

} // namespace
