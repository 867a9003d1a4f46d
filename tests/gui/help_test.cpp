// The help button and F1: each control opens the help at its own topic, or
// at that of its nearest container.

#include "form_fixture.h"

#include "ui/help_window.h"

#include <QTextBrowser>
#include <QUrl>

using namespace vormak::ui;
using namespace vormak::ui::testing;

namespace {

using Help = FormTest;

TEST_F(Help, TheHelpButtonAndF1ShowTheTopicOfTheControl) {
    start();
    HelpWindow* w = nullptr;
    auto shownSection = [&] {
        w = form.findChild<HelpWindow*>(QStringLiteral("HelpWindow"));
        const QString section = w && w->isVisible() ? w->browser()->source().fragment() : QString();
        if (w)
            w->hide();
        return section;
    };
    click("Command13");
    ASSERT_EQ(shownSection(), QStringLiteral("contents"));
    EXPECT_EQ(w->browser()->toPlainText().section(u'\n', 0, 0),
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
        QWidget* focused = form.control(control);
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        focused->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(focused, Qt::Key_F1);
        EXPECT_EQ(shownSection(), QString::fromLatin1(section)) << control;
    }
    EXPECT_EQ(messageTexts(), Lines{});
}

} // namespace
