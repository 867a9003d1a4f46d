// The print button, the help button and F1, and the version box of the help menu.

#include "ui/form1.h"
#include "ui/help_window.h"
#include "ui/system_printer.h"

#include <QAction>
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

    QObject::connect(form.action("AboutAction"), &QAction::triggered, &form, [&form] {
        form.message(u"ソルベック V1.0a\r"
                     u"携帯電話ダイヤルメモリ←→パソコン住所録　相互データチェック\r\r"
                     u"このプログラムは次のライブラリを使っています。\r"
                     u"Qt（ライセンス: LGPL-3.0）\r"
                     u"ICU（ライセンス: Unicode License (ICU)）\r"
                     u"libphonenumber（ライセンス: Apache-2.0）",
                     MessageButtons::Ok, MessageIcon::None, u"Vormak");
    });
}

} // namespace vormak::ui
