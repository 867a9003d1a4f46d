#include "core/entry_cells.h"

#include <algorithm>

namespace vormak {

EntryCells::EntryCells(const SideSettings& side, bool removeBlanks)
    : family_(side.name()), given_(side.givenName()),
      // Blanks between family and given name go with the other blanks of names.
      separator_(removeBlanks ? u"" : u" ") {
    if (side.telFromSeveral())
        tels_ = side.telColumns();
}

std::vector<std::vector<Text>> EntryCells::of(const FieldBuffer& fields) const {
    std::vector<Text> first;
    if (given_) {
        const Text& family = fields[family_];
        const Text& given = fields[given_];
        first.push_back(family.empty() || given.empty() ? family + given
                                                        : family + Text(separator_) + given);
    }
    if (tels_.empty())
        return {first};
    std::vector<std::vector<Text>> entries;
    for (int column : tels_) {
        const Text& number = fields[column];
        const bool taken = std::any_of(entries.begin(), entries.end(),
                                       [&](const auto& entry) { return entry.back() == number; });
        if (!number.empty() && !taken) {
            entries.push_back(first);
            entries.back().push_back(number);
        }
    }
    // A record without a number is still an entry, with an empty one.
    if (entries.empty()) {
        entries.push_back(first);
        entries.back().push_back(Text());
    }
    return entries;
}

} // namespace vormak
