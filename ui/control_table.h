#pragma once
// The main window described as data: one row per control. The window is built
// by a loop over these rows, so every control is found by searching its name
// once, here.

#include <span>

namespace vormak::ui {

enum class ControlKind {
    Frame, // group box with a caption
    Group, // caption-less frame that only makes a pair of options exclusive
    Label,
    TextBox,
    Button,
    CheckBox,
    Option, // option (radio) button
    List,
};

enum class FontRole {
    Normal,  // proportional gothic, 9 pt
    Bold,    // proportional gothic, bold 11.25 pt
    Message, // proportional gothic, bold 15.75 pt, dark red
    Fixed,   // fixed-pitch gothic, 9 pt: result lines line up in columns
};

// Initial state and input rules, combined with |.
enum ControlFlag : unsigned {
    None = 0,
    Yellow = 1u << 0, // light-yellow background
    RightAligned = 1u << 1,
    DirectInput = 1u << 2, // input method off: digits and Latin letters only
    Disabled = 1u << 3,
    Hidden = 1u << 4,
    On = 1u << 5,                // check box checked, option selected
    OneCharacter = 1u << 6,      // the user types at most one character
    LockedInOperation = 1u << 7, // disabled while a check or a file output runs
    MultiSelect = 1u << 8,       // extended selection
    BlueCaption = 1u << 9,       // numbered frames
    RedCaption = 1u << 10,       // result-list frame
};

// Positions in twips (1/1440 inch); the window shows them at 15 twips a pixel.
struct TwipRect {
    int left, top, width, height;
};

// A rectangle laid out in pixels, stored in twips like every other position.
constexpr TwipRect fromPixels(int left, int top, int width, int height) {
    return {left * 15, top * 15, width * 15, height * 15};
}

constexpr int kTwipsPerPixel = 15;
constexpr int kNoTabStop = -1;

struct ControlRow {
    const char* name; // objectName: "ChkFile(1)", "Command3"
    ControlKind kind;
    const char* container; // nullptr: the window itself
    const char16_t* caption;
    TwipRect rect;
    int tabIndex; // kNoTabStop: never takes the focus by Tab
    FontRole font;
    unsigned flags;
    int helpTopic; // 0: none
    // What a screen reader speaks; nullptr: the caption. Given to text boxes
    // and lists, and where a caption repeats (side or frame first).
    const char16_t* accessibleName = nullptr;
};

// Every control of the main window, containers before what they contain.
std::span<const ControlRow> controlTable();

// Window caption and client size.
extern const char16_t* const kWindowCaption;
constexpr int kClientWidthTwips = 12030;
constexpr int kClientHeightTwips = 8520;

} // namespace vormak::ui
