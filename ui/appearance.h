#pragma once
// The look the window was designed with, whatever the desktop: Qt's Fusion
// style, whose measures the fixed layout was fitted to, and light colours, so
// that the blue and red captions and the yellow boxes stay readable under a
// dark desktop theme.

#include <QPalette>

namespace vormak::ui {

QPalette lightPalette();

// Sets the style and the palette for the whole program (dialogs included).
// Called once, after the QApplication exists and before the window is built.
void useDesignedAppearance();

} // namespace vormak::ui
