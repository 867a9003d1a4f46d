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
void FakeWindow::findingInserted(size_t index, std::u16string_view line) {
    if (index > findingLines.size())
        throw std::out_of_range("finding inserted beyond the end of the list");
    findingLines.insert(findingLines.begin() + static_cast<long>(index), Text(line));
}

// A list widget moves the selection with the lines.
void FakeWindow::findingsRemoved(const std::vector<size_t>& indexes) {
    for (auto i = indexes.rbegin(); i != indexes.rend(); ++i) {
        if (*i >= findingLines.size())
            throw std::out_of_range("removed finding beyond the end of the list");
        findingLines.erase(findingLines.begin() + static_cast<long>(*i));
        std::set<size_t> moved;
        for (size_t s : selection)
            if (s != *i)
                moved.insert(s < *i ? s : s - 1);
        selection = std::move(moved);
    }
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
