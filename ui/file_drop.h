#pragma once
// Dropping a file from a file manager onto one of the path boxes ChkFile(1),
// ChkFile(2) and KekkaFile puts the file's path there. The window inspects an
// input file at once, as after a pick with the browse button.

#include <functional>

class QLineEdit;

namespace vormak::ui {

// `locked` tells whether the window refuses input now; `dropped`, when given,
// runs after a file's path went into the box.
void acceptFileDrops(QLineEdit& box, std::function<bool()> locked, std::function<void()> dropped);

} // namespace vormak::ui
