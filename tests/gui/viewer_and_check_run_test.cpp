// The record viewer, and a whole check through the window: validation, the
// lock of the commands while it runs, the result lines, a close in between.

#include "form_fixture.h"

#include "ui/control_table.h"

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

// Looks at the window from inside every yield of a running operation.
struct WatchingPump : EventPump {
    void processPendingEvents() override {
        watch();
        QCoreApplication::processEvents();
    }
    std::function<void()> watch;
};

class ViewerAndCheckRun : public FormTest {
protected:
    // Both sides picked with their browse buttons (and so inspected).
    void pickFiles(const Lines& mobile, const Lines& book) {
        chooser->answers = {writeFile(QStringLiteral("k.csv"), mobile),
                            writeFile(QStringLiteral("j.csv"), book)};
        click("Command1");
        click("Command2");
    }
    void pickCheckFiles() {
        pickFiles({u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｻﾄｳ,222", u"ｽｽﾞｷ,333"},
                  {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｽｽﾞｷｲﾁﾛｳ,333", u"ｻﾄｳ,999"});
    }
    void watchYields(std::function<void()> watch) {
        auto pump = std::make_unique<WatchingPump>();
        pump->watch = std::move(watch);
        form.setEventPump(std::move(pump));
    }
};

// Each side keeps its own place; choosing a side alone changes nothing shown;
// Enter on the focused button acts as a click.
TEST_F(ViewerAndCheckRun, ViewerPagesEachSideToItsEnd) {
    start();
    pickFiles({u"氏名,電話", u"K1,1", u"K2"}, {u"氏名,電話", u"J1,1"});
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話"}));
    click("Command5");
    click("KeitaiDsp");
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: J1", u" 2: 1"}));
    form.control("Command5")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.control("Command5"), Qt::Key_Return);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: K1", u" 2: 1"}));
    click("Command5");
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: K2", u" 2: "}));
    EXPECT_EQ(messageTexts(), Lines{});
    click("Command5");
    EXPECT_EQ(messageTexts(), Lines{u"データの上限に達しました"});
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: K2", u" 2: "}));
    QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話"}));
}

TEST_F(ViewerAndCheckRun, ACheckEndsWithItsSortedResultLinesShown) {
    start();
    pickCheckFiles();
    click("Command3");
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ(form.text("JikkouMsg"), u"検 査 終 了");
    EXPECT_TRUE(form.isVisible("ChkLst"));
    EXPECT_EQ(lines("ChkLst"),
              (Lines{u"3:003   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ｻﾄｳ、電話=999）",
                     u"4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｻﾄｳ、電話=222）",
                     u"5:003002携帯側と住所録側で氏名不一致 （電話番号=333、氏名 携帯:ｽｽﾞｷ "
                     u"住所録:ｽｽﾞｷｲﾁﾛｳ）"}));
    EXPECT_EQ(form.text("DtCnt(1)"), u" 3");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerAndCheckRun, CommandsAndInputsAreDisabledWhileTheCheckRuns) {
    start();
    pickCheckFiles();
    int yields = 0;
    std::vector<std::string> enabled;
    watchYields([&] {
        ++yields;
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        for (const ControlSpec& spec : controlTable())
            if ((spec.flags & LockedInOperation) && form.control(spec.name)->isEnabled())
                enabled.push_back(spec.name);
        // A second start from inside the run meets a disabled button.
        click("Command3");
    });
    click("Command3");
    EXPECT_GT(yields, 3);
    EXPECT_EQ(enabled, std::vector<std::string>{});
    EXPECT_EQ(form.listCount("ChkLst"), 3);
    for (const char* name : {"Command3", "Command9", "ChkFile(1)", "TelNoHikaku", "FrMoji(0)"})
        EXPECT_TRUE(form.control(name)->isEnabled()) << name;
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ViewerAndCheckRun, ClosingTheWindowDuringACheckEndsItQuietly) {
    start();
    pickCheckFiles();
    watchYields([&] { form.close(); });
    click("Command3");
    EXPECT_FALSE(form.QWidget::isVisible());
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_NE(form.text("JikkouMsg"), u"検 査 終 了");
}

} // namespace
