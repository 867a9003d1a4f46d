// The window as the user meets it: tab order, the captions that follow the
// match key, the inspection of a file box the user leaves, the file dialog,
// the record viewer.

#include "form_fixture.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTimer>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

class Window : public FormTest {
protected:
    Lines checkCaptions() const {
        Lines out;
        for (const char* box : {"DblChkK", "DblChkJ", "KNonChk", "JNonChk", "SubKeyErrChk"})
            out.push_back(text(box));
        return out;
    }
    // Field count, name and telephone columns, title line.
    Lines found(int side) const {
        Lines out;
        for (const char* box : {"FieldCnt", "KanaNameIti", "TelNoIti"})
            out.push_back(text(indexed(box, side)));
        out.push_back(isOn(indexed("TitleChk", side)) ? u"title" : u"no title");
        return out;
    }
    // Types the path into the side's box and leaves it with Tab.
    void enterAndLeave(int side, const QString& path) {
        type(indexed("ChkFile", side), path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
};

// The chain follows the tab indexes; Tab and Shift+Tab enter a group of
// options on its selected option, whichever that is and however it was chosen.
TEST_F(Window, TabFollowsTheTabIndexesAndEntersAGroupOnItsSelectedOption) {
    const std::vector<std::string> expected = {
        "ChkFile(1)",  "Command1",       "CsvOpt(1)",   "TabOpt(1)",   "FieldCnt(1)",
        "TitleChk(1)", "KanaNameIti(1)", "TelNoIti(1)", "ChkFile(2)",  "Command2",
        "CsvOpt(2)",   "TabOpt(2)",      "FieldCnt(2)", "TitleChk(2)", "KanaNameIti(2)",
        "TelNoIti(2)", "KanaNameHikaku", "TelNoHikaku", "KeitaiDsp",   "JyusyoDsp",
        "Command5",    "Command6",       "RecLst",      "DblChkK",     "DblChkJ",
        "KNonChk",     "JNonChk",        "ChkLst",      "Command3",    "Command8",
        "KOutOpt",     "JOutOpt",        "ChkMsgOut",   "Command10",   "KekkaFile",
        "KCsvOpt",     "KTabOpt",        "Command9",    "Command4",    "Command13",
        "FrMoji(0)",   "ToMoji(0)",      "FrMoji(1)",   "ToMoji(1)",   "FrMoji(2)",
        "ToMoji(2)",   "FrMoji(3)",      "ToMoji(3)",   "Command12",   "SpcChk",
        "HifnChk",     "Command11",      "SubKeyErrChk"};
    std::vector<std::string> chain;
    QWidget* first = form.control("ChkFile(1)");
    for (QWidget* w = first; chain.empty() || w != first; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            chain.push_back(w->objectName().toStdString());
    EXPECT_EQ(chain, expected);

    struct Row {
        const char* name;
        const char* selected; // by the program, or nothing
        const char* from;
        Qt::Key key;
        const char* lands;
    };
    const Row rows[] = {
        {"match key as it starts", nullptr, "TelNoIti(2)", Qt::Key_Tab, "TelNoHikaku"},
        {"format as it starts, backwards", nullptr, "FieldCnt(2)", Qt::Key_Backtab, "CsvOpt(2)"},
        {"format chosen after a visit", "TabOpt(2)", "Command2", Qt::Key_Tab, "TabOpt(2)"},
        {"viewer side", "JyusyoDsp", "TelNoHikaku", Qt::Key_Tab, "JyusyoDsp"},
        {"output side", "JOutOpt", "Command8", Qt::Key_Tab, "JOutOpt"},
    };
    start();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.selected)
            setOn(row.selected);
        form.control(row.from)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(form.control(row.from), row.key);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), row.lands);
    }
}

// The key (switched here with the arrow key) changes the captions, never the
// state of the check boxes.
TEST_F(Window, MatchKeyChangesCaptionsButNotTheCheckBoxes) {
    start();
    EXPECT_FALSE(isShown("ChkLst"));
    EXPECT_EQ(
        checkCaptions(),
        (Lines{u"1．携帯側の同一電話番号重複データ", u"2．住所録側の同一電話番号重複データ",
               u"3．電話番号データが、携帯側にないもの", u"4．電話番号データが、住所録側にないもの",
               u"5．同一電話番号で氏名が一致しないデータ"}));
    enterAndLeave(1, writeFile(QStringLiteral("a.csv"), {u"ﾌﾘｶﾞﾅ,氏名,電話番号"}));
    EXPECT_EQ(found(1), (Lines{u"3", u"1", u"3", u"title"}));
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: ﾌﾘｶﾞﾅ", u" 2: 氏名", u" 3: 電話番号"}));

    setOn("DblChkJ", false);
    click("TelNoHikaku");
    QTest::keyClick(form.control("TelNoHikaku"), Qt::Key_Left);
    EXPECT_TRUE(isOn("KanaNameHikaku"));
    EXPECT_EQ(checkCaptions(),
              (Lines{u"1．携帯側の同一氏名重複データ", u"2．住所録側の同一氏名重複データ",
                     u"3．氏名データが、携帯側にないもの", u"4．氏名データが、住所録側にないもの",
                     u"5．同一氏名で電話番号が一致しないデータ"}));
    EXPECT_EQ((std::pair{isOn("DblChkK"), isOn("DblChkJ")}), std::pair(true, false));
    EXPECT_EQ(found(1), (Lines{u"3", u"1", u"3", u"title"}));
    type("TelNoIti(2)", QStringLiteral("4"));
    EXPECT_EQ(found(2), (Lines{u"0", u"", u"4", u"title"}));
}

