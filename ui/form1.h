#pragma once
// The program's one window. It is built from the control table, holds every
// setting in its controls (the engine sees them through the WindowAdapter)
// and hands each event to the engine's procedure for it.

#include "core/engine.h"
#include "ui/control_factory.h"
#include "ui/event_pump.h"
#include "ui/file_chooser.h"
#include "ui/menu_bar.h"
#include "ui/message_presenter.h"
#include "ui/window_adapter.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

class QMenuBar;

namespace vormak::ui {

class Form1 : public QWidget {
public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The load sequence (Form_Load) and the placement in the middle of the
    // screen; the program calls it once before showing the window.
    void load();

    Engine& engine() { return engine_; }
    Window& window() { return adapter_; }

    // A control by its name as the program writes it: "ChkFile(1)", "Command3".
    QWidget* control(std::string_view name) const;
    template <class T> T* control(std::string_view name) const {
        return qobject_cast<T*>(control(name));
    }
    // An item of the menu bar by its objectName: "FoldReadingsAction".
    QAction* action(std::string_view name) const;

    // Runs `handler` when the button is clicked (or pressed through its access
    // key). A failure inside it becomes a message, never a crash.
    void onClick(std::string_view button, std::function<void()> handler);
    // Runs a procedure of the program the same guarded way.
    void runGuarded(const std::function<void()>& procedure);

    // Replaceable for tests.
    void setMessagePresenter(std::unique_ptr<MessagePresenter> presenter);
    void setFileChooser(std::unique_ptr<FileChooser> chooser);
    void setEventPump(std::unique_ptr<EventPump> pump);

    bool operationLocked() const { return locked_; }

    // What the engine's window asks of the form itself.
    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                          std::u16string_view title);
    void setBusy(bool busy);
    void setOperationLocked(bool locked);
    bool yield();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectHandlers();
    void centreOnScreen();
    void inspectFile(Side side);
    void browse(const char16_t* title, std::string_view target, FileUse use,
                std::optional<Side> side);
    void showFolds();

    // The controls sit in the client area below the menu bar, where the
    // control table places them.
    QMenuBar* menuBar_;
    QWidget* client_;
    ControlMap controls_;
    ActionMap actions_;
    WindowAdapter adapter_;
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
// Command13, F1, the version box). Called once while the window is built.
void connectPrintAndHelp(Form1& form);

} // namespace vormak::ui
