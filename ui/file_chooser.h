#pragma once
// The file dialog behind the three browse buttons. One dialog object serves
// all of them, so the name picked last is offered first whichever button opens
// it next. Tests put in a chooser that returns prepared names.

#include <QString>

#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace vormak::ui {

enum class FileUse {
    Existing, // an input file: it has to exist
    New,      // the result file: usually a name that does not exist yet
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path picked, or nothing when the user cancelled. A name typed
    // without an extension gets `defaultSuffix` ("csv"), unless that is empty.
    virtual std::optional<QString> choose(const QString& title, FileUse use,
                                          const QString& defaultSuffix) = 0;
};

class DialogFileChooser : public FileChooser {
public:
    explicit DialogFileChooser(QWidget* parent);
    ~DialogFileChooser() override;
    std::optional<QString> choose(const QString& title, FileUse use,
                                  const QString& defaultSuffix) override;

    // The dialog itself, for tests that look at its filters.
    QFileDialog& dialog() { return *dialog_; }

private:
    std::unique_ptr<QFileDialog> dialog_;
    QString lastPicked_;
};

// The filter choices as Qt reads them. Each description is shown as written;
// the patterns in the last parentheses are hidden (Qt needs ASCII patterns,
// and the description of the last choice ends in a full-width asterisk).
QStringList fileFilters();

} // namespace vormak::ui
