// The Window interface over the widgets: the engine names a control, the
// window finds it and reads or changes it.

#include "ui/form1.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>

namespace vormak::ui {

namespace {

std::u16string toText(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())};
}

QString toQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

std::u16string_view view(const QString& s) {
    return {reinterpret_cast<const char16_t*>(s.utf16()), static_cast<size_t>(s.size())};
}

// A label keeps its place and size whatever it says; a text longer than its
// line (a reason the printing system gave, on the message line) is cut off at
// the right edge and shows whole when the pointer rests on it.
void setLabelText(QLabel* label, std::u16string_view text) {
    label->setText(toQString(text));
    const bool cut =
        label->fontMetrics().horizontalAdvance(label->text()) > label->contentsRect().width();
    label->setToolTip(cut ? label->text() : QString());
}

[[noreturn]] void wrongKind(std::string_view name, const char* what) {
    throw std::logic_error(std::string(name) + " is not " + what);
}

} // namespace

std::u16string Form1::text(std::string_view name) const {
    QWidget* w = control(name);
    if (auto* box = qobject_cast<QLineEdit*>(w))
        return toText(box->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        return toText(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return toText(button->text());
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return toText(frame->title());
    wrongKind(name, "a control with a text");
}

void Form1::setText(std::string_view name, std::u16string_view text) {
    QWidget* w = control(name);
    if (auto* box = qobject_cast<QLineEdit*>(w))
        box->setText(toQString(text));
    else if (auto* label = qobject_cast<QLabel*>(w))
        setLabelText(label, text);
    else
        setCaption(name, text);
}

bool Form1::isChecked(std::string_view name) const {
    auto* box = control<QAbstractButton>(name);
    if (!box)
        wrongKind(name, "a check box");
    return box->isChecked();
}

void Form1::setChecked(std::string_view name, bool checked) {
    auto* box = control<QAbstractButton>(name);
    if (!box)
        wrongKind(name, "a check box");
    box->setChecked(checked);
}

void Form1::setCaption(std::string_view name, std::u16string_view caption) {
    QWidget* w = control(name);
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(toQString(caption));
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(toQString(caption));
    else if (auto* label = qobject_cast<QLabel*>(w))
        setLabelText(label, caption);
    else
        wrongKind(name, "a control with a caption");
}

bool Form1::isSelected(std::string_view name) const {
    auto* option = control<QRadioButton>(name);
    if (!option)
        wrongKind(name, "an option button");
    return option->isChecked();
}

void Form1::select(std::string_view name) {
    auto* option = control<QRadioButton>(name);
    if (!option)
        wrongKind(name, "an option button");
    option->setChecked(true);
}

void Form1::setVisible(std::string_view name, bool visible) {
    control(name)->setVisible(visible);
}

bool Form1::isVisible(std::string_view name) const {
    // Visible as far as the program is concerned, also before the window is
    // shown.
    return !control(name)->isHidden();
}

namespace {

QListWidget* listNamed(const Form1& form, std::string_view name) {
    auto* list = form.control<QListWidget>(name);
    if (!list)
        wrongKind(name, "a list box");
    return list;
}

QListWidgetItem* itemAt(QListWidget* list, int index) {
    QListWidgetItem* item = index >= 0 ? list->item(index) : nullptr;
    if (!item)
        throw std::out_of_range("no list line " + std::to_string(index));
    return item;
}

// Index at which `line` goes so that the list stays in ascending ordinal
// (UTF-16 code unit) order, after any equal lines.
int sortedPosition(const QListWidget* list, std::u16string_view line) {
    int low = 0, high = list->count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        const QString probe = list->item(mid)->text();
        if (line < view(probe))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

} // namespace

void Form1::listClear(std::string_view name) {
    listNamed(*this, name)->clear();
}

void Form1::listAdd(std::string_view name, std::u16string_view line) {
    QListWidget* list = listNamed(*this, name);
    const bool sorted = list->property(kSortedLinesProperty).toBool();
    list->insertItem(sorted ? sortedPosition(list, line) : list->count(), toQString(line));
}

int Form1::listCount(std::string_view name) const {
    return listNamed(*this, name)->count();
}

std::u16string Form1::listLine(std::string_view name, int index) const {
    return toText(itemAt(listNamed(*this, name), index)->text());
}

bool Form1::listSelected(std::string_view name, int index) const {
    return itemAt(listNamed(*this, name), index)->isSelected();
}

void Form1::listRemove(std::string_view name, int index) {
    QListWidget* list = listNamed(*this, name);
    itemAt(list, index);
    delete list->takeItem(index);
}

} // namespace vormak::ui
