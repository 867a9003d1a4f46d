#include "engine_fixture.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using namespace vormak;
using namespace vormak::testing;

namespace {

// Mobile side: 3 fields (name, reading, telephone), address book: 4 fields
// (reading, name, telephone, memo). The tables hold what a check left.
class ResultFile : public EngineFixture {
protected:
    void SetUp() override {
        setSide(1, folder.write("keitai.csv", u"名前,ﾖﾐ,電話\r\n山田,ﾔﾏﾀﾞ,0901\r\n"), u"3", u"2",
                u"3");
        setSide(2, folder.write("jyusyo.txt", u"ﾖﾐ\t氏名\t電話\t備考\r\nﾔﾏﾀﾞ\t山田\t0311\t\r\n"),
                u"4", u"1", u"3");
        window.select("TabOpt(2)");
        EngineTestAccess::setEntry(engine, 1, 1, {u"青木", u"ｱｵｷ", u"0901"});
        EngineTestAccess::setEntry(engine, 1, 2, {u"青木", u"ｱｵｷ", u"0901"});
        EngineTestAccess::setEntry(engine, 1, 3, {u"佐藤", u"ｻﾄｳ", u"0903"});
        EngineTestAccess::setEntry(engine, 2, 1, {u"ｲﾄｳ", u"伊藤", u"0311", u""});
        EngineTestAccess::setEntry(engine, 2, 2, {u"ｲﾄｳ", u"伊藤", u"0311", u"友人"});
        EngineTestAccess::setEntry(engine, 2, 12, {u"ｳｴﾉ", u"上野", u"0312", u"a,b"});
        EngineTestAccess::setEntry(engine, 2, 17, {u"ｻﾄｳ", u"佐藤", u"0903", u"会社"});
        output = folder.path("kekka.csv");
        window.setText("KekkaFile", output);
    }

    // One line of each check, as the cross-check writes them.
    void addOneLineOfEachCheck() {
        for (const char16_t* line : {kCheck1, kCheck2, kCheck3, kCheck4, kCheck5})
            window.listAdd("ChkLst", line);
    }
    std::string written() const { return readBytes(toUtf8(output)); }
    static std::string cp932(std::u16string_view text) { return encodeCp932(text); }

    static constexpr const char16_t* kCheck1 =
        u"1:002   携帯側に電話番号重複データあり （氏名=ｱｵｷ、電話=0901）";
    static constexpr const char16_t* kCheck2 =
        u"2:002   住所側に電話番号重複データあり （氏名=ｲﾄｳ、電話=0311）";
    static constexpr const char16_t* kCheck3 =
        u"3:012   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ｳｴﾉ、電話=0312）";
    static constexpr const char16_t* kCheck4 =
        u"4:001   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｱｵｷ、電話=0901）";
    static constexpr const char16_t* kCheck5 =
        u"5:003017携帯側と住所録側で氏名不一致 （電話番号=0903、氏名 携帯:ｻﾄｳ 住所録:ｻﾄｳ）";

    Text output;
};

} // namespace

TEST_F(ResultFile, AddressBookCorrectionWritesTheMobileEntriesOfChecks4And5) {
    window.select("JOutOpt");
    window.setChecked("TitleChk(1)", false);
    window.setChecked("ChkMsgOut", false);
    addOneLineOfEachCheck();
    engine.Command9_Click();
    // Check 2 names an address-book duplicate: that entry, with its own four fields.
    EXPECT_EQ(written(), cp932(u"ｲﾄｳ,伊藤,0311,友人\r\n"
                               u"青木,ｱｵｷ,0901\r\n"
                               u"佐藤,ｻﾄｳ,0903\r\n"));
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(window.text("JikkouMsg"), u"出 力 終 了");
}

TEST_F(ResultFile, MobileCorrectionWritesAddressBookEntriesWithTheSide2NumberOfCheck5) {
    window.select("KTabOpt");
    window.setChecked("TitleChk(2)", false);
    window.setChecked("ChkMsgOut", false);
    addOneLineOfEachCheck();
    engine.Command9_Click();
    // Check 1 names a mobile duplicate: that entry, with its own three fields.
    // A field holding the delimiter of the other format is written as it is.
    EXPECT_EQ(written(), cp932(u"青木\tｱｵｷ\t0901\r\n"
                               u"ｳｴﾉ\t上野\t0312\ta,b\r\n"
                               u"ｻﾄｳ\t佐藤\t0903\t会社\r\n"));
}

TEST_F(ResultFile, MessageColumnFollowsTheFieldsAndTheTitleLineNamesIt) {
    window.listAdd("ChkLst", kCheck3);
    window.listAdd("ChkLst", kCheck5);
    engine.Command9_Click();
    EXPECT_EQ(written(), cp932(u"ﾖﾐ,氏名,電話,備考,ｴﾗｰﾒｯｾｰｼﾞ\r\n"
                               u"ｳｴﾉ,上野,0312,a,b,   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない "
                               u"（氏名=ｳｴﾉ、電話=0312）\r\n"
                               u"ｻﾄｳ,佐藤,0903,会社,携帯側と住所録側で氏名不一致 "
                               u"（電話番号=0903、氏名 携帯:ｻﾄｳ 住所録:ｻﾄｳ）\r\n"));
    // The title was read through the viewer, which now shows side 2's first line.
    EXPECT_TRUE(window.isSelected("JyusyoDsp"));
    EXPECT_EQ(window.listLines("RecLst"),
              (Texts{u" 1: ﾖﾐ", u" 2: 氏名", u" 3: 電話", u" 4: 備考"}));
}

