#pragma once
// The real main window with the modal parts replaced: messages are recorded
// and answered OK (or Yes), the file dialog returns prepared names.

#include "core/cp932.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace vormak::ui::testing {

struct RecordingPresenter : MessagePresenter {
    MessageAnswer present(QWidget*, const MessageRequest& request) override {
        shown.push_back(request.text.toStdU16String());
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::vector<std::u16string> shown;
};

// Answers the browse buttons with prepared names, then with a cancel.
struct PreparedChooser : FileChooser {
    std::optional<QString> choose(const QString&, FileUse, const QString&) override {
        return answers.isEmpty() ? std::nullopt : std::optional(answers.takeFirst());
    }
    QStringList answers;
};

// Runs `hook` in every yield of an operation, where the window handles the
// user's events.
struct HookedPump : EventPump {
    void processPendingEvents() override {
        if (hook)
            hook();
        QCoreApplication::processEvents();
    }
    std::function<void()> hook;
};

inline QString q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

using Lines = std::vector<std::u16string>;

class FormTest : public ::testing::Test {
protected:
    FormTest() {
        form.setMessagePresenter(std::unique_ptr<MessagePresenter>(presenter));
        form.setFileChooser(std::unique_ptr<FileChooser>(chooser));
        form.setEventPump(std::unique_ptr<EventPump>(pump));
    }

    // Load, show and activate, so that the focus moves as on a desktop (it
    // starts in the first file box).
    void start() {
        form.load();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Writes the lines as a Shift-JIS file, each ending in CR LF.
    QString writeFile(const QString& name, const Lines& lines) {
        std::string bytes;
        for (const auto& line : lines)
            bytes += encodeCp932(line) + "\r\n";
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes.c_str()) >= 0);
        return f.fileName();
    }

    const Lines& messageTexts() const { return presenter->shown; }

    // The lines of a list, in order (every line contains the empty text).
    Lines lines(std::string_view list) const {
        Lines out;
        for (auto* line : form.control<QListWidget>(list)->findItems({}, Qt::MatchContains))
            out.push_back(line->text().toStdU16String());
        return out;
    }

    // The text of a box, label or button.
    std::u16string text(std::string_view name) const {
        return form.control(name)->property("text").toString().toStdU16String();
    }
    void setText(std::string_view box, const QString& s) {
        form.control(box)->setProperty("text", s);
    }
    bool isOn(std::string_view b) const { return form.control(b)->property("checked").toBool(); }
    void setOn(std::string_view b, bool on = true) { form.control(b)->setProperty("checked", on); }
    std::string focused() const { return QApplication::focusWidget()->objectName().toStdString(); }

    // Names both files as the browse buttons do, then runs a check.
    void checkFiles(const Lines& mobile, const Lines& address) {
        chooser->answers = {writeFile(QStringLiteral("mobile.csv"), mobile),
                            writeFile(QStringLiteral("address.csv"), address)};
        click("Command1");
        click("Command2");
        click("Command3");
    }

    void click(std::string_view button) { QTest::mouseClick(form.control(button), Qt::LeftButton); }

    // Types into a box as the user does, in place of its text.
    void type(std::string_view box, const QString& text) {
        form.control(box)->setFocus(Qt::MouseFocusReason);
        form.control<QLineEdit>(box)->clear();
        QTest::keyClicks(form.control(box), text);
    }

    QTemporaryDir dir;
    Form1 form;
    RecordingPresenter* presenter = new RecordingPresenter;
    PreparedChooser* chooser = new PreparedChooser;
    HookedPump* pump = new HookedPump;
};

} // namespace vormak::ui::testing
