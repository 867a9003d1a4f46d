// The sample files in examples/ are inspected and checked as a user would do it,
// and give every kind of finding. The same files as UTF-8 with a byte-order
// mark give the same result.
#include "engine_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace vormak::testing {
namespace {

const std::filesystem::path kExamples =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "examples";

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class SampleData : public EngineFixture {
protected:
    Text mobile = fromUtf8((kExamples / "keitai.csv").string());
    Text book = fromUtf8((kExamples / "jyusyo.txt").string());

    // Names both files as the browse buttons do: the file is inspected at once.
    void inspectBoth() {
        window.setText("ChkFile(1)", mobile);
        engine.ChkFile_LostFocus(1);
        window.select("TabOpt(2)");
        window.setText("ChkFile(2)", book);
        engine.ChkFile_LostFocus(2);
    }

    // A copy of a sample in UTF-8 with the byte-order mark.
    Text utf8Copy(const std::string& name) {
        return folder.writeBytes(name,
                                 "\xEF\xBB\xBF" + toUtf8(decodeCp932(bytesOf(kExamples / name))));
    }

    Texts runCheck() {
        engine.Command3_Click();
        EXPECT_EQ(window.messageTexts(), Texts{});
        EXPECT_EQ(window.text("JikkouMsg"), u"検 査 終 了");
        return window.listLines("ChkLst");
    }
};

const Texts kTelephoneKeyFindings = {
    u"1:026   携帯側に電話番号重複データあり （氏名=鈴木一郎、電話=09034561234）",
    u"2:007   住所側に電話番号重複データあり （氏名=中村陽子、電話=0661234567）",
    u"3:004   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=岡田光、電話=0459876543）",
    u"3:022   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=小川浩、電話=09012125656）",
    u"3:031   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=前田由紀、電話=09097531086）",
    u"4:009   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=藤田勇気、電話=08011223344）",
    u"4:021   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=小川浩、電話=09012123434）",
    u"4:028   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=後藤美穂、電話=09055667788）",
    u"5:011012携帯側と住所録側で氏名不一致 （電話番号=08027182818、氏名 携帯:近藤さとみ "
    u"住所録:近藤里美）",
    u"5:024025携帯側と住所録側で氏名不一致 （電話番号=09031415926、氏名 携帯:長谷川隆 "
    u"住所録:長谷川隆史）",
};

} // namespace

TEST_F(SampleData, TelephoneKeyGivesEveryKindOfFinding) {
    inspectBoth();
    window.select("TelNoHikaku");
    engine.TelNoHikaku_Click();
    EXPECT_EQ(runCheck(), kTelephoneKeyFindings);
    EXPECT_EQ(window.text("DtCnt(1)"), u" 31");
    EXPECT_EQ(window.text("DtCnt(2)"), u" 31");
    // 山﨑 on the phone and 山崎 in the address book pair up through the
    // conversion pair; blanks and hyphens are gone from the key fields.
    EXPECT_EQ(engine.KeyTbl(1, 10, 2), u"山崎一郎");
    EXPECT_EQ(engine.KeyTbl(1, 10, 0), u"*");
    EXPECT_EQ(engine.KeyTbl(2, 11, 1), u"山崎一郎");
    EXPECT_EQ(engine.KeyTbl(2, 11, 0), u"*");
}

TEST_F(SampleData, Utf8CopiesWithTheMarkGiveTheSameResult) {
    mobile = utf8Copy("keitai.csv");
    book = utf8Copy("jyusyo.txt");
    inspectBoth();
    // The mark is not part of the first title of either file.
    EXPECT_EQ(engine.FldBuf(1, 1), u"メモリ番号");
    EXPECT_EQ(engine.FldBuf(2, 1), u"氏名");
    EXPECT_EQ(window.text("FieldCnt(1)"), u"4");
    EXPECT_EQ(window.text("KanaNameIti(2)"), u"1");
    window.select("TelNoHikaku");
    engine.TelNoHikaku_Click();
    EXPECT_EQ(runCheck(), kTelephoneKeyFindings);

    // The result file is Shift-JIS, its title line taken from the UTF-8 file.
    window.setText("KekkaFile", folder.path("result.csv"));
    engine.Command9_Click();
    const std::string written = bytesOf(toUtf8(folder.path("result.csv")));
    EXPECT_EQ(written.substr(0, written.find("\r\n") + 2),
              encodeCp932(u"氏名,フリガナ,郵便番号,住所,電話番号,メールアドレス,ｴﾗｰﾒｯｾｰｼﾞ\r\n"));
}

} // namespace vormak::testing
