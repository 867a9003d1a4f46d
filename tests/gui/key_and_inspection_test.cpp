// The match key with the captions and hidden columns that follow it, and the
// inspection that leaving a file box starts.

#include "form_fixture.h"

#include <QFocusEvent>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

class KeyAndInspection : public FormTest {
protected:
    Lines checkCaptions() const {
        Lines out;
        for (const char* box : {"DblChkK", "DblChkJ", "KNonChk", "JNonChk", "SubKeyErrChk"})
            out.push_back(form.text(box));
        return out;
    }
    // Field count, name and telephone columns, title line, hidden columns.
    Lines found(int side) const {
        Lines out;
        for (const char* box :
             {"FieldCnt", "KanaNameIti", "TelNoIti", "HikakuFldIti", "Hikaku2FldIti"})
            out.push_back(form.text(indexed(box, side)));
        out.push_back(form.isChecked(indexed("TitleChk", side)) ? u"title" : u"no title");
        return out;
    }
    // Types the path into the side's box and leaves it with Tab.
    void enterAndLeave(int side, const QString& path) {
        type(indexed("ChkFile", side), path);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
};

TEST_F(KeyAndInspection, CaptionsFollowTheKeyWhileTheCheckBoxesKeepTheirState) {
    start();
    EXPECT_EQ(
        checkCaptions(),
        (Lines{u"1．携帯側の同一電話番号重複データ", u"2．住所録側の同一電話番号重複データ",
               u"3．電話番号データが、携帯側にないもの", u"4．電話番号データが、住所録側にないもの",
               u"5．同一電話番号で氏名が一致しないデータ"}));
    EXPECT_FALSE(form.isVisible("ChkLst"));
    form.setChecked("DblChkJ", false);
    click("KanaNameHikaku");
    EXPECT_EQ(checkCaptions(),
              (Lines{u"1．携帯側の同一氏名重複データ", u"2．住所録側の同一氏名重複データ",
                     u"3．氏名データが、携帯側にないもの", u"4．氏名データが、住所録側にないもの",
                     u"5．同一氏名で電話番号が一致しないデータ"}));
    EXPECT_FALSE(form.isChecked("DblChkJ"));
    EXPECT_TRUE(form.isChecked("DblChkK"));
}

// The hidden columns follow every change: a key switch (here by the arrow
// key), a typed position, a position the inspection writes.
TEST_F(KeyAndInspection, HiddenColumnsFollowKeyAndPositionsOfTheirSideOnly) {
    start();
    enterAndLeave(1, writeFile(QStringLiteral("a.csv"), {u"ﾌﾘｶﾞﾅ,氏名,電話番号"}));
    EXPECT_EQ(found(1), (Lines{u"3", u"1", u"3", u"3", u"1", u"title"}));
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: ﾌﾘｶﾞﾅ", u" 2: 氏名", u" 3: 電話番号"}));

    click("TelNoHikaku");
    QTest::keyClick(form.control("TelNoHikaku"), Qt::Key_Left);
    EXPECT_TRUE(form.isSelected("KanaNameHikaku"));
    EXPECT_EQ(found(1), (Lines{u"3", u"1", u"3", u"1", u"3", u"title"}));
    type("TelNoIti(2)", QStringLiteral("4"));
    EXPECT_EQ(found(2), (Lines{u"0", u"", u"4", u"", u"4", u"title"}));
    EXPECT_EQ(form.text("HikakuFldIti(1)"), u"1");
}

TEST_F(KeyAndInspection, TitleWordsAreFoundInQuotedTitlesAndNotInData) {
    start();
    enterAndLeave(2, writeFile(QStringLiteral("q.csv"), {u"\"電話\",\"姓名\""}));
    EXPECT_EQ(found(2), (Lines{u"2", u"2", u"1", u"1", u"2", u"title"}));
    EXPECT_TRUE(form.isSelected("JyusyoDsp"));
    enterAndLeave(2, writeFile(QStringLiteral("d.csv"), {u"name,tel", u"ﾔﾏﾀﾞ,0311"}));
    EXPECT_EQ(found(2), (Lines{u"2", u"", u"", u"", u"", u"no title"}));
}

// Focus that goes to another window or a popup is not the user leaving the
// box; focus that leaves a button is not a file box's business at all.
TEST_F(KeyAndInspection, OnlyLeavingTheFileBoxItselfInspects) {
    start();
    QWidget* box = form.control("ChkFile(1)");
    form.setText("ChkFile(1)", writeFile(QStringLiteral("w.csv"), {u"氏名,電話"}).toStdU16String());
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent away(QEvent::FocusOut, reason);
        QApplication::sendEvent(box, &away);
    }
    QFocusEvent fromButton(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(form.control("Command2"), &fromButton);
    EXPECT_EQ(form.text("FieldCnt(1)"), u"0");
    QFocusEvent clickedAway(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(box, &clickedAway);
    EXPECT_EQ(form.text("FieldCnt(1)"), u"2");
}

// An access key moves the focus to its button first, so the inspection that
// leaving the file box owes runs before the button acts.
TEST_F(KeyAndInspection, AccessKeyLetsThePendingInspectionRunFirst) {
    start();
    enterAndLeave(2, writeFile(QStringLiteral("j.csv"), {u"氏名,電話", u"ｻﾄｳ,1"}));
    type("ChkFile(1)", writeFile(QStringLiteral("k.csv"), {u"氏名,電話", u"ｻﾄｳ,1"}));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(form.text("FieldCnt(1)"), u"2");
    EXPECT_EQ(messageTexts(), Lines{});
    EXPECT_EQ(form.text("JikkouMsg"), u"検 査 終 了");
    EXPECT_EQ(QApplication::focusWidget(), form.control("Command3"));
}

} // namespace
