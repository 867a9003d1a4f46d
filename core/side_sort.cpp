#include "core/engine.h"
#include "core/side_controls.h"

#include <algorithm>
#include <numeric>

namespace vormak {

namespace {

constexpr std::u16string_view kTooManyRecords[3] = {u"", u"携帯電話側 データが999件を超えています",
                                                    u"住所録側 データが999件を超えています"};

int columnCount(std::u16string_view fieldCountText) {
    return std::clamp<int>(wholeNumber(fieldCountText), 0, kMaxFields);
}

} // namespace

void Engine::SortOut(int Wsx) {
    const SideControls& side = sideControls(Wsx);
    closeSideFile(Wsx);
    // Only lines that exist are read: an empty file or a lone title line
    // gives no entry and no end-of-data message.
    if (window_.isChecked(side.TitleChk) && sideHasMoreLines(Wsx))
        RecGet(Wsx);

    auto& table = keyTbl_[Wsx];
    int n = 0;
    window_.setText(side.DtCnt, u" 0");
    while (sideHasMoreLines(Wsx)) {
        if (n == kMaxEntries)
            abandonWith(kTooManyRecords[Wsx]);
        RecGet(Wsx);
        ++n;
        const int columns = columnCount(window_.text(side.FieldCnt));
        for (int c = 1; c <= columns; ++c)
            table[n][c] = fldBuf_[Wsx][c];
        window_.setText(side.DtCnt, u" " + decimal(n));
        yieldOrAbandon();
    }
    orderEntries(Wsx, n);
    recCnt_[Wsx] = n;
}

void Engine::orderEntries(int Wsx, int count) {
    const SideControls& side = sideControls(Wsx);
    const int c1 = wholeNumber(window_.text(side.HikakuFldIti));
    const int c2 = wholeNumber(window_.text(side.Hikaku2FldIti));
    auto& table = keyTbl_[Wsx];
    static const Text kNone;
    auto cell = [&](int entry, int column) -> const Text& {
        return column >= 1 && column <= kMaxFields ? table[entry][column] : kNone;
    };

    // A stable sort gives what inserting each record after every entry equal
    // to it would give, without moving entries once per record.
    std::vector<std::pair<const Text*, const Text*>> keys(static_cast<size_t>(count) + 1);
    for (int e = 1; e <= count; ++e)
        keys[e] = {&cell(e, c1), &cell(e, c2)};
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (int byKey = keys[a].first->compare(*keys[b].first))
            return byKey < 0;
        return *keys[a].second < *keys[b].second;
    });

    // Entry e takes the record of entry order[e - 1], one cycle of the
    // permutation at a time. Column 0 holds the cross-check's mark, which the
    // sort never moves.
    auto moveColumns = [](Record& to, Record& from) {
        for (int c = 1; c <= kMaxFields; ++c)
            to[c] = std::move(from[c]);
    };
    std::vector<bool> placed(static_cast<size_t>(count) + 1);
    Record held;
    for (int start = 1; start <= count; ++start) {
        if (placed[start] || order[start - 1] == start)
            continue;
        moveColumns(held, table[start]);
        int at = start;
        for (int from = order[at - 1]; from != start; at = from, from = order[at - 1]) {
            moveColumns(table[at], table[from]);
            placed[at] = true;
        }
        moveColumns(table[at], held);
        placed[at] = true;
    }
}

} // namespace vormak
