#pragma once
// The engine's window on a terminal: the settings come from the command
// line, messages go to standard error, the status line and the record counts
// become the progress line, and the result list is left to the caller, who
// prints the engine's findings once the check is over.

#include "cli/command_line.h"
#include "cli/console.h"
#include "core/window.h"

namespace vormak::cli {

class TerminalWindow : public Window {
public:
    TerminalWindow(const Invocation& invocation, Console& console);

    // From the first interrupt (Ctrl-C) on, yield() reports the window closed,
    // so that the engine abandons what it is doing; a second one ends the
    // program at once.
    static void stopOnInterrupt();
    static bool interrupted();

    Settings settings() const override { return settings_; }
    void showStatus(std::u16string_view text) override;
    Text status() const override { return status_; }
    void showRecordCount(Side side, std::u16string_view count) override;
    void showInspection(Side side, const InspectionResult& result) override;
    void showCheckCaptions(std::span<const Text, 5>) override {}
    void selectMatchKey(MatchKey key) override { settings_.key = key; }
    void showConversionPair(int index, std::u16string_view from, std::u16string_view to) override;
    void selectViewerSide(Side side) override { settings_.viewerSide = side; }
    void showRecordLines(const std::vector<Text>&) override {}
    void setFindingsVisible(bool) override {}
    void showFindings(const Findings&) override {}
    std::vector<size_t> selectedFindings() const override { return {}; }
    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                          std::u16string_view title) override;
    void setBusy(bool) override {}
    void setOperationLocked(bool) override {}
    bool yield() override { return !interrupted(); }

private:
    void drawProgress(bool urgent);
    void typeGivenValues(Side side);

    Settings settings_;
    std::array<GivenInspection, 2> given_;
    Console& console_;
    Text status_;
    std::array<Text, 2> counts_;
};

} // namespace vormak::cli
