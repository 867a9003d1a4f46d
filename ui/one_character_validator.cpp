#include "ui/one_character_validator.h"

#include <QLineEdit>

namespace vormak::ui {

OneCharacterValidator::OneCharacterValidator(QLineEdit* box) : QValidator(box), box_(box) {
    before_ = box->text();
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

QValidator::State OneCharacterValidator::validate(QString& input, int&) const {
    // A text set by the program is never refused (the box is not modified
    // then); the user may not make a text longer than one character.
    if (!box_->isModified() || input.size() <= 1 || input.size() < before_.size())
        return Acceptable;
    return Invalid;
}

} // namespace vormak::ui
