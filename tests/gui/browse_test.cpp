// The three browse buttons and the one file dialog they share.

#include "form_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using Browse = FormTest;

TEST_F(Browse, ResultFileButtonAsksForANewNameAndOnlyWritesIt) {
    const QString path = dir.filePath(q(u"結果.csv"));
    chooser->answers = {path};
    click("Command10");
    EXPECT_EQ(form.text("KekkaFile"), path.toStdU16String());
    ASSERT_EQ(chooser->asked.size(), 1u);
    EXPECT_EQ(chooser->asked[0], std::pair(q(u"検査結果ファイル指定"), FileUse::New));
    EXPECT_TRUE(presenter->shown.empty());
}

// A cancel leaves the path, field count and positions as they were: no
// inspection runs.
TEST_F(Browse, CancelChangesNothing) {
    form.load();
    for (auto [box, text] : {std::pair{"ChkFile(1)", u"/nowhere/old.csv"},
                             {"FieldCnt(1)", u"7"},
                             {"KanaNameIti(1)", u"2"},
                             {"TelNoIti(1)", u"3"}})
        form.setText(box, text);
    click("Command1");
    EXPECT_EQ(chooser->asked.at(0), std::pair(q(u"携帯側ファイル指定"), FileUse::Existing));
    EXPECT_EQ((Lines{form.text("ChkFile(1)"), form.text("FieldCnt(1)"), form.text("KanaNameIti(1)"),
                     form.text("TelNoIti(1)")}),
              (Lines{u"/nowhere/old.csv", u"7", u"2", u"3"}));
}

class SharedDialog : public ::testing::Test {
protected:
    // Runs `inside` once the dialog is open; returns what the dialog gave.
    std::optional<QString> choose(FileUse use, std::function<void(QFileDialog&)> inside) {
        QTimer::singleShot(0, [&] { inside(chooser.dialog()); });
        return chooser.choose(q(u"住所録側ファイル指定"), use);
    }
    // Types the name into the dialog's name box and confirms, as the user does.
    static void pick(QFileDialog& d, const QString& name) {
        auto* edit = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClicks(edit, name);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    QTemporaryDir dir;
    QWidget parent;
    DialogFileChooser chooser{&parent};
};

TEST_F(SharedDialog, ShowsItsTitleAndThreeFilterChoicesTheFirstActive) {
    QStringList shown;
    choose(FileUse::Existing, [&](QFileDialog& d) {
        shown << d.windowTitle();
        auto* combo = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; combo && i < combo->count(); ++i)
            shown << combo->itemText(i);
        shown << (combo ? combo->currentText() : QString());
        d.reject();
    });
    EXPECT_EQ(shown, QStringList({q(u"住所録側ファイル指定"), q(u"ＣＳＶファイル (*.csv)"),
                                  q(u"TXTファイル (*.txt)"), q(u"全てのﾌｧｲﾙ(*.＊)"),
                                  q(u"ＣＳＶファイル (*.csv)")}));
    // Comma files count whatever the case of their extension.
    EXPECT_TRUE(fileFilters().front().endsWith(QStringLiteral("(*.csv *.CSV)")));
}

TEST_F(SharedDialog, OffersTheNamePickedLastAndAcceptsANewResultFile) {
    QFile existing(dir.filePath(QStringLiteral("mobile.csv")));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    chooser.dialog().setDirectory(dir.path());
    EXPECT_EQ(
        choose(FileUse::Existing, [&](QFileDialog& d) { pick(d, QStringLiteral("mobile.csv")); }),
        existing.fileName());
    QStringList offered;
    const QString fresh = dir.filePath(QStringLiteral("new.csv"));
    EXPECT_EQ(choose(FileUse::New,
                     [&](QFileDialog& d) {
                         offered = d.selectedFiles();
                         pick(d, QStringLiteral("new.csv"));
                     }),
              fresh);
    EXPECT_EQ(offered, QStringList({existing.fileName()}));
}

} // namespace
