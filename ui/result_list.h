#pragma once
// The result list (ChkLst) as a desktop list: Delete, Ctrl+A and Ctrl+C, the
// same three in its context menu, a tooltip with the records a line names,
// and a double-click that shows the line's entry in the record viewer.

#include <QString>

#include <cstddef>

namespace vormak {
class Engine;
}

namespace vormak::ui {

class Form1;

// Called once while the window is built.
void equipResultList(Form1& form);

// The records the finding names, field by field under the side's titles (or
// the field numbers when the side has no title line); rich text.
QString recordsTip(const Engine& engine, size_t finding);

} // namespace vormak::ui
