#include "core/key_table.h"

#include <algorithm>
#include <numeric>

namespace vormak {

void KeyTable::reset(int columns) {
    columns_ = std::clamp(columns, 0, kMaxFields);
    count_ = 0;
    chars_.clear();
    ends_.clear();
    paired_.clear();
    sortKeys_[0] = sortKeys_[1] = {0};
    folded_.clear();
    foldedEnds_.clear();
}

void KeyTable::add(const FieldBuffer& fields) {
    for (int c = 1; c <= columns_; ++c) {
        chars_ += fields[c];
        ends_.push_back(static_cast<uint32_t>(chars_.size()));
    }
    paired_.push_back(false);
    ++count_;
}

std::u16string_view KeyTable::cell(int entry, int column) const {
    if (column < 1 || column > columns_ || entry < 1 || entry > count_)
        return {};
    const size_t at = static_cast<size_t>(entry - 1) * columns_ + (column - 1);
    const uint32_t begin = at == 0 ? 0 : ends_[at - 1];
    return std::u16string_view(chars_).substr(begin, ends_[at] - begin);
}

std::u16string_view KeyTable::compared(int entry, int which) const {
    if (!sortKeys_[which].fold)
        return cell(entry, sortKeys_[which].column);
    const size_t at = static_cast<size_t>(entry - 1) * 2 + which;
    const uint32_t begin = at == 0 ? 0 : foldedEnds_[at - 1];
    return std::u16string_view(folded_).substr(begin, foldedEnds_[at] - begin);
}

void KeyTable::sort(SortKey key, SortKey other) {
    sortKeys_[0] = key;
    sortKeys_[1] = other;
    // Each value is folded once, here, never per comparison.
    const bool folding = key.fold || other.fold;
    Text folded;
    std::vector<uint32_t> foldedEnds;
    if (folding) {
        foldedEnds.reserve(size_t(count_) * 2);
        for (int e = 1; e <= count_; ++e)
            for (const SortKey& k : sortKeys_) {
                folded += k.fold ? k.fold(cell(e, k.column)) : Text(cell(e, k.column));
                foldedEnds.push_back(static_cast<uint32_t>(folded.size()));
            }
        // compared() reads the folded values only once they are in place.
        std::swap(folded_, folded);
        std::swap(foldedEnds_, foldedEnds);
    }

    // A stable sort gives what inserting each record after every entry equal
    // to it would give.
    std::vector<int> order(static_cast<size_t>(count_));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (int byKey = this->key(a).compare(this->key(b)))
            return byKey < 0;
        return this->other(a) < this->other(b);
    });

    Text chars;
    chars.reserve(chars_.size());
    std::vector<uint32_t> ends;
    ends.reserve(ends_.size());
    folded.clear();
    foldedEnds.clear();
    for (int entry : order) {
        for (int c = 1; c <= columns_; ++c) {
            chars += cell(entry, c);
            ends.push_back(static_cast<uint32_t>(chars.size()));
        }
        for (int which = 0; folding && which < 2; ++which) {
            folded += compared(entry, which);
            foldedEnds.push_back(static_cast<uint32_t>(folded.size()));
        }
    }
    chars_ = std::move(chars);
    ends_ = std::move(ends);
    if (folding) {
        folded_ = std::move(folded);
        foldedEnds_ = std::move(foldedEnds);
    }
    // The marks belong to places, not to records; a fresh sort has none.
    paired_.assign(paired_.size(), false);
}

} // namespace vormak
