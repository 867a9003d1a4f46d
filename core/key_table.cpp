#include "core/key_table.h"

#include <algorithm>
#include <numeric>

namespace vormak {

void KeyTable::reset(int columns, int extraCells) {
    columns_ = std::clamp(columns, 0, kMaxFields);
    stride_ = columns_ + std::max(extraCells, 0);
    count_ = 0;
    chars_.clear();
    ends_.clear();
    rows_.clear();
    keys_.clear();
    paired_.clear();
    sortKeys_[0] = sortKeys_[1] = {0};
    folded_.clear();
    foldedEnds_.clear();
}

void KeyTable::add(const FieldBuffer& fields, std::span<const Text> extra) {
    for (int c = 1; c <= columns_; ++c) {
        chars_ += fields[c];
        ends_.push_back(static_cast<uint32_t>(chars_.size()));
    }
    for (size_t c = 0; c < static_cast<size_t>(stride_ - columns_); ++c) {
        if (c < extra.size())
            chars_ += extra[c];
        ends_.push_back(static_cast<uint32_t>(chars_.size()));
    }
    rows_.push_back(count_);
    paired_.push_back(false);
    ++count_;
}

std::u16string_view KeyTable::compared(int entry, int which) const {
    if (!sortKeys_[which].fold)
        return cell(entry, sortKeys_[which].column);
    const size_t at = static_cast<size_t>(rows_[entry - 1]) * 2 + which;
    const uint32_t begin = at == 0 ? 0 : foldedEnds_[at - 1];
    return std::u16string_view(folded_).substr(begin, foldedEnds_[at] - begin);
}

void KeyTable::sort(SortKey key, SortKey other) {
    // Records stay where they were read; the sort orders the entries that
    // refer to them.
    std::iota(rows_.begin(), rows_.end(), 0);
    sortKeys_[0] = key;
    sortKeys_[1] = other;
    folded_.clear();
    foldedEnds_.clear();
    if (key.fold || other.fold) {
        // Each value is folded once, here, never per comparison.
        foldedEnds_.reserve(size_t(count_) * 2);
        for (int e = 1; e <= count_; ++e) {
            for (const SortKey& k : sortKeys_) {
                folded_ += k.fold ? k.fold(cell(e, k.column)) : Text(cell(e, k.column));
                foldedEnds_.push_back(static_cast<uint32_t>(folded_.size()));
            }
        }
    }

    // A stable sort gives what inserting each record after every entry equal
    // to it would give.
    struct Item {
        Keys keys;
        int row;
    };
    std::vector<Item> items;
    items.reserve(static_cast<size_t>(count_));
    for (int e = 1; e <= count_; ++e)
        items.push_back({{compared(e, 0), compared(e, 1)}, rows_[e - 1]});
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (int byKey = a.keys.key.compare(b.keys.key))
            return byKey < 0;
        return a.keys.other < b.keys.other;
    });
    keys_.resize(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        rows_[i] = items[i].row;
        keys_[i] = items[i].keys;
    }
    // The marks belong to places, not to records; a fresh sort has none.
    paired_.assign(paired_.size(), false);
}

} // namespace vormak
