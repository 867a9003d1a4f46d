#pragma once
// How the window shows a modal message. The real one is a QMessageBox; tests
// put in one that records the message and answers it.

#include "core/window.h"

#include <QString>

class QWidget;

namespace vormak::ui {

struct MessageRequest {
    QString text; // a lone CR already turned into a line break
    MessageButtons buttons;
    MessageIcon icon;
    QString title;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    virtual MessageAnswer present(QWidget* parent, const MessageRequest& request) = 0;
};

// Modal QMessageBox: OK or Yes/No (texts from Qt's Japanese translation), no
// icon unless the information icon is asked for.
class MessageBoxPresenter : public MessagePresenter {
public:
    MessageAnswer present(QWidget* parent, const MessageRequest& request) override;
};

// The program's texts break lines with CR LF or with a lone CR; Qt breaks them
// at LF only.
QString displayLines(std::u16string_view text);

} // namespace vormak::ui
