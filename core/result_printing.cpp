#include "core/engine.h"
#include "core/printer.h"

namespace vormak {

// "結果印刷": every line of the result list, in list order, one printed line
// each, landscape A4 at 12 points. An empty list starts no job at all, so no
// blank sheet comes out of the printer.
void Engine::Command8_Click(Printer& printer) {
    if (operationInProgress())
        return;
    const int count = window_.listCount("ChkLst");
    if (count == 0)
        return;
    printer.setPageProperty(kPageOrientation, kOrientationLandscape);
    printer.setPageProperty(kPagePaperSize, kPaperA4);
    printer.setFontSize(12);
    for (int i = 0; i < count; ++i)
        printer.printLine(window_.listLine("ChkLst", i));
    if (!printer.endDocument()) {
        if (const std::u16string reason = printer.failureReason(); !reason.empty())
            window_.setText("JikkouMsg", reason);
        showMessage(u"印刷できません");
    }
}

} // namespace vormak
