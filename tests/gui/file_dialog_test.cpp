// The three browse buttons and the one file dialog they share.

#include "form_fixture.h"

#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QTimer>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using BrowseButtons = FormTest;

TEST_F(BrowseButtons, ResultFileButtonWritesThePickedPathAndStartsNothingElse) {
    const QString path = dir.filePath(QStringLiteral("結果.csv"));
    chooser->answers = {path};
    click("Command10");
    EXPECT_EQ(form.text("KekkaFile"), path.toStdU16String());
    EXPECT_EQ(chooser->titles, std::vector<QString>{q(u"検査結果ファイル指定")});
    EXPECT_EQ(chooser->uses, std::vector<FileUse>{FileUse::New});
    EXPECT_TRUE(presenter->shown.empty());
}

TEST_F(BrowseButtons, EachInputButtonAsksForAnExistingFileUnderItsOwnTitle) {
    click("Command1");
    click("Command2");
    EXPECT_EQ(chooser->titles,
              (std::vector<QString>{q(u"携帯側ファイル指定"), q(u"住所録側ファイル指定")}));
    EXPECT_EQ(chooser->uses, (std::vector<FileUse>{FileUse::Existing, FileUse::Existing}));
}

// A cancelled dialog leaves the path, the field count and the positions as
// they were: no inspection runs.
TEST_F(BrowseButtons, CancelChangesNothing) {
    form.load();
    form.setText("ChkFile(1)", u"/nowhere/old.csv");
    form.setText("FieldCnt(1)", u"7");
    form.setText("KanaNameIti(1)", u"2");
    form.setText("TelNoIti(1)", u"3");
    form.setChecked("TitleChk(1)", true);
    chooser->answers = {std::nullopt};
    click("Command1");
    EXPECT_EQ(form.text("ChkFile(1)"), u"/nowhere/old.csv");
    EXPECT_EQ(form.text("FieldCnt(1)"), u"7");
    EXPECT_EQ(form.text("KanaNameIti(1)"), u"2");
    EXPECT_EQ(form.text("TelNoIti(1)"), u"3");
    EXPECT_TRUE(form.isChecked("TitleChk(1)"));
    EXPECT_TRUE(presenter->shown.empty());
}

class SharedDialog : public ::testing::Test {
  protected:
    // Runs `inside` once the dialog is open, then returns what the dialog gave.
    std::optional<QString> chooseWith(const QString& title, FileUse use,
                                      std::function<void(QFileDialog&)> inside) {
        QTimer::singleShot(0, [&] { inside(chooser.dialog()); });
        return chooser.choose(title, use);
    }

    QString touch(const QString& name) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return f.fileName();
    }

    QTemporaryDir dir;
    QWidget parent;
    DialogFileChooser chooser{&parent};
};

TEST_F(SharedDialog, ShowsItsTitleAndThreeFilterChoicesTheFirstActive) {
    QString title;
    QStringList shown;
    QString active;
    const auto picked =
        chooseWith(q(u"携帯側ファイル指定"), FileUse::Existing, [&](QFileDialog& d) {
            title = d.windowTitle();
            auto* combo = d.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            ASSERT_NE(combo, nullptr);
            for (int i = 0; i < combo->count(); ++i)
                shown << combo->itemText(i);
            active = combo->currentText();
            d.reject();
        });
    EXPECT_FALSE(picked.has_value());
    EXPECT_EQ(title, q(u"携帯側ファイル指定"));
    EXPECT_EQ(shown, QStringList({q(u"ＣＳＶファイル (*.csv)"), q(u"TXTファイル (*.txt)"),
                                  q(u"全てのﾌｧｲﾙ(*.＊)")}));
    EXPECT_EQ(active, q(u"ＣＳＶファイル (*.csv)"));
}

// Comma files are listed whatever the case of their extension.
TEST_F(SharedDialog, CsvChoiceListsLowerAndUpperCaseExtensions) {
    for (const char* name : {"a.csv", "B.CSV", "c.txt", "d"})
        touch(QString::fromLatin1(name));
    chooser.dialog().setDirectory(dir.path());
    QStringList listed;
    chooseWith(QStringLiteral("t"), FileUse::Existing, [&](QFileDialog& d) {
        auto* view = d.findChild<QListView*>(QStringLiteral("listView"));
        ASSERT_NE(view, nullptr);
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) >= 2; }));
        for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
            listed << view->model()->index(r, 0, view->rootIndex()).data().toString();
        d.reject();
    });
    listed.sort();
    EXPECT_EQ(listed, QStringList({QStringLiteral("B.CSV"), QStringLiteral("a.csv")}));
}

TEST_F(SharedDialog, OffersTheNamePickedLastByAnyButton) {
    const QString first = touch(QStringLiteral("mobile.csv"));
    const auto picked = chooseWith(QStringLiteral("1"), FileUse::Existing, [&](QFileDialog& d) {
        d.selectFile(first);
        static_cast<QDialog&>(d).accept();
    });
    ASSERT_TRUE(picked.has_value());
    EXPECT_EQ(*picked, first);

    QStringList offered;
    chooseWith(QStringLiteral("2"), FileUse::Existing, [&](QFileDialog& d) {
        offered = d.selectedFiles();
        d.reject();
    });
    EXPECT_EQ(offered, QStringList({first}));
}

TEST_F(SharedDialog, ResultFileMayBeANewNameButAnInputFileMustExist) {
    const QString fresh = dir.filePath(QStringLiteral("new-result.csv"));
    bool refused = false;
    auto pickFresh = [&](QFileDialog& d) {
        // The dialog refuses a missing input file with a message of its own.
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refused = true;
                box->done(0);
            }
        });
        d.selectFile(fresh);
        static_cast<QDialog&>(d).accept();
        if (d.isVisible())
            d.reject();
    };
    EXPECT_EQ(chooseWith(QStringLiteral("r"), FileUse::New, pickFresh), std::optional(fresh));
    EXPECT_FALSE(refused);
    EXPECT_EQ(chooseWith(QStringLiteral("i"), FileUse::Existing, pickFresh), std::nullopt);
    EXPECT_TRUE(refused);
}

} // namespace
