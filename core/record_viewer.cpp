#include "core/engine.h"
#include "core/side_controls.h"

#include <algorithm>

namespace vormak {

namespace {

// A viewer command does nothing while an operation holds the input files;
// an unreadable file has been reported and ends it, the list as it was.
template <class Show> void viewerCommand(bool operationInProgress, Show show) {
    if (operationInProgress)
        return;
    try {
        show();
    } catch (const OperationAbandoned&) {
    }
}

} // namespace

int Engine::viewerSide() const {
    return window_.isSelected("KeitaiDsp") ? 1 : 2;
}

void Engine::Command5_Click() {
    viewerCommand(operationInProgress_, [this] { showNextRecord(); });
}

void Engine::Command6_Click() {
    viewerCommand(operationInProgress_, [this] { showFirstRecord(); });
}

void Engine::showFirstRecord() {
    const int side = viewerSide();
    if (numericValue(window_.text(sideControls(side).FieldCnt)) == 0)
        return;
    closeSideFile(side);
    showNextRecord();
}

void Engine::showNextRecord() {
    const int side = viewerSide();
    const Text fieldCountText = window_.text(sideControls(side).FieldCnt);
    if (numericValue(fieldCountText) == 0)
        return;
    RecGet(side);
    window_.listClear("RecLst");
    const int fieldCount = std::min<int>(wholeNumber(fieldCountText), kMaxFields);
    for (int i = 1; i <= fieldCount; ++i) {
        // The field number right-aligned in two characters.
        Text line(i < 10 ? 1 : 0, u' ');
        line += decimal(i);
        line += u": ";
        line += fldBuf_[side][i];
        window_.listAdd("RecLst", line);
    }
}

} // namespace vormak
