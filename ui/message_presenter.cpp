#include "ui/message_presenter.h"

#include <QMessageBox>

namespace vormak::ui {

MessageAnswer MessageBoxPresenter::present(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(request.icon == MessageIcon::Information ? QMessageBox::Information
                                                         : QMessageBox::NoIcon);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

QString displayLines(std::u16string_view text) {
    QString out;
    out.reserve(static_cast<qsizetype>(text.size()));
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r') {
            out.append(QChar(text[i]));
            continue;
        }
        out.append(u'\n');
        if (i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    return out;
}

} // namespace vormak::ui
