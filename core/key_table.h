#pragma once
// One side's entries (KeyTbl): the records of its file in the columns of its
// field count, put in order of the match key and then the other item. Each
// entry also carries the cross-check's mark: paired with an identical entry of
// the other side.
//
// The cells of all entries share one buffer, so a table holds its records
// without a string object per field.

#include "core/side_reader.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace vormak {

class KeyTable {
public:
    // Empties the table; its entries will have `columns` fields (0 to 20).
    void reset(int columns);
    // Appends the buffer's fields 1..columns as the next entry.
    void add(const FieldBuffer& fields);
    // What a column is compared as: its value, or a fold of it.
    using Fold = Text (*)(std::u16string_view);
    struct SortKey {
        int column;
        Fold fold = nullptr;
    };

    // Orders the entries by key, then other item; entries equal in both keep
    // their file order. Columns outside 1..columns read as empty.
    void sort(SortKey key, SortKey other);

    // The match key and the other item of an entry as the sort compared them.
    std::u16string_view key(int entry) const { return compared(entry, 0); }
    std::u16string_view other(int entry) const { return compared(entry, 1); }

    int count() const { return count_; }
    int columns() const { return columns_; }
    // Entries count from 1; a column outside the table reads as an empty text.
    std::u16string_view cell(int entry, int column) const;

    bool isPaired(int entry) const { return paired_[entry - 1]; }
    void setPaired(int entry, bool paired) { paired_[entry - 1] = paired; }

private:
    std::u16string_view compared(int entry, int which) const;

    int columns_ = 0;
    SortKey sortKeys_[2] = {{0}, {0}};
    Text folded_; // the folded key and other item of every entry, when folding
    std::vector<uint32_t> foldedEnds_;
    int count_ = 0;
    Text chars_;
    std::vector<uint32_t> ends_; // end of every cell in chars_, entry by entry
    std::vector<bool> paired_;
};

} // namespace vormak
