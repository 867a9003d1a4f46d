#include "support/fake_window.h"

#include <stdexcept>

namespace vormak::testing {

Text FakeWindow::shownMessages() const {
    Text texts;
    for (const auto& m : messages)
        texts += m.text + u"\n";
    return texts;
}

Text FakeWindow::listed() const {
    Text lines;
    for (const Text& line : findingLines)
        lines += line + u"\n";
    return lines;
}

void FakeWindow::showInspection(Side side, const InspectionResult& result) {
    inspections[sideIndex(side)].push_back(result);
    SideSettings& s = controls.side(side);
    s.fieldCount = result.fieldCount;
    s.namePosition = result.namePosition;
    s.telPosition = result.telPosition;
    if (result.titleLine)
        s.titleLine = *result.titleLine;
}

// The engine inserts only into a list it has cleared, so no selection moves.
// The list is put in anew and, like a list widget's, loses its selection.
void FakeWindow::showFindings(const Findings& findings) {
    findingLines.clear();
    for (const Finding& f : findings)
        findingLines.push_back(f.line);
    selection.clear();
}

MessageAnswer FakeWindow::message(std::u16string_view text, MessageButtons buttons,
                                  MessageIcon icon, std::u16string_view title) {
    messages.push_back({Text(text), buttons, icon, Text(title)});
    if (answers.empty())
        return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeWindow::yield() {
    ++yields;
    if (onYield)
        onYield();
    return yieldsBeforeClose < 0 || yields <= yieldsBeforeClose;
}

} // namespace vormak::testing
