// The window as the user meets it: tab order, the names a screen reader
// speaks, the option groups' tab stop, the arrow keys, the one-character
// boxes, the file dialog, files dropped from a file manager, the help topics;
// a whole check started from the keyboard, locked while it runs, and the
// result list's keys, copy and double-click into the viewer.

#include "form_fixture.h"

#include "ui/control_table.h"
#include "ui/help_window.h"
#include "ui/result_list.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMimeData>
#include <QSettings>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

class Window : public FormTest {
protected:
    // Field count, name and telephone columns, title line.
    Lines found(int side) const {
        return {text(indexed("FieldCnt", side)), text(indexed("KanaNameIti", side)),
                text(indexed("TelNoIti", side)),
                isOn(indexed("TitleChk", side)) ? u"title" : u"no title"};
    }
    // Drags the files over the box and drops them there, as a file manager
    // does; returns whether the box took the drop.
    bool drop(std::string_view box, const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.push_back(QUrl::fromLocalFile(p));
        QMimeData data;
        data.setUrls(urls); // file managers also offer the URLs as plain text
        data.setText(urls.front().toString());
        QDragEnterEvent enter({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QDropEvent dropped({1, 1}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.control(box), &enter);
        if (enter.isAccepted()) // a drop refused on entering is not delivered
            QApplication::sendEvent(form.control(box), &dropped);
        return dropped.isAccepted();
    }
};

// The chain follows the tab indexes, each control in it with a spoken name of
// its own (an option out of the tab order is reached by the arrow keys). Tab
// and Shift+Tab enter a group of options on its selected option, whichever
// that is and however it was chosen. An arrow key selects the next option:
// for the match key the five checks are renamed, their boxes keep their state.
TEST_F(Window, TabFollowsTheTabIndexesIntoTheSelectedOptionOfAGroup) {
    start();
    const std::string expected =
        "ChkFile(1) Command1 CsvOpt(1) TabOpt(1) FieldCnt(1) TitleChk(1) KanaNameIti(1) "
        "TelNoIti(1) ChkFile(2) Command2 CsvOpt(2) TabOpt(2) FieldCnt(2) TitleChk(2) "
        "KanaNameIti(2) TelNoIti(2) KanaNameHikaku TelNoHikaku KeitaiDsp JyusyoDsp Command5 "
        "Command6 RecLst DblChkK DblChkJ KNonChk JNonChk ChkLst Command3 Command8 KOutOpt JOutOpt "
        "ChkMsgOut Command10 KekkaFile KCsvOpt KTabOpt Command9 Command4 Command13 FrMoji(0) "
        "ToMoji(0) FrMoji(1) ToMoji(1) FrMoji(2) ToMoji(2) FrMoji(3) ToMoji(3) Command12 SpcChk "
        "HifnChk Command11 SubKeyErrChk ";
    std::string chain;
    std::map<QString, QString> controlOf; // by its spoken name
    QWidget* first = form.control("ChkFile(1)");
    for (QWidget* w = first; chain.empty() || w != first; w = w->nextInFocusChain()) {
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        chain += w->objectName().toStdString() + ' ';
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        EXPECT_TRUE(controlOf.emplace(name, w->objectName()).second) << name.toStdString();
    }
    EXPECT_EQ(chain, expected);
    EXPECT_EQ(controlOf[q(u"⑤　検査開始(G)")], QStringLiteral("Command3"));
    EXPECT_EQ(controlOf[q(u"住所録側 TAB形式(TXT)")], QStringLiteral("TabOpt(2)"));

    // Name; the option the program selects first, or none; Tab or Shift+Tab
    // from where; where the focus lands.
    const std::tuple<const char*, const char*, const char*, Qt::Key, const char*> rows[] = {
        {"match key as it starts", nullptr, "TelNoIti(2)", Qt::Key_Tab, "TelNoHikaku"},
        {"format as it starts, backwards", nullptr, "FieldCnt(2)", Qt::Key_Backtab, "CsvOpt(2)"},
        {"format chosen after a visit", "TabOpt(2)", "Command2", Qt::Key_Tab, "TabOpt(2)"},
        {"viewer side", "JyusyoDsp", "TelNoHikaku", Qt::Key_Tab, "JyusyoDsp"},
        {"output side", "JOutOpt", "Command8", Qt::Key_Tab, "JOutOpt"},
    };
    for (const auto& [name, selected, from, key, lands] : rows) {
        SCOPED_TRACE(name);
        if (selected)
            setOn(selected);
        form.control(from)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(form.control(from), key);
        EXPECT_EQ(focused(), lands);
    }
    setOn("DblChkJ", false);
    form.control("TelNoHikaku")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.control("TelNoHikaku"), Qt::Key_Left);
    EXPECT_TRUE(isOn("KanaNameHikaku"));
    Lines captions;
    for (const char* box : {"DblChkK", "DblChkJ", "KNonChk", "JNonChk", "SubKeyErrChk"})
        captions.push_back(text(box));
    EXPECT_EQ(captions,
              (Lines{u"1．携帯側の同一氏名重複データ", u"2．住所録側の同一氏名重複データ",
                     u"3．氏名データが、携帯側にないもの", u"4．氏名データが、住所録側にないもの",
                     u"5．同一氏名で電話番号が一致しないデータ"}));
    EXPECT_EQ((std::pair{isOn("DblChkK"), isOn("DblChkJ")}), std::pair(true, false));
}

// A conversion box holds one character: of a paste in place of its text the
// first character stays; what would make it longer is refused.
TEST_F(Window, AConversionBoxTakesOneCharacter) {
    // Name, box, the keys pressed in it (the clipboard holds "鷗崎"), what stays.
    const std::tuple<const char*, const char*, QKeyCombination, QKeyCombination, std::u16string>
        rows[] = {
            {"paste into an empty box", "FrMoji(1)", Qt::Key_End, Qt::CTRL | Qt::Key_V, u"鷗"},
            {"a character typed after the paste", "FrMoji(1)", Qt::Key_End, Qt::Key_Y, u"鷗"},
            {"paste over the whole text", "FrMoji(0)", Qt::CTRL | Qt::Key_A, Qt::CTRL | Qt::Key_V,
             u"鷗"},
            {"paste after the character", "ToMoji(0)", Qt::Key_End, Qt::CTRL | Qt::Key_V, u"崎"},
        };
    start();
    QApplication::clipboard()->setText(QStringLiteral(u"鷗崎"));
    for (const auto& [name, box, first, second, stays] : rows) {
        SCOPED_TRACE(name);
        form.control(box)->setFocus(Qt::MouseFocusReason);
        for (QKeyCombination keys : {first, second})
            QTest::keyClick(form.control(box), keys.key(), keys.keyboardModifiers());
        EXPECT_EQ(text(box), stays);
    }
}

// An input file named by the real dialog or by a drop is inspected at once.
// In the dialog Escape changes nothing; Enter while its name completion is
// open takes the completed name and closes the dialog at once, and the window
// has the focus again, so leaving a path box still inspects its file. A result
// file named without an extension gets that of its format. Qt leaves no
// settings file behind. One local file is taken from a drop; a folder,
// several files, or anything while an operation runs is refused.
TEST_F(Window, FilesAreNamedByTheFileDialogOrByADrop) {
    start();
    auto dialogChooser = std::make_unique<DialogFileChooser>(&form);
    dialogChooser->dialog().setDirectory(dir.path());
    form.setFileChooser(std::move(dialogChooser));
    setText("ChkFile(2)", QStringLiteral("/nowhere/old.csv"));
    setText("FieldCnt(2)", QStringLiteral("7"));
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), q(u"住所録側ファイル指定"));
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    click("Command2");
    EXPECT_EQ(text("ChkFile(2)") + text("FieldCnt(2)"), u"/nowhere/old.csv7");

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
    EXPECT_EQ(found(1), (Lines{u"2", u"1", u"2", u"title"}));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(focused(), "Command1");
    type("ChkFile(1)", writeFile(QStringLiteral("a.csv"), {u"ﾌﾘｶﾞﾅ,氏名,電話番号"}));
    QTest::keyClick(form.control("ChkFile(1)"), Qt::Key_Tab);
    EXPECT_EQ(found(1), (Lines{u"3", u"1", u"3", u"title"}));
    for (auto [row, format, typed, chosen] :
         {std::tuple{"comma-separated", "KCsvOpt", "kekka", "kekka.csv"},
          {"tab-separated", "KTabOpt", "kekka", "kekka.txt"},
          {"own extension", "KCsvOpt", "kekka.dat", "kekka.dat"}}) {
        SCOPED_TRACE(row);
        setOn(format);
        QTimer::singleShot(0, [&, typed = typed] {
            auto* name = QApplication::activeModalWidget()->findChild<QLineEdit*>("fileNameEdit");
            name->setText(dir.filePath(QString::fromLatin1(typed)));
            QTest::keyClick(name, Qt::Key_Return);
        });
        click("Command10");
        EXPECT_EQ(text("KekkaFile"), dir.filePath(QString::fromLatin1(chosen)).toStdU16String());
    }
    form.setFileChooser(std::make_unique<PreparedChooser>());
    EXPECT_FALSE(
        QFileInfo::exists(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()));

    const QString a = writeFile(q(u"携帯.csv"), {u"名前,電話番号,メモ", u"ﾔﾏﾀﾞ,090-1,"});
    for (const QStringList& refused : {QStringList{dir.path()}, QStringList{a, picked}})
        EXPECT_FALSE(drop("ChkFile(2)", refused));
    form.setOperationLocked(true);
    EXPECT_FALSE(drop("ChkFile(2)", {a}));
    form.setOperationLocked(false);
    EXPECT_EQ(text("ChkFile(2)") + text("FieldCnt(2)"), u"/nowhere/old.csv7");
    ASSERT_TRUE(drop("ChkFile(2)", {a}));
    EXPECT_EQ(text("ChkFile(2)"), a.toStdU16String());
    EXPECT_EQ(found(2), (Lines{u"3", u"1", u"2", u"title"}));
    EXPECT_EQ(messageTexts(), Lines{});
}

