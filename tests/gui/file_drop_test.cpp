// Dropping files from a file manager onto the path boxes.

#include "form_fixture.h"

#include <QDir>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QUrl>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

class FileDrop : public FormTest {
protected:
    // Drags the data over the box and drops it there, as a file manager does.
    // Returns whether the box took the drop.
    bool drop(std::string_view box, QMimeData& data) {
        QWidget* target = form.control(box);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                           Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }

    bool dropFiles(std::string_view box, const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.push_back(QUrl::fromLocalFile(p));
        QMimeData data;
        data.setUrls(urls); // file managers also offer the URLs as plain text
        data.setText(urls.front().toString());
        return drop(box, data);
    }

    QString boxText(std::string_view box) const { return form.control<QLineEdit>(box)->text(); }
};

TEST_F(FileDrop, AFileDroppedOnAnInputBoxIsNamedAndInspectedAtOnce) {
    start();
    const QString mobile = writeFile(q(u"携帯.csv"), {u"名前,電話番号,メモ", u"ﾔﾏﾀﾞ,090-1,"});
    ASSERT_TRUE(dropFiles("ChkFile(1)", {mobile}));
    EXPECT_EQ(boxText("ChkFile(1)"), mobile);
    EXPECT_EQ(form.text("FieldCnt(1)"), u"3");
    EXPECT_EQ(form.text("KanaNameIti(1)"), u"1");
    EXPECT_EQ(form.text("TelNoIti(1)"), u"2");

    form.select("TabOpt(2)");
    const QString book = writeFile(q(u"住所録.txt"), {u"TEL\tフリガナ", u"03\tｱ"});
    ASSERT_TRUE(dropFiles("ChkFile(2)", {book}));
    EXPECT_EQ(boxText("ChkFile(2)"), book);
    EXPECT_EQ(form.text("FieldCnt(2)"), u"2");
    EXPECT_EQ(form.text("KanaNameIti(2)"), u"2");
    EXPECT_EQ(form.text("TelNoIti(2)"), u"1");
    EXPECT_EQ(messageTexts(), std::vector<std::u16string>{});
}

TEST_F(FileDrop, AFileDroppedOnTheResultBoxIsOnlyNamed) {
    start();
    const QString result = writeFile(QStringLiteral("result.csv"), {u"a,b"});
    ASSERT_TRUE(dropFiles("KekkaFile", {result}));
    EXPECT_EQ(boxText("KekkaFile"), result);
    EXPECT_EQ(form.text("FieldCnt(1)"), u"0");
    EXPECT_EQ(form.text("FieldCnt(2)"), u"0");
}

TEST_F(FileDrop, FoldersSeveralFilesAndRemoteAddressesAreRefused) {
    start();
    const QString a = writeFile(QStringLiteral("a.csv"), {u"氏名,電話"});
    const QString b = writeFile(QStringLiteral("b.csv"), {u"氏名,電話"});
    EXPECT_FALSE(dropFiles("ChkFile(1)", {dir.path()}));
    EXPECT_FALSE(dropFiles("ChkFile(1)", {a, b}));
    QMimeData remote;
    remote.setUrls({QUrl(QStringLiteral("https://example.org/a.csv"))});
    EXPECT_FALSE(drop("KekkaFile", remote));
    EXPECT_EQ(boxText("ChkFile(1)"), QString());
    EXPECT_EQ(boxText("KekkaFile"), QString());
    EXPECT_EQ(form.text("FieldCnt(1)"), u"0");
}

TEST_F(FileDrop, DraggedPlainTextIsLeftToTheBox) {
    start();
    QMimeData text;
    text.setText(QStringLiteral("/tmp/typed.csv"));
    EXPECT_TRUE(drop("ChkFile(2)", text));
    EXPECT_EQ(boxText("ChkFile(2)"), QStringLiteral("/tmp/typed.csv"));
    // Inserted as typed text: no inspection until the box loses the focus.
    EXPECT_EQ(form.text("FieldCnt(2)"), u"0");
}

TEST_F(FileDrop, NothingIsTakenWhileAnOperationRuns) {
    start();
    const QString a = writeFile(QStringLiteral("a.csv"), {u"氏名,電話"});
    form.setOperationLocked(true);
    EXPECT_FALSE(dropFiles("ChkFile(1)", {a}));
    form.setOperationLocked(false);
    EXPECT_EQ(boxText("ChkFile(1)"), QString());
    EXPECT_EQ(form.text("FieldCnt(1)"), u"0");
}

} // namespace
