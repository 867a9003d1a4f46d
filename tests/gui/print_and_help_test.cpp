// The print button, the help button and F1 in the real window.

#include "form_fixture.h"
#include "pdf_reading.h"
#include "ui/control_table.h"
#include "ui/help_window.h"
#include "ui/system_printer.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrl>

using namespace vormak;
using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

class PrintAndHelp : public FormTest {
protected:
    PrintAndHelp() {
        pdf = dir.filePath(QStringLiteral("printed.pdf"));
        printerFactory() = [this] { return std::make_unique<SystemPrinter>(pdf); };
    }
    ~PrintAndHelp() override {
        printerFactory() = [] { return std::make_unique<SystemPrinter>(); };
    }

    HelpWindow* helpWindow() const {
        return form.findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
    }
    // The part of the help the help window shows: "contents" or "topicN".
    QString shownSection() const {
        HelpWindow* w = helpWindow();
        return w && w->isVisible() ? w->browser()->source().fragment() : QString();
    }

    QString pdf;
};

} // namespace

TEST_F(PrintAndHelp, ThePrintButtonPrintsEveryLineOfTheResultListInOrder) {
    if (!popplerAvailable())
        GTEST_SKIP() << "pdftotext/pdfinfo not installed (poppler-utils)";
    start();
    const std::vector<std::u16string> list = {
        u"1:002   携帯側に電話番号重複データあり （氏名=ｱｵｷ、電話=0311）",
        u"3:012   住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ｳｴﾉ、電話=0312）"};
    for (const auto& line : list)
        form.listAdd("ChkLst", line);
    click("Command8");
    EXPECT_EQ(pdfLines(pdf),
              (std::vector<std::u16string>{
                  u"1:002 携帯側に電話番号重複データあり （氏名=ｱｵｷ、電話=0311）",
                  u"3:012 住所録側と同じ電話番号ﾃﾞｰﾀが携帯側にない （氏名=ｳｴﾉ、電話=0312）"}));
    EXPECT_EQ(lines("ChkLst"), list);
    EXPECT_TRUE(presenter->shown.empty());
}

TEST_F(PrintAndHelp, AnEmptyListPrintsNothing) {
    start();
    click("Command8");
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_TRUE(presenter->shown.empty());
}

TEST_F(PrintAndHelp, APrinterThatFailsIsReported) {
    start();
    pdf = QStringLiteral("/nonexistent-folder/printed.pdf");
    form.listAdd("ChkLst", u"4:001   携帯側と同じ電話番号ﾃﾞｰﾀが住所録側にない  （氏名=ｱ、電話=1）");
    click("Command8");
    EXPECT_EQ(messageTexts(), (std::vector<std::u16string>{u"印刷できません"}));
    EXPECT_EQ(form.listCount("ChkLst"), 1);
}

TEST_F(PrintAndHelp, TheBundledHelpIsFoundFromTheBuildTree) {
    EXPECT_TRUE(QFileInfo(configuredHelpFile()).isFile()) << configuredHelpFile().toStdString();
}

TEST_F(PrintAndHelp, TheHelpButtonShowsTheContents) {
    start();
    click("Command13");
    ASSERT_EQ(shownSection(), QStringLiteral("contents"));
    EXPECT_EQ(helpWindow()->browser()->toPlainText().section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("ソルベック V1.0a ヘルプ 目次"));
    EXPECT_TRUE(presenter->shown.empty());
}

TEST_F(PrintAndHelp, F1ShowsTheTopicOfTheControlOrOfItsNearestContainer) {
    start();
    form.setVisible("ChkLst", true);
    const struct {
        const char* control;
        const char* section;
    } cases[] = {
        {"Command13", "topic1"},   {"ChkFile(1)", "topic4"}, {"TabOpt(2)", "topic4"},
        {"TelNoHikaku", "topic5"}, {"HifnChk", "topic6"},    {"SubKeyErrChk", "topic7"},
        {"Command3", "topic8"},    {"ChkLst", "topic9"},     {"Command11", "topic9"},
        {"RecLst", "topic10"},     {"Command8", "topic11"},  {"KTabOpt", "topic12"},
        {"KekkaFile", "topic12"},  {"ToMoji(3)", "topic13"}, {"Command4", "contents"},
    };
    for (const auto& c : cases) {
        QWidget* w = form.control(c.control);
        ASSERT_NE(w, nullptr) << c.control;
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        w->setFocus(Qt::OtherFocusReason);
        ASSERT_EQ(QApplication::focusWidget(), w) << c.control;
        QTest::keyClick(w, Qt::Key_F1);
        EXPECT_EQ(shownSection(), QString::fromLatin1(c.section)) << c.control;
        helpWindow()->hide();
    }
}

TEST_F(PrintAndHelp, TheHelpHasASectionForEveryTopicOfTheWindow) {
    QFile file(configuredHelpFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    for (const ControlSpec& spec : controlTable()) {
        if (spec.helpTopic == 0)
            continue;
        const QString anchor = QStringLiteral("<a name=\"topic%1\"></a>").arg(spec.helpTopic);
        EXPECT_TRUE(html.contains(anchor)) << spec.name;
    }
}

TEST_F(PrintAndHelp, AHelpFileThatCannotBeFoundIsSaidSoInTheHelpWindow) {
    start();
    Help help(form, &form, dir.filePath(QStringLiteral("missing.html")));
    help.showTopic(4);
    ASSERT_NE(help.window(), nullptr);
    EXPECT_TRUE(help.window()->isVisible());
    EXPECT_EQ(help.window()->browser()->toPlainText(),
              QStringLiteral("ヘルプファイルが見つかりません\n") +
                  dir.filePath(QStringLiteral("missing.html")));
}

TEST_F(PrintAndHelp, WithoutAConfiguredHelpFileTheHelpButtonSaysThereIsNone) {
    start();
    Help help(form, &form, QString());
    help.showContents();
    ASSERT_EQ(presenter->shown.size(), 1u);
    const MessageRequest& m = presenter->shown[0];
    EXPECT_EQ(m.text, QStringLiteral("ﾍﾙﾌﾟの目次を表示できません。 "
                                     "このﾌﾟﾛｼﾞｪｸﾄに関連付けられたﾍﾙﾌﾟが存在しません。"));
    EXPECT_EQ(m.buttons, MessageButtons::Ok);
    EXPECT_EQ(m.icon, MessageIcon::Information);
    EXPECT_EQ(m.title, q(kWindowCaption));
    EXPECT_EQ(help.window(), nullptr);
}
