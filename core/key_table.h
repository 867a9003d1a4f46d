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
    // Orders the entries by key column, then other column; entries equal in
    // both keep their file order. Columns outside 1..columns read as empty.
    void sort(int keyColumn, int otherColumn);

    int count() const { return count_; }
    int columns() const { return columns_; }
    // Entries count from 1; a column outside the table reads as an empty text.
    std::u16string_view cell(int entry, int column) const;

    bool isPaired(int entry) const { return paired_[entry - 1]; }
    void setPaired(int entry, bool paired) { paired_[entry - 1] = paired; }

private:
    int columns_ = 0;
    int count_ = 0;
    Text chars_;
    std::vector<uint32_t> ends_; // end of every cell in chars_, entry by entry
    std::vector<bool> paired_;
};

} // namespace vormak
