#pragma once
// The one seam between the check engine and the window that shows it.
//
// Controls are addressed by their names as the window knows them, with the
// index of an arrayed control in parentheses: "ChkFile(1)", "FrMoji(0)",
// "Command3". The engine reads a control's state at the moment it needs it and
// keeps no copy, so the window stays the only store of settings.

#include <string>
#include <string_view>

namespace vormak {

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Information };
enum class MessageAnswer { Ok, Yes, No };

class Window {
public:
    virtual ~Window() = default;

    // Text of a text box or caption of a label.
    virtual std::u16string text(std::string_view control) const = 0;
    virtual void setText(std::string_view control, std::u16string_view text) = 0;

    // Check boxes: "value 1" is checked.
    virtual bool isChecked(std::string_view control) const = 0;
    virtual void setChecked(std::string_view control, bool checked) = 0;
    // Check-box captions change with the match key.
    virtual void setCaption(std::string_view control, std::u16string_view caption) = 0;

    // Option buttons: selecting one clears the others of its group.
    virtual bool isSelected(std::string_view option) const = 0;
    virtual void select(std::string_view option) = 0;

    virtual void setVisible(std::string_view control, bool visible) = 0;
    virtual bool isVisible(std::string_view control) const = 0;

    // List boxes. "ChkLst" keeps its lines in ascending ordinal (UTF-16 code
    // unit) order: an added line is sorted into place. "RecLst" keeps the order
    // in which lines are added.
    virtual void listClear(std::string_view list) = 0;
    virtual void listAdd(std::string_view list, std::u16string_view line) = 0;
    virtual int listCount(std::string_view list) const = 0;
    virtual std::u16string listLine(std::string_view list, int index) const = 0;
    virtual bool listSelected(std::string_view list, int index) const = 0;
    virtual void listRemove(std::string_view list, int index) = 0;

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
