#include "core/engine.h"
#include "core/side_controls.h"

namespace vormak {

namespace {

struct Requirement {
    std::string_view control;
    int side;
    bool isFieldCount;              // else a position, within that side's field count
    std::u16string_view missing;    // its value is 0
    std::u16string_view outOfRange; // not a whole number within its range
};

// In the order they are checked: first that all six are given, then that
// each lies within the record's twenty fields.
constexpr Requirement kRequirements[6] = {
    {"FieldCnt(1)", 1, true, u"携帯電話側ファイルが指定されていません",
     u"携帯電話側 項目数が正しくありません"},
    {"FieldCnt(2)", 2, true, u"住所録側ファイルが指定されていません ",
     u"住所録側 項目数が正しくありません"},
    {"KanaNameIti(1)", 1, false, u"携帯電話側 氏名位置が指定されていません",
     u"携帯電話側 氏名位置が正しくありません"},
    {"KanaNameIti(2)", 2, false, u"住所録側 氏名位置が指定されていません",
     u"住所録側 氏名位置が正しくありません"},
    {"TelNoIti(1)", 1, false, u"携帯電話側 電話位置が指定されていません",
     u"携帯電話側 電話位置が正しくありません"},
    {"TelNoIti(2)", 2, false, u"住所録側 電話位置が指定されていません",
     u"住所録側 電話位置が正しくありません"},
};

} // namespace

bool Engine::InputChk() {
    for (const auto& r : kRequirements) {
        if (numericValue(window_.text(r.control)) == 0) {
            showMessage(r.missing);
            return true;
        }
    }
    for (const auto& r : kRequirements) {
        const int highest =
            r.isFieldCount
                ? kMaxFields
                : static_cast<int>(numericValue(window_.text(sideControls(r.side).FieldCnt)));
        if (!isWholeNumberIn(window_.text(r.control), 1, highest)) {
            showMessage(r.outOfRange);
            return true;
        }
    }
    return false;
}

void Engine::showProgress(std::u16string_view text) {
    window_.setText("JikkouMsg", text);
    yieldOrAbandon();
}

void Engine::Command3_Click() {
    if (operationInProgress_ || InputChk())
        return;
    OperationScope scope(*this);
    try {
        window_.setVisible("ChkLst", false);
        for (int side = 1; side <= 2; ++side)
            for (auto& entry : keyTbl_[side])
                for (auto& cell : entry)
                    cell.clear();
        showProgress(u"携帯側ソート中！");
        SortOut(1);
        showProgress(u"住所録側ソート中！");
        SortOut(2);
        showProgress(u"突合わせ検査中！");
        ChkMain(1);
        window_.setVisible("ChkLst", true);
        ChkMain(2);
        window_.setText("JikkouMsg", u"検 査 終 了");
        // The run is complete: a window closed now leaves nothing to abandon.
        window_.yield();
    } catch (const OperationAbandoned&) {
        // The reason has been shown (or the window is closing). Lines left in
        // the list would name entries of a table that was just cleared.
        window_.listClear("ChkLst");
        window_.setVisible("ChkLst", true);
        window_.setText("JikkouMsg", u"検 査 中 止");
    }
}

} // namespace vormak
