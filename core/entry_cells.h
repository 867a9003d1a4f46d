#pragma once
// The cells an entry holds after its record's fields, in this order: the name
// joined from family and given name, when an export writes the name in two
// columns; the entry's telephone number, when an export has several
// telephone columns. Such a record gives an entry for each different number
// it holds, so a person with a home and a mobile number meets both numbers
// of the other side.

#include "core/side_reader.h"

#include <vector>

namespace vormak {

class EntryCells {
public:
    EntryCells(const SideSettings& side, bool removeBlanks);

    // Extra cells per entry: 0 for a file read as it always was.
    int count() const { return (given_ ? 1 : 0) + (tels_.empty() ? 0 : 1); }
    // The extra cells of each entry the cleaned record gives, at least one.
    std::vector<std::vector<Text>> of(const FieldBuffer& fields) const;

private:
    int family_ = 0;
    int given_ = 0;
    std::u16string_view separator_;
    std::vector<int> tels_; // empty: one telephone column, compared where it is
};

} // namespace vormak
