#include "ui/file_chooser.h"

#include <QApplication>
#include <QFileDialog>
#include <QPointer>
#include <QScopeGuard>
#include <QSettings>

namespace vormak::ui {

namespace {

// Closing the dialog while the completion of its name box is open (Enter
// picks the completion and accepts the dialog at once) leaves the completion
// popup on screen: it is a window of its own, which hiding the dialog does not
// hide. As long as it is there, keys and focus belong to it, the main window
// is not active, and leaving a path box no longer inspects its file. So close
// what the dialog left open, make the window active again and give the focus
// back to the control that had it.
void giveFocusBack(QWidget* window, QWidget* focus) {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->hide();
    window->raise();
    window->activateWindow();
    if (focus && focus->window() == window && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

// Qt's file dialog reads its history, last folder and view from Qt's own
// settings file when it is made and writes them back when it is destroyed
// (~/.config/QtProject.conf). The program keeps no settings between runs, so
// Qt's settings are pointed at a folder that cannot exist: nothing is read,
// and writing fails quietly.
std::unique_ptr<QFileDialog> dialogWithoutSettings(QWidget* parent) {
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    return std::make_unique<QFileDialog>(parent);
}

} // namespace

QStringList fileFilters() {
    return {
        QStringLiteral(u"ＣＳＶファイル (*.csv) (*.csv *.CSV)"),
        QStringLiteral(u"TXTファイル (*.txt) (*.txt *.TXT)"),
        QStringLiteral(u"全てのﾌｧｲﾙ(*.＊) (*)"),
    };
}

DialogFileChooser::DialogFileChooser(QWidget* parent) : dialog_(dialogWithoutSettings(parent)) {
    // Qt's own dialog on every desktop: the native ones ignore hidden filter
    // details and would show the patterns twice.
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setOption(QFileDialog::HideNameFilterDetails);
    dialog_->setAcceptMode(QFileDialog::AcceptOpen);
    dialog_->setNameFilters(fileFilters());
}

DialogFileChooser::~DialogFileChooser() = default;

std::optional<QString> DialogFileChooser::choose(const QString& title, FileUse use,
                                                 const QString& defaultSuffix) {
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QWidget* window = dialog_->parentWidget() ? dialog_->parentWidget()->window() : nullptr;
    const auto restore = qScopeGuard([&] {
        if (window)
            giveFocusBack(window, focus);
    });
    dialog_->setWindowTitle(title);
    dialog_->setDefaultSuffix(defaultSuffix);
    dialog_->setFileMode(use == FileUse::Existing ? QFileDialog::ExistingFile
                                                  : QFileDialog::AnyFile);
    dialog_->selectNameFilter(fileFilters().front());
    if (!lastPicked_.isEmpty())
        dialog_->selectFile(lastPicked_);
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty())
        return std::nullopt;
    lastPicked_ = dialog_->selectedFiles().front();
    return lastPicked_;
}

} // namespace vormak::ui
