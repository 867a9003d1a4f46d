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

void KeyTable::sort(int keyColumn, int otherColumn) {
    // A stable sort gives what inserting each record after every entry equal
    // to it would give.
    std::vector<int> order(static_cast<size_t>(count_));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (int byKey = cell(a, keyColumn).compare(cell(b, keyColumn)))
            return byKey < 0;
        return cell(a, otherColumn) < cell(b, otherColumn);
    });

    Text chars;
    chars.reserve(chars_.size());
    std::vector<uint32_t> ends;
    ends.reserve(ends_.size());
    for (int entry : order) {
        for (int c = 1; c <= columns_; ++c) {
            chars += cell(entry, c);
            ends.push_back(static_cast<uint32_t>(chars.size()));
        }
    }
    chars_ = std::move(chars);
    ends_ = std::move(ends);
    // The marks belong to places, not to records; a fresh sort has none.
    paired_.assign(paired_.size(), false);
}

} // namespace vormak
