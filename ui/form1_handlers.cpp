// Which procedure of the program serves which event of the window.

#include "ui/form1.h"

#include <QLineEdit>
#include <QRadioButton>

namespace vormak::ui {

void Form1::connectHandlers() {
    Engine& e = engine_;
    onClick("Command1",
            [this] { browse(u"携帯側ファイル指定", "ChkFile(1)", FileUse::Existing, 1); });
    onClick("Command2",
            [this] { browse(u"住所録側ファイル指定", "ChkFile(2)", FileUse::Existing, 2); });
    onClick("Command10", [this] { browse(u"検査結果ファイル指定", "KekkaFile", FileUse::New, 0); });
    onClick("Command4", [this] { close(); });
    onClick("Command5", [&e] { e.Command5_Click(); });
    onClick("Command6", [&e] { e.Command6_Click(); });
}

void Form1::load() {
    centreOnScreen();
}

void Form1::inspectFile(int) {}

void Form1::browse(const char16_t* title, std::string_view target, FileUse use, int side) {
    const std::optional<QString> path = fileChooser_->choose(QString::fromUtf16(title), use);
    if (!path)
        return;
    control<QLineEdit>(target)->setText(*path);
    if (side != 0)
        inspectFile(side);
}

} // namespace vormak::ui
