#pragma once
// The program's one window. It is built from the control table, is the store
// of every setting (the engine reads and writes its controls through the
// Window interface) and hands each event to the engine's procedure for it.

#include "core/engine.h"
#include "core/window.h"
#include "ui/control_factory.h"
#include "ui/event_pump.h"
#include "ui/file_chooser.h"
#include "ui/message_presenter.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <string_view>

namespace vormak::ui {

class Form1 : public QWidget, public Window {
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The load sequence (Form_Load) and the placement in the middle of the
    // screen; the program calls it once before showing the window.
    void load();

    Engine& engine() { return engine_; }

    // A control by its name as the program writes it: "ChkFile(1)", "Command3".
    QWidget* control(std::string_view name) const;
    template <class T> T* control(std::string_view name) const {
        return qobject_cast<T*>(control(name));
    }

    // Runs `handler` when the button is clicked (or pressed through its access
    // key). A failure inside it becomes a message, never a crash.
    void onClick(std::string_view button, std::function<void()> handler);
    // Runs a procedure of the program the same guarded way.
    void runGuarded(const std::function<void()>& procedure);

    // Replaceable for tests.
    void setMessagePresenter(std::unique_ptr<MessagePresenter> presenter);
    void setFileChooser(std::unique_ptr<FileChooser> chooser);
    void setEventPump(std::unique_ptr<EventPump> pump);
    FileChooser& fileChooser() { return *fileChooser_; }

    bool operationLocked() const { return locked_; }

    // Window
    std::u16string text(std::string_view control) const override;
    void setText(std::string_view control, std::u16string_view text) override;
    bool isChecked(std::string_view control) const override;
    void setChecked(std::string_view control, bool checked) override;
    void setCaption(std::string_view control, std::u16string_view caption) override;
    bool isSelected(std::string_view option) const override;
    void select(std::string_view option) override;
    void setVisible(std::string_view control, bool visible) override;
    bool isVisible(std::string_view control) const override;
    void listClear(std::string_view list) override;
    void listAdd(std::string_view list, std::u16string_view line) override;
    int listCount(std::string_view list) const override;
    std::u16string listLine(std::string_view list, int index) const override;
    bool listSelected(std::string_view list, int index) const override;
    void listRemove(std::string_view list, int index) override;
    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                          std::u16string_view title) override;
    void setBusy(bool busy) override;
    void setOperationLocked(bool locked) override;
    bool yield() override;

    using QWidget::isVisible;
    using QWidget::setVisible;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void centreOnScreen();
    void inspectFile(int side);
    void browse(const char16_t* title, std::string_view target, FileUse use, int side);

    ControlMap controls_;
    Engine engine_;
    std::unique_ptr<MessagePresenter> presenter_;
    std::unique_ptr<FileChooser> fileChooser_;
    std::unique_ptr<EventPump> pump_;
    bool closed_ = false;
    bool busy_ = false;
    bool locked_ = false;
    QPointer<QWidget> focusBeforeLock_;
    std::array<QWidget*, 2> fileBoxes_{}; // ChkFile(1), ChkFile(2)
};

// Connects the buttons whose handlers live with printing and help (Command8,
// Command13, F1). Called once while the window is built.
void connectPrintAndHelp(Form1& form);

} // namespace vormak::ui
