// The worked example of the help (help/vormak-help.html, "検査の例"), run
// through the engine: the help must show what the program really does.

#include "core/cp932.h"
#include "engine_fixture.h"
#include "test_files.h"

using namespace vormak;
using namespace vormak::testing;

TEST_F(EngineFixture, TheHelpsWorkedExampleGivesTheLinesAndFileItShows) {
    window.setText("ChkFile(1)", folder.write("keitai.csv", u"登録名,ﾌﾘｶﾞﾅ,電話番号\r\n"
                                                            u"山田太郎,ﾔﾏﾀﾞ ﾀﾛｳ,090-1111-2222\r\n"
                                                            u"鈴木花子,ｽｽﾞｷ ﾊﾅｺ,090-3333-4444\r\n"
                                                            u"佐藤一郎,ｻﾄｳ ｲﾁﾛｳ,03-5555-6666\r\n"));
    engine.ChkFile_LostFocus(1);
    window.select("TabOpt(2)");
    window.setText("ChkFile(2)", folder.write("jyusyo.txt", u"ﾌﾘｶﾞﾅ\t氏名\t電話\t備考\r\n"
                                                            u"ﾔﾏﾀﾞﾀﾛｳ\t山田太郎\t09011112222\t友人\r\n"
                                                            u"ｻﾄｳｼﾞﾛｳ\t佐藤次郎\t0355556666\t会社\r\n"
                                                            u"ﾀﾅｶ ｹﾝ\t田中健\t0477778888\t\r\n"));
    engine.ChkFile_LostFocus(2);
    for (int side = 1; side <= 2; ++side) {
        // What the window keeps in step when the position boxes change.
        engine.KanaNameIti_Change(side);
        engine.TelNoIti_Change(side);
    }
    EXPECT_EQ((Texts{window.text("FieldCnt(1)"), window.text("KanaNameIti(1)"),
                     window.text("TelNoIti(1)"), window.text("FieldCnt(2)"),
                     window.text("KanaNameIti(2)"), window.text("TelNoIti(2)")}),
              (Texts{u"3", u"2", u"3", u"4", u"1", u"3"}));
    EXPECT_TRUE(window.isChecked("TitleChk(1)"));

    engine.Command3_Click();
    EXPECT_EQ(
        results(),
        (Texts{u"3:002   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ﾀﾅｶｹﾝ、電話=0477778888）",
               u"4:003   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｽｽﾞｷﾊﾅｺ、電話=09033334444）",
               u"5:001001携帯側と住所録側で氏名不一致 （電話番号=0355556666、氏名 携帯:ｻﾄｳｲﾁﾛｳ "
               u"住所録:ｻﾄｳｼﾞﾛｳ）"}));

    window.setText("KekkaFile", folder.path("kekka.csv"));
    engine.Command9_Click();
    EXPECT_EQ(readBytes(toUtf8(folder.path("kekka.csv"))),
              encodeCp932(u"ﾌﾘｶﾞﾅ,氏名,電話,備考,ｴﾗｰﾒｯｾｰｼﾞ\r\n"
                          u"ﾀﾅｶｹﾝ,田中健,0477778888,,   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない "
                          u"（氏名=ﾀﾅｶｹﾝ、電話=0477778888）\r\n"
                          u"ｻﾄｳｼﾞﾛｳ,佐藤次郎,0355556666,会社,携帯側と住所録側で氏名不一致 "
                          u"（電話番号=0355556666、氏名 携帯:ｻﾄｳｲﾁﾛｳ 住所録:ｻﾄｳｼﾞﾛｳ）\r\n"));
    EXPECT_TRUE(window.messages.empty());
}
