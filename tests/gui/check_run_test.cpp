// A whole check through the window, started from the keyboard: the commands
// and the menu's switches locked while it runs, the sorted result lines at its end.

#include "form_fixture.h"

#include "ui/control_table.h"

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

using CheckRun = FormTest;

// The mobile side is typed and the access key pressed at once: the inspection
// that leaving the box owes runs before the check starts.
TEST_F(CheckRun, ACheckLocksTheCommandsAndEndsWithItsSortedResultLines) {
    start();
    chooser->answers = {writeFile(QStringLiteral("j.csv"),
                                  {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｽｽﾞｷｲﾁﾛｳ,333", u"ｻﾄｳ,999"})};
    click("Command2");
    type("ChkFile(1)", writeFile(QStringLiteral("k.csv"),
                                 {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｻﾄｳ,222", u"ｽｽﾞｷ,333"}));
    int yields = 0;
    std::vector<std::string> enabled;
    auto pump = std::make_unique<WatchingPump>();
    pump->watch = [&] {
        ++yields;
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        for (const ControlRow& row : controlTable())
            if ((row.flags & LockedInOperation) && form.control(row.name)->isEnabled())
                enabled.push_back(row.name);
        for (const char* item : {"FoldReadingsAction", "FoldNumbersAction", "WriteResultAction"})
            if (form.action(item)->isEnabled())
                enabled.push_back(item);
        // A second start from inside the run meets a disabled button.
        click("Command3");
    };
    form.setEventPump(std::move(pump));
    // A switch of the option menu reaches the settings and is shown by frame ③.
    form.action("FoldNumbersAction")->trigger();
    EXPECT_EQ(
        std::pair(form.window().settings().foldReadings, form.window().settings().foldNumbers),
        std::pair(false, true));
    EXPECT_EQ(text("FoldIndicator"), u"番号揃え");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);

    EXPECT_GT(yields, 3);
    EXPECT_EQ(enabled, std::vector<std::string>{});
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ(text("JikkouMsg"), u"検 査 終 了");
    EXPECT_EQ(text("DtCnt(1)"), u" 3");
    EXPECT_TRUE(isShown("ChkLst"));
    EXPECT_EQ(lines("ChkLst"),
              (Lines{u"3:003   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ｻﾄｳ、電話=999）",
                     u"4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｻﾄｳ、電話=222）",
                     u"5:003002携帯側と住所録側で氏名不一致 （電話番号=333、氏名 携帯:ｽｽﾞｷ "
                     u"住所録:ｽｽﾞｷｲﾁﾛｳ）"}));
    for (const char* name : {"Command3", "Command9", "ChkFile(1)", "TelNoHikaku", "FrMoji(0)"})
        EXPECT_TRUE(form.control(name)->isEnabled()) << name;
    EXPECT_TRUE(form.action("FoldNumbersAction")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form.control("Command3"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

} // namespace

// A path that arrived without the box losing the focus (as after a file
// dialog closed with Enter), and a file rewritten since its inspection, are
// inspected when the check starts: the check reads them with their own columns.
TEST_F(CheckRun, AnUninspectedOrChangedFileIsInspectedBeforeTheCheck) {
    start();
    checkFiles({u"氏名,電話番号", u"ﾔﾏﾀﾞ,111"}, {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111"});
    ASSERT_EQ(lines("ChkLst"), Lines{});
    setText("ChkFile(1)", writeFile(QStringLiteral("k2.csv"), {u"メモ,電話番号,氏名", u"x,222,ｻﾄｳ"})
                              .toStdU16String());
    writeFile(QStringLiteral("address.csv"), {u"電話,メモ,名前", u"111,y,ﾔﾏﾀﾞ"});
    click("Command3");
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ((Lines{text("FieldCnt(1)"), text("KanaNameIti(1)"), text("TelNoIti(1)"),
                     text("KanaNameIti(2)"), text("TelNoIti(2)")}),
              (Lines{u"3", u"3", u"2", u"3", u"1"}));
    EXPECT_EQ(lines("ChkLst"),
              (Lines{u"3:001   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ﾔﾏﾀﾞ、電話=111）",
                     u"4:001   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｻﾄｳ、電話=222）"}));
}
