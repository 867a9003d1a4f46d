// What the engine gets from the window: sorted result lines, messages, the busy
// pointer, the lock of the commands during an operation, the yield.

#include "form_fixture.h"

#include "ui/control_table.h"

#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using WindowAdapter = FormTest;

// Ordinal order: by UTF-16 code unit, no case or width folding, a proper
// prefix first, equal lines kept side by side.
TEST_F(WindowAdapter, ResultListSortsEachAddedLineIntoOrdinalPlace) {
    for (const char16_t* line : {u"b", u"ｱ", u"a", u"B", u"あ", u"ab", u"a", u"", u"Ａ"})
        form.listAdd("ChkLst", line);
    EXPECT_EQ(lines("ChkLst"), (std::vector<std::u16string>{u"", u"B", u"a", u"a", u"ab", u"b",
                                                            u"あ", u"Ａ", u"ｱ"}));
}

TEST_F(WindowAdapter, RecordListKeepsTheOrderOfAdding) {
    for (const char16_t* line : {u" 2: b", u" 1: a", u"10: c"})
        form.listAdd("RecLst", line);
    EXPECT_EQ(lines("RecLst"), (std::vector<std::u16string>{u" 2: b", u" 1: a", u"10: c"}));
    form.listClear("RecLst");
    EXPECT_EQ(form.listCount("RecLst"), 0);
}

TEST_F(WindowAdapter, SelectedLinesAreSeenAndRemovedByIndex) {
    for (const char16_t* line : {u"3:001", u"1:002", u"2:001"})
        form.listAdd("ChkLst", line);
    auto* list = form.control<QListWidget>("ChkLst");
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    EXPECT_TRUE(form.listSelected("ChkLst", 0));
    EXPECT_FALSE(form.listSelected("ChkLst", 1));
    EXPECT_TRUE(form.listSelected("ChkLst", 2));
    form.listRemove("ChkLst", 2);
    form.listRemove("ChkLst", 0);
    EXPECT_EQ(lines("ChkLst"), (std::vector<std::u16string>{u"2:001"}));
    EXPECT_THROW(form.listLine("ChkLst", 1), std::out_of_range);
}

TEST_F(WindowAdapter, VisibilityIsTheControlsOwnAlsoBeforeTheWindowIsShown) {
    EXPECT_TRUE(form.isVisible("RecLst"));
    EXPECT_FALSE(form.isVisible("ChkLst"));
    form.setVisible("ChkLst", true);
    EXPECT_TRUE(form.isVisible("ChkLst"));
}

TEST_F(WindowAdapter, MessageLinesBreakAtALoneCrAndAtCrLf) {
    EXPECT_EQ(displayLines(u"上\r下"), q(u"上\n下"));
    EXPECT_EQ(displayLines(u"上\r\n下\r"), q(u"上\n下\n"));
    EXPECT_EQ(displayLines(u"a\nb"), QStringLiteral("a\nb"));

    EXPECT_EQ(form.message(u"1行目\r2行目", MessageButtons::Ok, MessageIcon::None, u"Vormak"),
              MessageAnswer::Ok);
    ASSERT_EQ(presenter->shown.size(), 1u);
    EXPECT_EQ(presenter->shown[0].text, q(u"1行目\n2行目"));
    EXPECT_EQ(presenter->shown[0].title, QStringLiteral("Vormak"));
}

// The real message box: no icon, the given title, Japanese Yes/No from Qt's
// own translation, the answer passed back.
TEST_F(WindowAdapter, MessageBoxAsksYesOrNoInJapanese) {
    form.setMessagePresenter(std::make_unique<MessageBoxPresenter>());
    QStringList buttonTexts;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            buttonTexts << b->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    const auto answer =
        form.message(u"上書きしますか？", MessageButtons::YesNo, MessageIcon::None, u"Vormak");
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(title, QStringLiteral("Vormak"));
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    buttonTexts.sort();
    EXPECT_EQ(buttonTexts, QStringList({q(u"いいえ(N)"), q(u"はい(Y)")}));
}

TEST_F(WindowAdapter, BusyPointerCoversTheApplicationUntilSwitchedOff) {
    form.setBusy(true);
    form.setBusy(true);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    form.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    form.setBusy(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

const char* const kLockedDuringOperation[] = {
    "Command1",    "Command2",    "Command3",    "Command5",       "Command6",     "Command8",
    "Command9",    "Command10",   "Command11",   "Command12",      "ChkFile(1)",   "CsvOpt(2)",
    "TabOpt(1)",   "FieldCnt(2)", "TitleChk(1)", "KanaNameIti(2)", "TelNoIti(1)",  "KanaNameHikaku",
    "TelNoHikaku", "SpcChk",      "HifnChk",     "DblChkK",        "SubKeyErrChk", "FrMoji(0)",
    "ToMoji(3)",   "KOutOpt",     "KekkaFile"};

TEST_F(WindowAdapter, OperationLockDisablesTheCommandsAndInputsThenRestoresThem) {
    start();
    form.control("Command3")->setFocus();
    form.setOperationLocked(true);
    for (const char* name : kLockedDuringOperation)
        EXPECT_FALSE(form.control(name)->isEnabled()) << name;
    for (const char* name : {"Command4", "Command13", "ChkLst", "RecLst", "KeitaiDsp"})
        EXPECT_TRUE(form.control(name)->isEnabled()) << name;

    form.setOperationLocked(false);
    for (const char* name : kLockedDuringOperation)
        EXPECT_TRUE(form.control(name)->isEnabled()) << name;
    EXPECT_FALSE(form.control("DtCnt(1)")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), form.control("Command3"));
}

TEST_F(WindowAdapter, YieldRunsPendingEventsAndReportsAClosedWindow) {
    bool delivered = false;
    QTimer::singleShot(0, &form, [&] { delivered = true; });
    EXPECT_TRUE(form.yield());
    EXPECT_TRUE(delivered);

    form.show();
    form.close();
    EXPECT_FALSE(form.yield());
    // Nothing more is shown once the window is closed.
    EXPECT_EQ(form.message(u"x", MessageButtons::YesNo, MessageIcon::None, u"Vormak"),
              MessageAnswer::No);
    EXPECT_TRUE(presenter->shown.empty());
}

TEST_F(WindowAdapter, EngineAddressesEveryControlOfTheTableByName) {
    for (const ControlSpec& spec : controlTable())
        EXPECT_EQ(form.control(spec.name)->objectName().toStdString(), spec.name);
    EXPECT_THROW(form.control("Command99"), std::out_of_range);
    EXPECT_THROW(form.isChecked("ChkLst"), std::logic_error);
}

} // namespace
