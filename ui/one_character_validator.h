#pragma once
// The user may type at most one character into a conversion box; of several
// characters pasted at once the first stays. A longer text that the program
// put there stays, and the user can shorten it.

#include <QValidator>

class QLineEdit;

namespace vormak::ui {

class OneCharacterValidator : public QValidator {
public:
    explicit OneCharacterValidator(QLineEdit* box);
    State validate(QString& input, int& pos) const override;

private:
    QLineEdit* box_;
    QString before_; // the box's text before the edit being validated
};

} // namespace vormak::ui
