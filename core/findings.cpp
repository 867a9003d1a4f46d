#include "core/findings.h"

#include <algorithm>

namespace vormak {

std::u16string_view Finding::message() const {
    return messageAt < line.size() ? std::u16string_view(line).substr(messageAt)
                                   : std::u16string_view();
}

void Findings::sort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

std::vector<size_t> Findings::remove(std::vector<size_t> indexes) {
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    while (!indexes.empty() && indexes.back() >= items_.size())
        indexes.pop_back();
    size_t kept = 0, next = 0;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (next < indexes.size() && indexes[next] == i) {
            ++next;
            continue;
        }
        if (kept != i)
            items_[kept] = std::move(items_[i]);
        ++kept;
    }
    items_.resize(kept);
    return indexes;
}

} // namespace vormak
