// The print button, the help button and F1.

#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/system_printer.h"

#include <QApplication>
#include <QShortcut>

namespace vormak::ui {

void connectPrintAndHelp(Form1& form) {
    form.onClick("Command8", [&form] {
        const std::unique_ptr<Printer> printer = printerFactory()();
        form.engine().Command8_Click(*printer);
    });

    auto help = std::make_shared<Help>(form.window(), &form);
    form.onClick("Command13", [help] { help->showContents(); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), &form);
    QObject::connect(f1, &QShortcut::activated, &form,
                     [help] { help->showTopic(helpTopicOf(QApplication::focusWidget())); });
}

} // namespace vormak::ui
