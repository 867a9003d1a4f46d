#pragma once
// Dropping a file from a file manager onto one of the path boxes ChkFile(1),
// ChkFile(2) and KekkaFile puts the file's path there. For the two input boxes
// the file is then inspected at once, as after a pick with the browse button.

namespace vormak::ui {

class Form1;

void acceptFileDrops(Form1& form);

} // namespace vormak::ui
