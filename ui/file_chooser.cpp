#include "ui/file_chooser.h"

#include <QFileDialog>

namespace vormak::ui {

QStringList fileFilters() {
    return {
        QStringLiteral(u"ＣＳＶファイル (*.csv) (*.csv *.CSV)"),
        QStringLiteral(u"TXTファイル (*.txt) (*.txt *.TXT)"),
        QStringLiteral(u"全てのﾌｧｲﾙ(*.＊) (*)"),
    };
}

DialogFileChooser::DialogFileChooser(QWidget* parent)
    : dialog_(std::make_unique<QFileDialog>(parent)) {
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
