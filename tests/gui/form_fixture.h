#pragma once
// The real main window with the modal parts replaced: messages are recorded
// and answered, the file dialog returns prepared names.

#include "core/cp932.h"
#include "ui/form1.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace vormak::ui::testing {

struct RecordingPresenter : MessagePresenter {
    MessageAnswer present(QWidget*, const MessageRequest& request) override {
        shown.push_back(request);
        if (onMessage)
            onMessage();
        if (request.buttons == MessageButtons::YesNo)
            return answerYes ? MessageAnswer::Yes : MessageAnswer::No;
        return MessageAnswer::Ok;
    }
    std::vector<MessageRequest> shown;
    bool answerYes = true;
    std::function<void()> onMessage;
};

struct PreparedChooser : FileChooser {
    std::optional<QString> choose(const QString& title, FileUse use) override {
        titles.push_back(title);
        uses.push_back(use);
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<QString>> answers;
    std::vector<QString> titles;
    std::vector<FileUse> uses;
};

inline QString q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

class FormTest : public ::testing::Test {
  protected:
    FormTest() {
        auto p = std::make_unique<RecordingPresenter>();
        presenter = p.get();
        form.setMessagePresenter(std::move(p));
        auto c = std::make_unique<PreparedChooser>();
        chooser = c.get();
        form.setFileChooser(std::move(c));
    }

    // Load, show and activate, so that focus changes take place as on a desktop.
    void start() {
        form.load();
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    // Writes the lines as a Shift-JIS file, each ending in CR LF.
    QString writeFile(const QString& name, const std::vector<std::u16string>& lines) {
        std::string bytes;
        for (const auto& line : lines)
            bytes += encodeCp932(line) + "\r\n";
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return path;
    }

    std::vector<std::u16string> messageTexts() const {
        std::vector<std::u16string> out;
        for (const auto& m : presenter->shown)
            out.push_back(m.text.toStdU16String());
        return out;
    }

    std::vector<std::u16string> lines(std::string_view list) const {
        std::vector<std::u16string> out;
        for (int i = 0; i < form.listCount(list); ++i)
            out.push_back(form.listLine(list, i));
        return out;
    }

    void click(std::string_view button) { QTest::mouseClick(form.control(button), Qt::LeftButton); }

    // Types into a box as the user does: focus, select all, type.
    void type(std::string_view box, const QString& text) {
        QWidget* w = form.control(box);
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    QTemporaryDir dir;
    Form1 form;
    RecordingPresenter* presenter = nullptr;
    PreparedChooser* chooser = nullptr;
};

} // namespace vormak::ui::testing
