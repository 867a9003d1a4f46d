#include "ui/one_character_validator.h"

#include <QLineEdit>

namespace vormak::ui {

OneCharacterValidator::OneCharacterValidator(QLineEdit* box) : QValidator(box), box_(box) {
    before_ = box->text();
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State OneCharacterValidator::validate(QString& input, int& pos) const {
    // A text set by the program is never refused (the box is not modified
    // then); the user may not make a text longer than one character.
    if (!box_->isModified() || input.size() <= 1 || input.size() < before_.size())
        return Acceptable;
    // Several characters at once (a paste, an input method's commit) in place
    // of the whole text: the first of them stays. The edit ends at the cursor;
    // nothing of the old text may stand before or after it. When the first
    // character is the old one, refusing leaves the same text.
    const bool wholeTextReplaced =
        pos == input.size() && (before_.isEmpty() || input.front() != before_.front());
    // A character beyond U+FFFF takes two units: more than the box holds.
    if (!wholeTextReplaced || input.front().isSurrogate())
        return Invalid;
    input.truncate(1);
    pos = 1;
    return Acceptable;
}

} // namespace vormak::ui
