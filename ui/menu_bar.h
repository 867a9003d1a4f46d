#pragma once
// The menu bar above the controls: the file commands once more, the check
// options and the help. An item that repeats a button presses that button, so
// it does what the button does and is locked with it.

#include "ui/control_factory.h"

#include <map>
#include <string>

class QAction;
class QMenuBar;

namespace vormak::ui {

using ActionMap = std::map<std::string, QAction*, std::less<>>;

// Dynamic property of the actions that are disabled while a check or a file
// output runs, as the controls flagged LockedInOperation are.
constexpr const char* kLockedInOperation = "lockedInOperation";

// Fills the bar with its menus and returns their items by objectName.
ActionMap createMenus(QMenuBar& bar, const ControlMap& controls);

} // namespace vormak::ui
