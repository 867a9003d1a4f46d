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
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        if (int byKey = cell(a, c1).compare(cell(b, c1)))
            return byKey < 0;
        return cell(a, c2) < cell(b, c2);
    });

    // Column 0 holds the cross-check's mark, which the sort never moves.
    std::vector<Record> sorted(order.size());
    for (size_t i = 0; i < order.size(); ++i)
        for (int c = 1; c <= kMaxFields; ++c)
            sorted[i][c] = std::move(table[order[i]][c]);
    for (size_t i = 0; i < order.size(); ++i)
        for (int c = 1; c <= kMaxFields; ++c)
            table[i + 1][c] = std::move(sorted[i][c]);
}

} // namespace vormak
