#include "ui/message_presenter.h"

#include <QGridLayout>
#include <QMessageBox>

namespace vormak::ui {

namespace {

// Narrower than this, a window manager that draws three buttons in the title
// bar cuts even the short title "Vormak".
constexpr int kMinimumWidth = 300;

// QMessageBox sizes itself from its layout when it is shown, so a minimum
// width of its own would be overridden; a blank item as wide as the minimum,
// in the row of the buttons, widens the layout instead. The layout is built
// anew when the icon changes: this comes last.
void keepMinimumWidth(QMessageBox& box) {
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid)
        return;
    grid->addItem(new QSpacerItem(kMinimumWidth, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount() - 1, 0, 1, grid->columnCount());
}

} // namespace

MessageAnswer MessageBoxPresenter::present(QWidget* parent, const MessageRequest& request) {
    QMessageBox box(parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(request.icon == MessageIcon::Information ? QMessageBox::Information
                                                         : QMessageBox::NoIcon);
    const bool yesNo = request.buttons == MessageButtons::YesNo;
    if (yesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    keepMinimumWidth(box);
    const int answer = box.exec();
    if (!yesNo)
        return MessageAnswer::Ok;
    return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
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
