// Faults from outside, through the real window: files that go away or cannot
// be written, a full disk, the window closed and every button clicked while a
// run or an output yields. Each ends with the program alive, the one right
// message, the normal pointer, the controls enabled and no file changed that
// should not be.

#include "form_fixture.h"

#include "ui/control_table.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;
namespace fs = std::filesystem;

namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Runs a hook from inside the n-th yield from now, after the pending events.
struct CountdownPump : EventPump {
    void processPendingEvents() override {
        QCoreApplication::processEvents();
        if (hook && --countdown == 0)
            std::exchange(hook, nullptr)();
    }
    std::function<void()> hook;
    int countdown = 0;
};

// Makes writes beyond a few bytes fail as on a full disk, for its lifetime.
class DiskFull {
public:
    DiskFull() {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit tiny = saved_;
        tiny.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~DiskFull() { setrlimit(RLIMIT_FSIZE, &saved_); }
    DiskFull(const DiskFull&) = delete;
    DiskFull& operator=(const DiskFull&) = delete;

private:
    rlimit saved_{};
};

class FaultInjection : public FormTest {
protected:
    void SetUp() override {
        auto p = std::make_unique<CountdownPump>();
        pump = p.get();
        form.setEventPump(std::move(p));
        start();
        mobile = path("mobile.csv");
        book = path("book.csv");
        writeFile("mobile.csv", {u"ﾌﾘｶﾞﾅ,電話番号", u"ﾔﾏﾀﾞ,090-1111-2222", u"ｻﾄｳ,090-3333-4444",
                                 u"ｻﾄｳ,090-3333-4444", u"ｽｽﾞｷ,090-5555-6666"});
        writeFile("book.csv",
                  {u"氏名,電話", u"ﾔﾏﾀﾞ,090-1111-2222", u"ｻﾄｳ,03-1234-5678", u"ﾀﾅｶ,090-7777-8888"});
        chooser->answers = {q(fromUtf8(mobile)), q(fromUtf8(book))};
        click("Command1");
        click("Command2");
        ASSERT_EQ(text("FieldCnt(1)"), u"2");
        ASSERT_EQ(text("FieldCnt(2)"), u"2");
        form.control<QLineEdit>("KekkaFile")->setText(q(fromUtf8(path("result.csv"))));
        ASSERT_TRUE(messageTexts().empty());
    }

    // The conversion table is written to the current folder.
    void TearDown() override { fs::current_path(startFolder); }

    std::string path(const std::string& name) const { return (folder / name).string(); }

    // Runs `hook` from inside the next yield (or the n-th one).
    void atYield(std::function<void()> hook, int n = 1) {
        pump->hook = std::move(hook);
        pump->countdown = n;
    }

    // Controls disabled now that are not disabled from the start.
    std::vector<std::string> disabledControls() const {
        std::vector<std::string> disabled;
        for (const ControlRow& row : controlTable())
            if (!(row.flags & Disabled) && !form.control(row.name)->isEnabled())
                disabled.push_back(row.name);
        return disabled;
    }

    std::vector<std::string> lockedControls() const {
        std::vector<std::string> locked;
        for (const ControlRow& row : controlTable())
            if (row.flags & LockedInOperation)
                locked.push_back(row.name);
        return locked;
    }

    // The state after any operation, ended well or not.
    void expectIdle() const {
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(form.operationLocked());
        EXPECT_EQ(disabledControls(), std::vector<std::string>{});
    }

    // Every button, check box and option, by mouse and by access key, except
    // the exit button (closing has a test of its own) and help, which shows
    // its own window and touches no data.
    void clickEverything() {
        for (const ControlRow& row : controlTable()) {
            const std::string_view name = row.name;
            if (name != "Command4" && name != "Command13" && form.control<QAbstractButton>(name))
                click(name);
        }
        for (Qt::Key key : {Qt::Key_G, Qt::Key_L, Qt::Key_O, Qt::Key_T, Qt::Key_D})
            QTest::keyClick(&form, key, Qt::AltModifier);
    }

    std::vector<std::u16string> results() const { return lines("ChkLst"); }

