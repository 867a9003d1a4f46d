// Dropping files from a file manager onto the path boxes.

#include "form_fixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

class FileDrop : public FormTest {
protected:
    // Drags the files over the box and drops them there, as a file manager
    // does; returns whether the box took the drop.
    bool drop(std::string_view box, const QStringList& paths) {
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls.push_back(QUrl::fromLocalFile(p));
        QMimeData data;
        data.setUrls(urls); // file managers also offer the URLs as plain text
        data.setText(urls.front().toString());
        QWidget* target = form.control(box);
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        return dropped.isAccepted();
    }
};

// One local file is named and inspected at once; a folder, several files, or
// anything while an operation runs is refused and changes nothing.
TEST_F(FileDrop, OneFileDroppedOnAnInputBoxIsNamedAndInspected) {
    start();
    const QString a = writeFile(q(u"携帯.csv"), {u"名前,電話番号,メモ", u"ﾔﾏﾀﾞ,090-1,"});
    const QString b = writeFile(QStringLiteral("b.csv"), {u"氏名,電話"});
    EXPECT_FALSE(drop("ChkFile(1)", {dir.path()}));
    EXPECT_FALSE(drop("ChkFile(1)", {a, b}));
    form.setOperationLocked(true);
    EXPECT_FALSE(drop("ChkFile(1)", {a}));
    form.setOperationLocked(false);
    EXPECT_EQ((Lines{text("ChkFile(1)"), text("FieldCnt(1)")}), (Lines{u"", u"0"}));

    ASSERT_TRUE(drop("ChkFile(1)", {a}));
    EXPECT_EQ((Lines{text("ChkFile(1)"), text("FieldCnt(1)"), text("KanaNameIti(1)"),
                     text("TelNoIti(1)")}),
              (Lines{a.toStdU16String(), u"3", u"1", u"2"}));
    EXPECT_EQ(messageTexts(), Lines{});
}

} // namespace
