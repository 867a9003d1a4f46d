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

struct ShownMessage {
    Text text;
    MessageButtons buttons;
    MessageIcon icon;
    Text title;
};

class FakeWindow : public Window {
public:
    // The conversion boxes start with the pair the window starts with.
    FakeWindow() { controls.conversion[0] = {u"﨑", u"崎"}; }

    Settings controls;
    Text statusLine = u"①から④の順に指定して⑤を実行して下さい";
    std::array<Text, 2> recordCounts;
    std::array<std::vector<InspectionResult>, 2> inspections;
    std::array<Text, 5> captions;
    std::vector<Text> recordLines;
    std::vector<Text> findingLines;
    std::set<size_t> selection;
    bool findingsVisible = true;
    bool busy = false;
    bool locked = false;
    std::vector<ShownMessage> messages;
    // Answers to the coming messages; when none is left, Yes or OK.
    std::deque<MessageAnswer> answers;
    int yields = 0;
    // The yields after this many report the window closed; -1: never.
    int yieldsBeforeClose = -1;
    // Runs inside every yield, where the window would handle its events.
    std::function<void()> onYield;

    // The texts of the messages shown, and the lines of the result list,
    // each ended by "\n".
    Text shownMessages() const;
    Text listed() const;

    Settings settings() const override { return controls; }
    void showStatus(std::u16string_view text) override { statusLine = text; }
    Text status() const override { return statusLine; }
    void showRecordCount(Side side, std::u16string_view count) override {
        recordCounts[sideIndex(side)] = count;
    }
    void showInspection(Side side, const InspectionResult& result) override;
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
    void showFindings(const Findings& findings) override;
    std::vector<size_t> selectedFindings() const override {
        return {selection.begin(), selection.end()};
    }
    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                          std::u16string_view title) override;
    void setBusy(bool on) override { busy = on; }
    void setOperationLocked(bool on) override { locked = on; }
    bool yield() override;
};

} // namespace vormak::testing
