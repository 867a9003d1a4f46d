#include "core/findings.h"

#include <algorithm>

namespace vormak {

std::u16string_view Finding::message() const {
    // "5:001002..." carries two entry numbers, the others one.
    const size_t at = check == 5 ? 8 : 5;
    return at < line.size() ? std::u16string_view(line).substr(at) : std::u16string_view();
}

size_t Findings::insert(Finding finding) {
    auto at = std::upper_bound(items_.begin(), items_.end(), finding.line,
                               [](const Text& line, const Finding& f) { return line < f.line; });
    // The insertion may move the items: begin() only after it.
    const auto placed = items_.insert(at, std::move(finding));
    return static_cast<size_t>(placed - items_.begin());
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
