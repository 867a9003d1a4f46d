#pragma once
// Creates the widgets of the control table inside the window: type, place,
// caption, font, colours, input rules and initial state.

#include "ui/control_table.h"

#include <QFont>

#include <map>
#include <string>

class QWidget;

namespace vormak::ui {

using ControlMap = std::map<std::string, QWidget*, std::less<>>;

// Builds every control of controlTable() inside `form` and returns them by name.
ControlMap createControls(QWidget* form);

// Fonts by role. Sizes are pixels (points at 96 dots an inch) so that text
// never outgrows the fixed layout on a display with another resolution.
QFont fontFor(FontRole role);

} // namespace vormak::ui
