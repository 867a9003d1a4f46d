#pragma once
// The cross-check (ChkMain) of the two sorted sides: a merge in two passes.
// Pass 1 pairs identical entries and marks them; pass 2 steps over the marked
// ones and reports what is left, as findings.

#include "core/findings.h"
#include "core/key_table.h"

#include <functional>

namespace vormak {

class CrossCheck {
public:
    // Called for every finding of pass 2, in the order the merge meets them.
    using Report = std::function<void(Finding)>;

    CrossCheck(KeyTable& mobile, KeyTable& addressBook, const Settings& settings);

    // SyoriSW 1 only marks; 2 reports through `report`.
    void run(int pass, const Report& report = {});

private:
    class Pass;

    KeyTable* tables_[3];
    const Settings& settings_;
    int keyColumn_[3] = {}, otherColumn_[3] = {}, nameColumn_[3] = {}, telColumn_[3] = {};
    std::u16string_view keyWord_, otherWord_;
};

} // namespace vormak