TEST_F(Window, TitleWordsAreFoundInQuotedTitlesAndNotInData) {
    start();
    enterAndLeave(2, writeFile(QStringLiteral("q.csv"), {u"\"電話\",\"姓名\""}));
    EXPECT_EQ(found(2), (Lines{u"2", u"2", u"1", u"title"}));
    EXPECT_TRUE(isOn("JyusyoDsp"));
    enterAndLeave(2, writeFile(QStringLiteral("d.csv"), {u"name,tel", u"ﾔﾏﾀﾞ,0311"}));
    EXPECT_EQ(found(2), (Lines{u"2", u"", u"", u"no title"}));
}

// A conversion box holds one character: of a paste in place of its text the
// first character stays; what would make it longer is refused.
TEST_F(Window, AConversionBoxTakesOneCharacter) {
    struct Row {
        const char* name;
        const char* box;
        bool selectAll;
        bool paste; // "鷗崎" from the clipboard, or "y" typed
        std::u16string stays;
    };
    const Row rows[] = {
        {"paste into an empty box", "FrMoji(1)", false, true, u"鷗"},
        {"a character typed after the paste", "FrMoji(1)", false, false, u"鷗"},
        {"paste over the whole text", "FrMoji(0)", true, true, u"鷗"},
        {"paste after the character", "ToMoji(0)", false, true, u"崎"},
        {"a second character typed", "ToMoji(0)", false, false, u"崎"},
    };
    start();
    QApplication::clipboard()->setText(QStringLiteral(u"鷗崎"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        QWidget* box = form.control(row.box);
        box->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box, row.selectAll ? Qt::Key_A : Qt::Key_End,
                        row.selectAll ? Qt::ControlModifier : Qt::NoModifier);
        if (row.paste)
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        else
            QTest::keyClick(box, Qt::Key_Y);
        EXPECT_EQ(text(row.box), row.stays);
    }
}

// Each side keeps its own place; choosing a side alone changes nothing shown;
// Enter on the focused button and Alt+N act as a click; paging past the end says so.
TEST_F(Window, ViewerPagesEachSideToItsEnd) {
    start();
    chooser->answers = {writeFile(QStringLiteral("k.csv"), {u"氏名,電話", u"K1,1", u"K2"}),
                        writeFile(QStringLiteral("j.csv"), {u"氏名,電話", u"J1,1"})};
    click("Command1");
    click("Command2");
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話"}));
    click("Command5");
    click("KeitaiDsp");
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: J1", u" 2: 1"}));
    form.control("Command5")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.control("Command5"), Qt::Key_Return);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: K1", u" 2: 1"}));
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: K2", u" 2: "}));
    EXPECT_EQ(messageTexts(), Lines{});
    click("Command5");
    EXPECT_EQ(messageTexts(), Lines{u"データの上限に達しました"});
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: K2", u" 2: "}));
    QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話"}));
}

// Enter in the file dialog while its name completion is open takes the
// completed name and closes the dialog at once. The window has the focus again
// afterwards, so leaving a path box still inspects its file.
TEST_F(Window, FileDialogClosedFromItsCompletionGivesTheFocusBack) {
    start();
    auto dialogChooser = std::make_unique<DialogFileChooser>(&form);
    dialogChooser->dialog().setDirectory(dir.path());
    form.setFileChooser(std::move(dialogChooser));
    const QString picked = writeFile(QStringLiteral("keitai.csv"), {u"氏名,電話"});
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // The folder is listed before the name is typed, so the completion
        // offers the file at once.
        auto* files = dialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        const bool listed =
            QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) == 1; });
        QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")),
                         QStringLiteral("kei"));
        if (!listed || !QTest::qWaitFor([] { return QApplication::activePopupWidget(); })) {
            ADD_FAILURE() << "no completion offered";
            return dialog->reject();
        }
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    });
    click("Command1");
    EXPECT_EQ(text("ChkFile(1)"), picked.toStdU16String());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(QApplication::focusWidget(), form.control("Command1"));
    enterAndLeave(1, writeFile(QStringLiteral("a.csv"), {u"ﾌﾘｶﾞﾅ,氏名,電話番号"}));
    EXPECT_EQ(found(1), (Lines{u"3", u"1", u"3", u"title"}));
    // The dialog, gone, has left no settings file of Qt's behind.
    form.setFileChooser(std::make_unique<PreparedChooser>());
    EXPECT_FALSE(
        QFileInfo::exists(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()));
}

// A cancel leaves the path, field count and positions as they were: no
// inspection runs.
TEST_F(Window, CancelledFileDialogChangesNothing) {
    form.load();
    for (auto [box, text] : {std::pair{"ChkFile(1)", u"/nowhere/old.csv"},
                             {"FieldCnt(1)", u"7"},
                             {"KanaNameIti(1)", u"2"},
                             {"TelNoIti(1)", u"3"}})
        setText(box, text);
    click("Command1");
    EXPECT_EQ(chooser->asked.at(0), std::pair(q(u"携帯側ファイル指定"), FileUse::Existing));
    EXPECT_EQ((Lines{text("ChkFile(1)"), text("FieldCnt(1)"), text("KanaNameIti(1)"),
                     text("TelNoIti(1)")}),
              (Lines{u"/nowhere/old.csv", u"7", u"2", u"3"}));
    EXPECT_EQ(messageTexts(), Lines{});
}

} // namespace
