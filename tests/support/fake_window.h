#pragma once
// A window held in memory. The controls are a plain Settings value that the
// test edits; whatever the engine shows is recorded, and what it shows in a
// control (an inspection, the viewer's side, the key choice, a loaded
// conversion pair) lands in that value as it would in the control. The result
// list follows the engine's notifications only, so comparing it with the
// engine's findings shows whether the window was told every change.

#include "core/window.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <set>
#include <vector>

namespace vormak::testing {

class FakeWindow : public Window {
public:
    // The conversion boxes start with the pair the window starts with.
    FakeWindow() { controls.conversion[0] = {u"﨑", u"崎"}; }

    Settings controls;
    Text statusLine = u"①から④の順に指定して⑤を実行して下さい";
    std::array<Text, 2> recordCounts;
    std::array<Text, 5> captions;
    std::vector<Text> recordLines;
    std::vector<Text> findingLines;
    std::set<size_t> selection;
    bool findingsVisible = true;
    bool busy = false;
    bool locked = false;
    std::vector<Text> messages;
    // Answers to the coming messages; when none is left, Yes or OK.
    std::deque<MessageAnswer> answers;
    int yields = 0;
    // The yields after this many report the window closed; -1: never.
    int yieldsBeforeClose = -1;
    // Runs inside every yield, where the window would handle its events.
    std::function<void()> onYield;

    // The messages shown, and the lines of the result list, each ended by "\n".
    Text shownMessages() const { return joined(messages); }
    Text listed() const { return joined(findingLines); }
    static Text joined(const std::vector<Text>& lines) {
        Text all;
        for (const Text& line : lines)
            all += line + u"\n";
        return all;
    }

    Settings settings() const override { return controls; }
    void showStatus(std::u16string_view text) override { statusLine = text; }
    Text status() const override { return statusLine; }
    void showRecordCount(Side side, std::u16string_view count) override {
        recordCounts[sideIndex(side)] = count;
    }
    void showInspection(Side side, const InspectionResult& result) override {
        takeInspection(controls.side(side), result);
    }
    void showCheckCaptions(std::span<const Text, 5> shown) override {
        std::copy(shown.begin(), shown.end(), captions.begin());
    }
    void selectMatchKey(MatchKey key) override { controls.key = key; }
    void showConversionPair(int index, std::u16string_view from, std::u16string_view to) override {
        controls.conversion.at(static_cast<size_t>(index)) = {Text(from), Text(to)};
    }
    void selectViewerSide(Side side) override { controls.viewerSide = side; }
    void showRecordLines(const std::vector<Text>& lines) override { recordLines = lines; }
    void setFindingsVisible(bool visible) override { findingsVisible = visible; }
    // The list is put in anew and, like a list widget's, loses its selection.
    void showFindings(const Findings& findings) override {
        findingLines.clear();
        for (const Finding& f : findings)
            findingLines.push_back(f.line);
        selection.clear();
    }
    std::vector<size_t> selectedFindings() const override {
        return {selection.begin(), selection.end()};
    }
    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon,
                          std::u16string_view) override {
        messages.emplace_back(text);
        if (answers.empty())
            return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void setBusy(bool on) override { busy = on; }
    void setOperationLocked(bool on) override { locked = on; }
    bool yield() override {
        ++yields;
        if (onYield)
            onYield();
        return yieldsBeforeClose < 0 || yields <= yieldsBeforeClose;
    }
};

} // namespace vormak::testing
