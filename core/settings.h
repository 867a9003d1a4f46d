#pragma once
// Everything an operation needs from the window, read once when the operation
// starts. The controls are locked while it runs, so the snapshot cannot go
// stale underneath it.
//
// Numbers are kept as the user typed them: the validation judges the text
// (a count of "2.5" is refused, an empty one is missing), and the helpers
// below give the whole numbers the rest of the program works with.

#include "core/text.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vormak {

// 1 is the mobile side (携帯側), 2 the address book (住所録側).
enum class Side { Mobile = 1, AddressBook = 2 };
constexpr std::array<Side, 2> kBothSides = {Side::Mobile, Side::AddressBook};
constexpr int sideIndex(Side side) {
    return static_cast<int>(side) - 1;
}
constexpr Side otherSide(Side side) {
    return side == Side::Mobile ? Side::AddressBook : Side::Mobile;
}

enum class MatchKey { Name, Telephone };

// The fields a record can hold; a longer line is counted but cut there.
constexpr int kMaxFields = 256;

struct SideSettings {
    Text path;
    bool commaSeparated = true; // else TAB
    bool titleLine = true;
    Text fieldCount = u"0";
    Text namePosition;
    Text telPosition;
    // What the inspection found in an export, never typed by the user. The
    // given name's column when the name is written as family and given name
    // (姓, 名): joined after the name position's field wherever names are
    // compared; 0: the name is one column.
    int givenNamePosition = 0;
    // Further telephone columns (自宅, 携帯, 会社) besides the telephone
    // position: a record gives an entry for each different number it holds.
    std::vector<int> moreTelPositions{};

    char16_t delimiter() const { return commaSeparated ? u',' : u'\t'; }
    int fields() const { return wholeNumber(fieldCount); }
    // The field count as a number of stored columns, 0 to 20.
    int columns() const;
    int name() const { return wholeNumber(namePosition); }
    // Whether a column lies within the side's field count.
    bool inRecord(int column) const;
    // The given name's column when the name is joined from two, else 0.
    int givenName() const;
    // The telephone position and the further telephone columns that lie in
    // the record, each once.
    std::vector<int> telColumns() const;
    bool telFromSeveral() const { return telColumns().size() > 1; }
    // The columns an entry is compared by: the positions, or the cells kept
    // after the record's fields (the joined name, then the entry's number).
    int comparedName() const { return givenName() ? columns() + 1 : name(); }
    int comparedTel() const { return telFromSeveral() ? columns() + (givenName() ? 2 : 1) : tel(); }
    int tel() const { return wholeNumber(telPosition); }
    // The blanks and hyphens of the key fields are removed only once both
    // positions are filled in.
    bool positionsGiven() const { return !namePosition.empty() && !telPosition.empty(); }
};

// A pair of the conversion table as its two boxes hold it.
struct ConversionBoxes {
    Text from;
    Text to;
};
constexpr int kConversionPairs = 4;

// Result checks 1 to 5, in the order of their boxes.
enum Check { DuplicateMobile, DuplicateAddress, MissingOnMobile, MissingInAddressBook, Mismatch };

struct ResultFileSettings {
    Text path;
    // The side the file carries the title line and the records of:
    // "携帯側の修正用" takes the address book's records, to be added to the phone.
    Side recordsOf = Side::AddressBook;
    bool commaSeparated = true;
    bool withMessage = true;
    char16_t delimiter() const { return commaSeparated ? u',' : u'\t'; }
};

struct Settings {
    std::array<SideSettings, 2> sides;
    MatchKey key = MatchKey::Telephone;
    bool removeBlanks = true;
    bool removeHyphens = true;
    // Compare names with width and kana folded ("読みの表記ゆれを無視"), and
    // telephone numbers in their national form ("電話番号の表記を揃える").
    bool foldReadings = false;
    bool foldNumbers = false;
    std::array<ConversionBoxes, kConversionPairs> conversion;
    std::array<bool, 5> checks = {true, true, true, true, true};
    Side viewerSide = Side::Mobile;
    ResultFileSettings result;

    SideSettings& side(Side s) { return sides[sideIndex(s)]; }
    const SideSettings& side(Side s) const { return sides[sideIndex(s)]; }
    bool isOn(Check c) const { return checks[c]; }
    // Column of the match key and of the other item of a side.
    int keyColumn(Side s) const;
    int otherColumn(Side s) const;
};

} // namespace vormak