    std::vector<std::string> filesInFolder() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    const fs::path startFolder = fs::current_path();
    const fs::path folder = dir.path().toStdString();
    CountdownPump* pump = nullptr;
    std::string mobile, book;
};

using Texts = std::vector<std::u16string>;

// A file gone while the run reads the other side abandons the run; one gone
// or replaced before the start is inspected again and named in the message line.
TEST_F(FaultInjection, InputFileGoneOrReplacedIsNamedAndNothingStaleIsWritten) {
    const std::string mobileBytes = readBytes(mobile), bookBytes = readBytes(book);
    atYield([&] { fs::remove(book); });
    click("Command3");
    EXPECT_EQ(messageTexts(), Texts{u"住所録側ファイルが開けません"});
    EXPECT_EQ(text("JikkouMsg"), u"検 査 中 止");
    EXPECT_TRUE(results().empty());
    EXPECT_FALSE(form.control("ChkLst")->isHidden());
    expectIdle();

    // A folder or a named pipe in its place: inspected again before the run,
    // never read (a pipe would wait for a writer).
    presenter->shown.clear();
    writeBytes(book, bookBytes);
    fs::remove(mobile);
    fs::create_directory(mobile);
    click("Command3");
    EXPECT_EQ(text("JikkouMsg"), u"携帯電話側ファイルはフォルダです");
    fs::remove(mobile);
    ASSERT_EQ(mkfifo(mobile.c_str(), 0600), 0);
    click("Command3");
    EXPECT_EQ(text("JikkouMsg"), u"携帯電話側ファイルが開けません");
    EXPECT_EQ(messageTexts(), (Texts{u"携帯電話側ファイルが指定されていません",
                                     u"携帯電話側ファイルが指定されていません"}));
    expectIdle();
    fs::remove(mobile);

    // Changed after a good run: the result file would mix two files.
    writeBytes(mobile, mobileBytes);
    writeFile("book.csv", {u"氏名,電話", u"ﾀﾅｶ,090-7777-8888"});
    presenter->shown.clear();
    click("Command3");
    ASSERT_EQ(messageTexts(), Texts{});
    EXPECT_EQ(text("JikkouMsg"), u"検 査 終 了");
    writeFile("mobile.csv", {u"ﾌﾘｶﾞﾅ,電話番号", u"ﾀﾅｶ,090-7777-8888"});
    setOn("JOutOpt");
    click("Command9");
    EXPECT_EQ(messageTexts(),
              Texts{u"検査後にファイルまたは設定が変更されています。もう一度検査してください。"});
    EXPECT_EQ(text("JikkouMsg"), u"出 力 中 止");
    EXPECT_FALSE(fs::exists(path("result.csv")));
    expectIdle();
}

TEST_F(FaultInjection, UnreadableInputFileAbandonsTheRunNamingItsSide) {
    if (geteuid() == 0)
        GTEST_SKIP() << "running as root: a file without read permission can still be read";
    fs::permissions(mobile, fs::perms::none);
    click("Command3");
    EXPECT_EQ(messageTexts(), Texts{u"携帯電話側ファイルが開けません"});
    expectIdle();
}

TEST_F(FaultInjection, ResultFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    click("Command3");
    writeBytes(path("plain.txt"), "keep\r\n");
    std::vector<std::string> targets = {path("plain.txt") + "/out.csv", path("none") + "/out.csv",
                                        folder.string(), "/dev/full"};
    if (geteuid() != 0) {
        fs::create_directory(path("readonly"));
        fs::permissions(path("readonly"), fs::perms::owner_read | fs::perms::owner_exec);
        targets.push_back(path("readonly") + "/out.csv");
    }
    const auto before = filesInFolder();
    for (const auto& target : targets) {
        presenter->shown.clear();
        form.control<QLineEdit>("KekkaFile")->setText(q(fromUtf8(target)));
        click("Command9");
        EXPECT_EQ(messageTexts(), Texts{u"結果ファイルが作成できません"}) << target;
        EXPECT_EQ(text("JikkouMsg"), u"出 力 中 止");
        expectIdle();
    }
    EXPECT_EQ(readBytes(path("plain.txt")), "keep\r\n");
    EXPECT_EQ(filesInFolder(), before);
}

// A write that fails half-way (here: the file size limit, as a full disk
// does) leaves the file that was there before as it was.
TEST_F(FaultInjection, FullDiskLeavesTheOldResultAndTableFilesAsTheyWere) {
    click("Command3");
    fs::current_path(folder);
    writeBytes(path("result.csv"), "old result\r\n");
    writeBytes(path("vormak.izn"), "\"a\",\"b\"\r\n");
    const auto before = filesInFolder();
    {
        DiskFull full;
        click("Command9");
        click("Command12");
    }
    EXPECT_EQ(messageTexts(), (Texts{u"既存のファイルです。\n書き換えてもいいですか？",
                                     u"結果ファイルの書込みに失敗しました",
                                     u"機種依存文字ファイル（vormak.izn）が作成できません"}));
    EXPECT_EQ(text("JikkouMsg"), u"出 力 中 止");
    EXPECT_EQ(readBytes(path("result.csv")), "old result\r\n");
    EXPECT_EQ(readBytes(path("vormak.izn")), "\"a\",\"b\"\r\n");
    EXPECT_EQ(filesInFolder(), before);
    expectIdle();
}

TEST_F(FaultInjection, TableFolderThatCannotBeWrittenIsReported) {
    // As root a read-only folder is still writable; a folder that was removed
    // while it is the current one is not, for anybody.
    const fs::path gone = folder / "gone";
    fs::create_directory(gone);
    fs::current_path(gone);
    fs::remove(gone);
    click("Command12");
    EXPECT_EQ(messageTexts(), Texts{u"機種依存文字ファイル（vormak.izn）が作成できません"});
    expectIdle();
}

TEST_F(FaultInjection, ClosingTheWindowDuringARunEndsItQuietly) {
    const std::string mobileBytes = readBytes(mobile), bookBytes = readBytes(book);
    atYield([&] { click("Command4"); }, 3);
    click("Command3");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(messageTexts(), Texts{});
    EXPECT_EQ(readBytes(mobile), mobileBytes);
    EXPECT_EQ(readBytes(book), bookBytes);
    expectIdle();
}

TEST_F(FaultInjection, ClosingTheWindowDuringAnOutputLeavesTheOldFile) {
    click("Command3");
    writeBytes(path("result.csv"), "old result\r\n");
    const auto before = filesInFolder();
    atYield([&] { click("Command4"); });
    click("Command9");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(messageTexts(), Texts{u"既存のファイルです。\n書き換えてもいいですか？"});
    EXPECT_EQ(readBytes(path("result.csv")), "old result\r\n");
    EXPECT_EQ(filesInFolder(), before);
    expectIdle();
}

// Inside a yield the commands are locked: no click reaches a handler, and the
// run or output ends exactly as an undisturbed one.
TEST_F(FaultInjection, EveryClickWhileARunOrAnOutputYieldsIsIgnored) {
    fs::current_path(folder);
    click("Command3");
    const auto undisturbed = results();
    ASSERT_FALSE(undisturbed.empty());
    click("Command9");
    const std::string undisturbedFile = readBytes(path("result.csv"));
    fs::remove(path("result.csv"));
    const auto before = filesInFolder();

    std::vector<std::string> disabledInside;
    auto disturb = [&] {
        disabledInside = disabledControls();
        // Lines the delete button would remove, were it not locked.
        form.control<QListWidget>("ChkLst")->selectAll();
        clickEverything();
    };
    atYield(disturb, 2);
    click("Command3");
    EXPECT_EQ(disabledInside, lockedControls());
    EXPECT_EQ(results(), undisturbed);
    EXPECT_EQ(text("JikkouMsg"), u"検 査 終 了");
    EXPECT_EQ(filesInFolder(), before); // no result file, no table file
    expectIdle();

    disabledInside.clear();
    atYield(disturb);
    click("Command9");
    EXPECT_EQ(disabledInside, lockedControls());
    EXPECT_EQ(readBytes(path("result.csv")), undisturbedFile);
    EXPECT_EQ(results(), undisturbed);
    EXPECT_EQ(text("JikkouMsg"), u"出 力 終 了");
    EXPECT_EQ(messageTexts(), Texts{});
    EXPECT_EQ(chooser->asked.size(), 2u); // only the two picks of the set-up
    expectIdle();
}

} // namespace