// The help button and F1: each control opens the help at its own topic, or at
// that of its nearest container.
TEST_F(Window, TheHelpButtonAndF1ShowTheTopicOfTheControl) {
    start();
    click("Command13");
    auto* help = form.findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_EQ(help->browser()->source().fragment(), QStringLiteral("contents"));
    EXPECT_EQ(help->browser()->toPlainText().section(u'\n', 0, 0),
              QStringLiteral("ソルベック V1.0a ヘルプ 目次"));
    form.control("ChkLst")->setVisible(true);
    const std::pair<const char*, const char*> cases[] = {
        {"Command13", "topic1"},   {"ChkFile(1)", "topic4"}, {"TabOpt(2)", "topic4"},
        {"TelNoHikaku", "topic5"}, {"HifnChk", "topic6"},    {"SubKeyErrChk", "topic7"},
        {"Command3", "topic8"},    {"ChkLst", "topic9"},     {"Command11", "topic9"},
        {"RecLst", "topic10"},     {"Command8", "topic11"},  {"KTabOpt", "topic12"},
        {"KekkaFile", "topic12"},  {"ToMoji(3)", "topic13"}, {"Command4", "contents"},
    };
    for (const auto& [control, section] : cases) {
        help->hide();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.control(control)->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(form.control(control), Qt::Key_F1);
        EXPECT_EQ(help->isVisible() ? help->browser()->source().fragment() : QString(),
                  QString::fromLatin1(section))
            << control;
    }
}

