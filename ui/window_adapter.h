#pragma once
// The engine's Window over the widgets of Form1: the only place that knows
// which control holds which setting and shows which result.

#include "core/window.h"

#include <QString>

#include <array>
#include <string_view>

namespace vormak::ui {

class Form1;

class WindowAdapter : public Window {
public:
    explicit WindowAdapter(Form1& form) : form_(form) {}

    Settings settings() const override;
    void showStatus(std::u16string_view text) override;
    Text status() const override;
    void showRecordCount(Side side, std::u16string_view count) override;
    void showInspection(Side side, const InspectionResult& result) override;
    void showCheckCaptions(std::span<const Text, 5> captions) override;
    void selectMatchKey(MatchKey key) override;
    void showConversionPair(int index, std::u16string_view from, std::u16string_view to) override;
    void selectViewerSide(Side side) override;
    void showRecordLines(const std::vector<Text>& lines) override;
    void setFindingsVisible(bool visible) override;
    void showFindings(const Findings& findings) override;
    std::vector<size_t> selectedFindings() const override;
    MessageAnswer message(std::u16string_view text, MessageButtons buttons, MessageIcon icon,
                          std::u16string_view title) override;
    void setBusy(bool busy) override;
    void setOperationLocked(bool locked) override;
    bool yield() override;

    // A position the user typed is one column: what the inspection joined to
    // it (a given name, further telephone columns) is dropped.
    void forgetGivenName(Side side) { found_[sideIndex(side)].givenName = 0; }
    void forgetMoreTels(Side side) { found_[sideIndex(side)].moreTels.clear(); }

private:
    Text textOf(std::string_view box) const;
    void setTextOf(std::string_view box, std::u16string_view text);
    bool isOn(std::string_view button) const;

    Form1& form_;
    struct Joined {
        int givenName = 0;
        std::vector<int> moreTels;
    };
    std::array<Joined, 2> found_; // as the last inspection of each side found them
};

// "ChkFile" and side 1 give "ChkFile(1)": the name of one element of a control array.
std::string indexed(std::string_view name, int index);
std::string indexed(std::string_view name, Side side);

QString toQString(std::u16string_view text);
Text toText(const QString& text);

} // namespace vormak::ui
