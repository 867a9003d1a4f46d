#pragma once
// The one seam between the engine and the window that shows it. The engine
// asks for the settings once per operation and tells the window what to show;
// it never knows how a control is named or drawn.

#include "core/findings.h"
#include "core/settings.h"

#include <span>
#include <string_view>
#include <vector>

namespace vormak {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information };
enum class MessageAnswer { Ok, Yes, No };

// What the inspection of a side's file fills in.
struct InspectionResult {
    Text fieldCount;   // decimal digits, "0" when nothing could be counted
    Text namePosition; // empty when no title names it
    Text telPosition;
    std::optional<bool> titleLine;       // unset: the box stays as it is
    int givenNamePosition = 0;           // the name is joined from two columns
    std::vector<int> moreTelPositions{}; // further telephone columns compared
};

// A side's settings as the inspection fills them in.
inline void takeInspection(SideSettings& side, const InspectionResult& result) {
    side.fieldCount = result.fieldCount;
    side.namePosition = result.namePosition;
    side.telPosition = result.telPosition;
    side.givenNamePosition = result.givenNamePosition;
    side.moreTelPositions = result.moreTelPositions;
    side.titleLine = result.titleLine.value_or(side.titleLine);
}

class Window {
public:
    virtual ~Window() = default;

    // Every setting as the controls hold it now.
    virtual Settings settings() const = 0;

    // The message line under the result list.
    virtual void showStatus(std::u16string_view text) = 0;
    virtual Text status() const = 0;
    // A side's running record count (" 12").
    virtual void showRecordCount(Side side, std::u16string_view count) = 0;
    virtual void showInspection(Side side, const InspectionResult& result) = 0;
    // Captions of the five check boxes, which follow the match key.
    virtual void showCheckCaptions(std::span<const Text, 5> captions) = 0;
    virtual void selectMatchKey(MatchKey key) = 0;
    virtual void showConversionPair(int index, std::u16string_view from,
                                    std::u16string_view to) = 0;

    // Record viewer: its side option and its list of " 1: value" lines.
    virtual void selectViewerSide(Side side) = 0;
    virtual void showRecordLines(const std::vector<Text>& lines) = 0;

    // The result list is a view of the findings: it shows them again after
    // every change.
    virtual void setFindingsVisible(bool visible) = 0;
    virtual void showFindings(const Findings& findings) = 0;
    virtual std::vector<size_t> selectedFindings() const = 0;

    // Modal message box; a lone CR in the text starts a new line.
    virtual MessageAnswer message(std::u16string_view text, MessageButtons buttons,
                                  MessageIcon icon, std::u16string_view title) = 0;

    // Application-wide busy (hourglass) pointer.
    virtual void setBusy(bool busy) = 0;

    // While a long operation runs, the commands that would read or change its
    // data are locked (disabled) so that they cannot run from inside a yield.
    virtual void setOperationLocked(bool locked) = 0;

    // Lets the window process its pending events (painting, input) and
    // returns. Returns false when the window was closed meanwhile: the
    // operation in progress must then be abandoned without further messages.
    virtual bool yield() = 0;
};

} // namespace vormak
