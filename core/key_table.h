#pragma once
// One side's entries (KeyTbl): the records of its file in the columns of its
// field count, put in order of the match key and then the other item. Each
// entry also carries the cross-check's mark: paired with an identical entry of
// the other side.
//
// The cells of all records share one buffer, in the order the records were
// read, so a table holds them without a string object per field; sorting
// orders the entries that refer to them.

#include "core/side_reader.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace vormak {

class KeyTable {
public:
    // Empties the table; its entries will have `columns` fields (0 to 256)
    // and then `extraCells` cells of their own (what an entry is compared by
    // beyond its record's fields).
    void reset(int columns, int extraCells = 0);
    // Appends the buffer's fields 1..columns and the extra cells as the next
    // entry; missing extra cells are empty.
    void add(const FieldBuffer& fields, std::span<const Text> extra = {});
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
    std::u16string_view key(int entry) const { return keys_[entry - 1].key; }
    std::u16string_view other(int entry) const { return keys_[entry - 1].other; }

    int count() const { return count_; }
    int columns() const { return columns_; }
    // Entries count from 1; a column outside the table reads as an empty text.
    std::u16string_view cell(int entry, int column) const {
        if (column < 1 || column > stride_ || entry < 1 || entry > count_)
            return {};
        const size_t at = static_cast<size_t>(rows_[entry - 1]) * stride_ + (column - 1);
        const uint32_t begin = at == 0 ? 0 : ends_[at - 1];
        return std::u16string_view(chars_).substr(begin, ends_[at] - begin);
    }

    bool isPaired(int entry) const { return paired_[entry - 1]; }
    void setPaired(int entry, bool paired) { paired_[entry - 1] = paired; }

private:
    std::u16string_view compared(int entry, int which) const;

    int columns_ = 0;
    int stride_ = 0; // cells an entry holds: its record's fields and its extra cells
    SortKey sortKeys_[2] = {{0}, {0}};
    Text folded_; // the folded key and other item of every record, when folding
    std::vector<uint32_t> foldedEnds_;
    int count_ = 0;
    Text chars_;
    std::vector<uint32_t> ends_; // end of every cell in chars_, record by record
    std::vector<int> rows_;      // the record of each entry, in entry order
    struct Keys {
        std::u16string_view key, other;
    };
    std::vector<Keys> keys_; // of each entry, in entry order: the merge reads them in a row
    std::vector<bool> paired_;
};

} // namespace vormak
