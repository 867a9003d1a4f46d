// The GUI tests drive the real window on Qt's offscreen platform, with Qt's
// Japanese texts installed as the program installs them.

#include "ui/appearance.h"
#include "ui/qt_translation.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Headless unless told otherwise, also when the test list is collected.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    vormak::ui::installJapaneseQtTexts(app);
    vormak::ui::useDesignedAppearance();
    return RUN_ALL_TESTS();
}
