#pragma once
// The real main window with the modal parts replaced: messages are recorded
// and answered OK (or Yes), the file dialog returns prepared names.

#include "core/cp932.h"
#include "ui/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace vormak::ui::testing {

struct RecordingPresenter : MessagePresenter {
    MessageAnswer present(QWidget*, const MessageRequest& request) override {
        shown.push_back(request);
        return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    std::vector<MessageRequest> shown;
};

struct PreparedChooser : FileChooser {
    std::optional<QString> choose(const QString& title, FileUse use, const QString&) override {
        asked.push_back({title, use});
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<QString>> answers;
    std::vector<std::pair<QString, FileUse>> asked;
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
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }

    Lines messageTexts() const {
        Lines out;
        for (const auto& m : presenter->shown)
            out.push_back(m.text.toStdU16String());
        return out;
    }

    Lines lines(std::string_view list) const {
        Lines out;
        auto* box = form.control<QListWidget>(list);
        for (int i = 0; i < box->count(); ++i)
            out.push_back(box->item(i)->text().toStdU16String());
        return out;
    }

    // The text of a box, label or button.
    std::u16string text(std::string_view name) const {
        QWidget* w = form.control(name);
        if (auto* box = qobject_cast<QLineEdit*>(w))
            return box->text().toStdU16String();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text().toStdU16String();
        return form.control<QAbstractButton>(name)->text().toStdU16String();
    }
    void setText(std::string_view box, std::u16string_view value) {
        form.control<QLineEdit>(box)->setText(q(value));
    }
    bool isOn(std::string_view button) const {
        return form.control<QAbstractButton>(button)->isChecked();
    }
    void setOn(std::string_view button, bool on = true) {
        form.control<QAbstractButton>(button)->setChecked(on);
    }
    bool isShown(std::string_view name) const { return !form.control(name)->isHidden(); }

    // Names both files as the browse buttons do, then runs a check.
    void checkFiles(const Lines& mobile, const Lines& address) {
        chooser->answers = {writeFile(QStringLiteral("mobile.csv"), mobile),
                            writeFile(QStringLiteral("address.csv"), address)};
        click("Command1");
        click("Command2");
        click("Command3");
    }

    void click(std::string_view button) { QTest::mouseClick(form.control(button), Qt::LeftButton); }

    // Types into a box as the user does: focus, select all, delete, type.
    void type(std::string_view box, const QString& text) {
        QWidget* w = form.control(box);
        w->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(w, Qt::Key_Delete);
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    QTemporaryDir dir;
    Form1 form;
    RecordingPresenter* presenter = new RecordingPresenter;
    PreparedChooser* chooser = new PreparedChooser;
};

} // namespace vormak::ui::testing
