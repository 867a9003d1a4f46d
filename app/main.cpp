// Starts the program: Qt's own Japanese texts, the window with its load
// sequence, then the event loop until the window closes.

#include "ui/appearance.h"
#include "ui/form1.h"
#include "ui/qt_translation.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vormak"));
    vormak::ui::installJapaneseQtTexts(app);
    vormak::ui::useDesignedAppearance();

    vormak::ui::Form1 window;
    window.load();
    window.show();
    return QApplication::exec();
}
