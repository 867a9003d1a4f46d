// The window as a desktop program: the result list's keys, copy and
// double-click, the names a screen reader speaks, the result file dialog.

#include "form_fixture.h"

#include "ui/result_list.h"

#include <QAccessible>
#include <QClipboard>
#include <QRadioButton>
#include <QTimer>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using Desktop = FormTest;

TEST_F(Desktop, ResultListKeysCopyAndDoubleClick) {
    start();
    checkFiles({u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｻﾄｳ,222", u"ｽｽﾞｷ,333"},
               {u"氏名,電話番号", u"ﾔﾏﾀﾞ,111", u"ｽｽﾞｷｲﾁﾛｳ,333", u"ｻﾄｳ,999"});
    auto* list = form.control<QListWidget>("ChkLst");
    const Lines found = lines("ChkLst");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(text("FindingCount"), u"3件");
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
    click("Command5");
    EXPECT_EQ(lines("RecLst"), (Lines{u" 1: 氏名", u" 2: 電話番号"}));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line5);
    QTest::keyClick(list, Qt::Key_Delete);
    EXPECT_EQ(lines("ChkLst"), (Lines{found[0], found[1]}));
    EXPECT_EQ(text("FindingCount"), u"2件");
}

TEST_F(Desktop, EveryFocusableControlHasASpokenNameOfItsOwn) {
    form.load();
    std::map<QString, QString> controlOf;
    for (QWidget* w : form.findChildren<QWidget*>()) {
        // An option out of the tab order still takes the focus by the arrow keys.
        if (!(w->focusPolicy() & Qt::TabFocus) && !qobject_cast<QRadioButton*>(w))
            continue;
        const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << w->objectName().toStdString();
        EXPECT_TRUE(controlOf.emplace(name, w->objectName()).second) << name.toStdString();
    }
    EXPECT_EQ(controlOf[q(u"⑤　検査開始(G)")], QStringLiteral("Command3"));
    EXPECT_EQ(controlOf[q(u"住所録側 TAB形式(TXT)")], QStringLiteral("TabOpt(2)"));
}

TEST_F(Desktop, AResultFileTypedWithoutExtensionGetsThatOfItsFormat) {
    form.setFileChooser(std::make_unique<DialogFileChooser>(&form));
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
}

} // namespace