using CheckRun = FormTest;

// The address book is picked, then rewritten with its columns the other way
// round; the mobile side is typed and the access key pressed at once. Both are
// inspected again before the check starts, which reads them by their titles.
TEST_F(CheckRun, ACheckLocksTheCommandsAndEndsWithResultLinesToWorkOn) {
    start();
    chooser->answers = {writeFile(QStringLiteral("j.csv"), {u"電話番号,氏名"})};
    click("Command2");
    writeFile(QStringLiteral("j.csv"),
              {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｽｽﾞｷｲﾁﾛｳ,333", u"ｻﾄｳ,999"});
    type("ChkFile(1)", writeFile(QStringLiteral("k.csv"),
                                 {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｻﾄｳ,222", u"ｽｽﾞｷ,333"}));
    int yields = 0;
    std::vector<std::string> enabled;
    pump->hook = [&] {
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
    // A switch of the option menu reaches the settings and is shown by frame ③.
    form.action("FoldNumbersAction")->trigger();
    EXPECT_TRUE(form.window().settings().foldNumbers && !form.window().settings().foldReadings);
    EXPECT_EQ(text("FoldIndicator"), u"番号揃え");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);

    EXPECT_GT(yields, 3);
    EXPECT_EQ(enabled, std::vector<std::string>{});
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ(text("JikkouMsg"), u"検 査 終 了");
    EXPECT_EQ(text("DtCnt(1)"), u" 3");
    EXPECT_TRUE(form.control("ChkLst")->isVisible());
    const Lines found = lines("ChkLst");
    ASSERT_EQ(found,
              (Lines{u"3:003   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ｻﾄｳ、電話=999）",
                     u"4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｻﾄｳ、電話=222）",
                     u"5:003002携帯側と住所録側で氏名不一致 （電話番号=333、氏名 携帯:ｽｽﾞｷ "
                     u"住所録:ｽｽﾞｷｲﾁﾛｳ）"}));
    EXPECT_EQ(text("FindingCount"), u"3件");
    EXPECT_TRUE(form.action("FoldNumbersAction")->isEnabled());
    EXPECT_EQ(focused(), "Command3");
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    pump->hook = nullptr;

    // The result list: Delete, Ctrl+A, Ctrl+C, a double-click into the viewer.
    auto* list = form.control<QListWidget>("ChkLst");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(lines("ChkLst"), found) << "nothing selected, nothing removed";
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdU16String(),
              found[0] + u"\n" + found[1] + u"\n" + found[2] + u"\n");

    // The check-5 line names both records; a double-click shows the mobile one.
    EXPECT_EQ(
        recordsTip(form.engine(), 2),
        q(u"<p style=\"white-space:pre\">携帯側 件番号3<br>氏名: ｽｽﾞｷ<br>電話番号: 333<br><br>"
          u"住所録側 件番号2<br>氏名: ｽｽﾞｷｲﾁﾛｳ<br>電話番号: 333</p>"));
    const QPoint line5 = list->visualItemRect(list->item(2)).center();
    // Through the window, as a mouse sends it: press, release, press, double-click.
    QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {},
                       list->viewport()->mapTo(&form, line5));
    EXPECT_TRUE(isOn("KeitaiDsp"));
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: ｽｽﾞｷ", u" 2: 333"}));
    // The viewer's buttons answer Enter when focused, and their access keys.
    form.control("Command5")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(form.control("Command5"), Qt::Key_Return);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話番号"}));
    QTest::keyClick(&form, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: ﾔﾏﾀﾞ", u" 2: 111"}));
    QTest::keyClick(&form, Qt::Key_T, Qt::AltModifier);
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話番号"}));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line5);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(lines("ChkLst"), (Lines{found[0], found[1]}));
    EXPECT_EQ(text("FindingCount"), u"2件");
}

// An export that splits the name into 姓 and 名 is compared by the joined
// name, and a record with a home and a mobile number gives an entry for
// each; positions the user types are one column each, even the same ones.
TEST_F(CheckRun, AnExportsNameAndNumbersAreJoinedUntilTheUserTypesPositions) {
    start();
    const std::u16string wide(20, u',');
    checkFiles({u"氏名,電話番号", u"池田 理江,070-1", u"池田 理恵,03-1"},
               {wide + u"名,姓,電話 (自宅),携帯電話", wide + u"理恵,池田,03-1,070-1"});
    EXPECT_EQ(text("DtCnt(2)"), u" 2");
    EXPECT_EQ(lines("ChkLst"), Lines{u"5:002002携帯側と住所録側で氏名不一致 （電話番号=0701、氏名 "
                                     u"携帯:池田理江 住所録:池田理恵）"});
    type("KanaNameIti(2)", QStringLiteral("22"));
    type("TelNoIti(2)", QStringLiteral("23"));
    click("Command3");
    EXPECT_EQ(
        lines("ChkLst"),
        (Lines{u"4:002   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=池田理江、電話=0701）",
               u"5:001001携帯側と住所録側で氏名不一致 （電話番号=031、氏名 携帯:池田理恵 "
               u"住所録:池田）"}));
}

} // namespace
