// Which procedure of the program serves which event of the window.

#include "ui/form1.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace vormak::ui {

void Form1::connectHandlers() {
    Engine& e = engine_;
    onClick("Command1", [this] {
        browse(u"携帯側ファイル指定", "ChkFile(1)", FileUse::Existing, Side::Mobile);
    });
    onClick("Command2", [this] {
        browse(u"住所録側ファイル指定", "ChkFile(2)", FileUse::Existing, Side::AddressBook);
    });
    onClick("Command10",
            [this] { browse(u"検査結果ファイル指定", "KekkaFile", FileUse::New, std::nullopt); });
    onClick("Command3", [&e] { e.Command3_Click(); });
    onClick("Command4", [this] { close(); });
    onClick("Command5", [&e] { e.Command5_Click(); });
    onClick("Command6", [&e] { e.Command6_Click(); });
    onClick("Command9", [&e] { e.Command9_Click(); });
    onClick("Command11", [&e] { e.Command11_Click(); });
    onClick("Command12", [&e] { e.Command12_Click(); });

    // A selection changes also by the arrow keys and by the program: follow
    // every change to the selected state, not only mouse clicks.
    const std::pair<const char*, MatchKey> keys[] = {{"KanaNameHikaku", MatchKey::Name},
                                                     {"TelNoHikaku", MatchKey::Telephone}};
    for (const auto& choice : keys) {
        const MatchKey key = choice.second;
        connect(control<QRadioButton>(choice.first), &QRadioButton::toggled, this,
                [this, &e, key](bool on) {
                    if (on)
                        runGuarded([&e, key] { e.ChkBoxUp(key); });
                });
    }
    for (const char* name : {"FoldReadingsAction", "FoldNumbersAction"})
        connect(action(name), &QAction::toggled, this, [this] { showFolds(); });
    for (Side side : kBothSides) {
        // The other format reads the file differently: inspect it again.
        connect(control<QRadioButton>(indexed("CsvOpt", side)), &QRadioButton::toggled, this,
                [this, side] { inspectFile(side); });
        connect(control<QLineEdit>(indexed("KanaNameIti", side)), &QLineEdit::textEdited, this,
                [this, side] { adapter_.forgetGivenName(side); });
        connect(control<QLineEdit>(indexed("TelNoIti", side)), &QLineEdit::textEdited, this,
                [this, side] { adapter_.forgetMoreTels(side); });
    }
}

// The folds of the option menu that are on, named beside frame ③.
void Form1::showFolds() {
    const Settings s = adapter_.settings();
    QStringList on;
    if (s.foldReadings)
        on.push_back(QStringLiteral(u"読み揃え"));
    if (s.foldNumbers)
        on.push_back(QStringLiteral(u"番号揃え"));
    control<QLabel>("FoldIndicator")->setText(on.join(u' '));
}

void Form1::load() {
    runGuarded([this] { engine_.Form_Load(); });
    centreOnScreen();
}

void Form1::inspectFile(Side side) {
    runGuarded([this, side] { engine_.ChkFile_LostFocus(side); });
}

void Form1::browse(const char16_t* title, std::string_view target, FileUse use,
                   std::optional<Side> side) {
    // A result file named without an extension gets the one of its format.
    QString suffix;
    if (use == FileUse::New)
        suffix = QLatin1String(adapter_.settings().result.commaSeparated ? "csv" : "txt");
    const std::optional<QString> path =
        fileChooser_->choose(QString::fromUtf16(title), use, suffix);
    if (!path)
        return;
    control<QLineEdit>(target)->setText(*path);
    if (side)
        inspectFile(*side);
}

} // namespace vormak::ui
