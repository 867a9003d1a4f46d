#pragma once
// The findings of the last check, kept in the order of the result list:
// ascending by their lines, ordinally (UTF-16 code unit by code unit), a new
// finding after those equal to it.

#include "core/settings.h"

#include <vector>

namespace vormak {

struct Finding {
    int check = 0;        // 1 to 5
    int mobileEntry = 0;  // entry of KeyTbl on side 1, 0 when the line names none
    int addressEntry = 0; // entry on side 2
    Text line;
    size_t messageAt = 0; // where the text after the numbers begins

    // The line's text after its check number and entry numbers.
    std::u16string_view message() const;
};

class Findings {
public:
    // Adds a finding at the end; sort() puts the list in order.
    void append(Finding finding) { items_.push_back(std::move(finding)); }
    // Orders the findings by their lines, equal ones as they were added.
    void sort();
    void clear() { items_.clear(); }
    // Removes the findings at these places (any order, duplicates allowed) in
    // one pass; returns the places removed, ascending.
    std::vector<size_t> remove(std::vector<size_t> indexes);

    size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }
    const Finding& operator[](size_t index) const { return items_[index]; }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<Finding> items_;
};

} // namespace vormak