TEST_F(ResultFile, AnExistingFileIsReplacedOnlyWhenTheUserSaysYes) {
    window.listAdd("ChkLst", kCheck3);
    window.setChecked("TitleChk(2)", false);
    window.setChecked("ChkMsgOut", false);
    writeBytes(toUtf8(output), "old");
    window.answers = {MessageAnswer::No};
    engine.Command9_Click();
    ASSERT_EQ(window.messages.size(), 1u);
    EXPECT_EQ(window.messages[0].text, u"既存のファイルです。\r書き換えてもいいですか？");
    EXPECT_EQ(window.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(written(), "old");
    EXPECT_EQ(window.text("JikkouMsg"), u"①から④の順に指定して⑤を実行して下さい");

    window.answers = {MessageAnswer::Yes};
    engine.Command9_Click();
    EXPECT_EQ(window.messages.size(), 2u);
    EXPECT_EQ(written(), cp932(u"ｳｴﾉ,上野,0312,a,b\r\n"));
}

TEST_F(ResultFile, SettingsThatAllowNoOutputAreRefusedBeforeAnythingIsWritten) {
    const struct {
        const char16_t *kekkaFile, *fieldCount2, *message;
    } cases[] = {
        {u"", u"4", u"結果ファイルが指定されていません"},
        {nullptr, u"0", u"住所録側ファイルが指定されていません "},
        {nullptr, u"21", u"住所録側 項目数が正しくありません"},
    };
    for (const auto& c : cases) {
        window.messages.clear();
        window.setText("KekkaFile", c.kekkaFile ? Text(c.kekkaFile) : output);
        window.setText("FieldCnt(2)", c.fieldCount2);
        engine.Command9_Click();
        EXPECT_EQ(window.messageTexts(), Texts{c.message});
        EXPECT_FALSE(std::filesystem::exists(toUtf8(output)));
        EXPECT_EQ(window.text("JikkouMsg"), u"①から④の順に指定して⑤を実行して下さい");
    }
}

TEST_F(ResultFile, AnInputFileIsNeverTheTarget) {
    const std::string mobile = toUtf8(window.text("ChkFile(1)"));
    const std::string link = toUtf8(folder.path("link.csv"));
    ASSERT_EQ(::link(mobile.c_str(), link.c_str()), 0);
    const std::string before = readBytes(mobile);
    for (const Text& target :
         {window.text("ChkFile(1)"), folder.path("link.csv"), folder.path("./jyusyo.txt")}) {
        window.messages.clear();
        window.setText("KekkaFile", target);
        engine.Command9_Click();
        EXPECT_EQ(window.messageTexts(), (Texts{u"検査対象ファイルには書き出せません"}));
    }
    EXPECT_EQ(readBytes(mobile), before);
}

namespace {

// The state after an output that failed: message, pointer, progress text.
void expectFailedOutput(const FakeWindow& window, const Texts& messages) {
    EXPECT_EQ(window.messageTexts(), messages);
    EXPECT_EQ(window.text("JikkouMsg"), u"出 力 中 止");
    EXPECT_FALSE(window.busy());
    EXPECT_FALSE(window.locked());
}

} // namespace

TEST_F(ResultFile, AFileThatCannotBeCreatedIsReported) {
    window.listAdd("ChkLst", kCheck3);
    window.setText("KekkaFile", folder.path("missing/kekka.csv"));
    engine.Command9_Click();
    expectFailedOutput(window, {u"結果ファイルが作成できません"});
}

TEST_F(ResultFile, AReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root: a read-only folder does not stop root from writing";
    window.listAdd("ChkLst", kCheck3);
    const std::string sub = toUtf8(folder.path("ro"));
    std::filesystem::create_directory(sub);
    writeBytes(sub + "/kekka.csv", "old");
    std::filesystem::permissions(sub, std::filesystem::perms::owner_read |
                                          std::filesystem::perms::owner_exec);
    window.setText("KekkaFile", folder.path("ro/kekka.csv"));
    engine.Command9_Click();
    std::filesystem::permissions(sub, std::filesystem::perms::owner_all);
    expectFailedOutput(window, {u"既存のファイルです。\r書き換えてもいいですか？",
                                u"結果ファイルが作成できません"});
    EXPECT_EQ(readBytes(sub + "/kekka.csv"), "old");
}

TEST_F(ResultFile, AFailedWriteKeepsTheOldFileAndLeavesNothingBehind) {
    // A file size limit makes the write itself fail, for root as well.
    for (int i = 0; i < 200; ++i)
        window.listAdd("ChkLst", kCheck3);
    writeBytes(toUtf8(output), "old");
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    engine.Command9_Click();
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    expectFailedOutput(window, {u"既存のファイルです。\r書き換えてもいいですか？",
                                u"結果ファイルの書込みに失敗しました"});
    EXPECT_EQ(written(), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(toUtf8(folder.path(""))),
                            std::filesystem::directory_iterator()),
              3); // the two input files and the old result file
}

TEST_F(ResultFile, AnUnreadableTitleLineAbandonsTheOutput) {
    window.listAdd("ChkLst", kCheck3);
    writeBytes(toUtf8(output), "old");
    window.setText("ChkFile(2)", folder.path("gone.txt"));
    engine.Command9_Click();
    expectFailedOutput(window, {u"既存のファイルです。\r書き換えてもいいですか？",
                                u"住所録側ファイルが開けません"});
    EXPECT_EQ(written(), "old");
}

TEST_F(ResultFile, ClosingTheWindowMeanwhileWritesNothing) {
    window.listAdd("ChkLst", kCheck3);
    window.onYield = [] { return false; };
    engine.Command9_Click();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(toUtf8(output)));
    EXPECT_FALSE(window.busy());
}
