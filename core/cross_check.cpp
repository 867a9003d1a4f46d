#include "core/engine.h"
#include "core/result_lines.h"
#include "core/side_controls.h"

#include <algorithm>

namespace vormak {

namespace {
constexpr char16_t kPaired = u'*';
} // namespace

// One pass of the merge over both sorted sides. Pass 1 pairs identical
// entries and marks them; pass 2 steps over the marked ones and reports what
// is left. The lines of pass 1 would only go to a hidden list that pass 2
// empties, so pass 1 sets its marks and adds no line.
class Engine::CheckPass {
public:
    CheckPass(Engine& engine, int pass) : engine_(engine), window_(engine.window_), pass_(pass) {
        const bool nameIsKey = window_.isSelected("KanaNameHikaku");
        for (int s = 1; s <= 2; ++s) {
            const SideControls& side = sideControls(s);
            keyColumn_[s] = wholeNumber(window_.text(side.HikakuFldIti));
            nameColumn_[s] = wholeNumber(window_.text(side.KanaNameIti));
            telColumn_[s] = wholeNumber(window_.text(side.TelNoIti));
            otherColumn_[s] = nameIsKey ? telColumn_[s] : nameColumn_[s];
        }
        keyWord_ = nameIsKey ? u"氏名" : u"電話番号";
        otherWord_ = nameIsKey ? u"電話番号" : u"氏名";
    }

    void run() {
        while (hasCurrent(1) || hasCurrent(2)) {
            if (pass_ == 2 && hasCurrent(1) && isPaired(1, p_[1])) {
                SideAdv(1);
            } else if (pass_ == 2 && hasCurrent(2) && isPaired(2, p_[2])) {
                SideAdv(2);
            } else if (hasCurrent(1) && hasCurrent(2) && key(1, p_[1]) == key(2, p_[2])) {
                sameKey();
            } else if (hasCurrent(1) && (!hasCurrent(2) || key(1, p_[1]) < key(2, p_[2]))) {
                if (reporting() && window_.isChecked("JNonChk") && !NearFind(2))
                    report(missingInAddressBookLine(p_[1], keyWord_, cell(1, p_[1], nameColumn_[1]),
                                                    cell(1, p_[1], telColumn_[1])));
                SideAdv(1);
            } else {
                if (reporting() && window_.isChecked("KNonChk") && !NearFind(1))
                    report(missingOnMobileLine(p_[2], keyWord_, cell(2, p_[2], nameColumn_[2]),
                                               cell(2, p_[2], telColumn_[2])));
                SideAdv(2);
            }
        }
    }

private:
    bool reporting() const { return pass_ == 2; }
    bool hasCurrent(int s) const { return p_[s] <= engine_.recCnt_[s]; }

    // Columns outside the record's twenty read as empty texts.
    const Text& cell(int s, int entry, int column) const {
        static const Text kNone;
        return column >= 1 && column <= kMaxFields ? engine_.keyTbl_[s][entry][column] : kNone;
    }
    const Text& key(int s, int entry) const { return cell(s, entry, keyColumn_[s]); }
    const Text& other(int s, int entry) const { return cell(s, entry, otherColumn_[s]); }
    Text& mark(int s, int entry) { return engine_.keyTbl_[s][entry][0]; }
    bool isPaired(int s, int entry) { return mark(s, entry) == std::u16string_view(&kPaired, 1); }

    void sameKey() {
        const int e1 = p_[1], e2 = p_[2];
        if (other(1, e1) == other(2, e2)) {
            mark(1, e1).assign(1, kPaired);
            mark(2, e2).assign(1, kPaired);
            SideAdv(1);
            SideAdv(2);
            return;
        }
        if (reporting() && window_.isChecked("SubKeyErrChk"))
            report(
                mismatchLine(e1, e2, keyWord_, otherWord_, key(2, e2), other(1, e1), other(2, e2)));
        if (pass_ == 1) {
            // Move past the smaller other item, so that the larger one can
            // still meet its identical entry.
            SideAdv(other(1, e1) > other(2, e2) ? 2 : 1);
        } else {
            SideAdv(1);
            SideAdv(2);
        }
    }

    // Moves side s on; an entry equal to the one before it in key and other
    // item is a duplicate, which inherits the mark of its predecessor when
    // that side's duplicate check is on.
    void SideAdv(int s) {
        const int e = ++p_[s];
        if (!hasCurrent(s) || key(s, e) != key(s, e - 1) || other(s, e) != other(s, e - 1))
            return;
        if (!window_.isChecked(s == 1 ? "DblChkK" : "DblChkJ"))
            return;
        mark(s, e) = mark(s, e - 1);
        if (reporting())
            report(duplicateLine(s, e, keyWord_, cell(s, e, nameColumn_[s]),
                                 cell(s, e, telColumn_[s])));
    }

    // True when an entry identical to the other side's current entry lies
    // within three places of side s's position, marked or not.
    bool NearFind(int s) const {
        const int u = 3 - s;
        const int last = std::min(p_[s] + 3, engine_.recCnt_[s]);
        for (int j = std::max(1, p_[s] - 3); j <= last; ++j)
            if (key(s, j) == key(u, p_[u]) && other(s, j) == other(u, p_[u]))
                return true;
        return false;
    }

    void report(const Text& line) {
        window_.listAdd("ChkLst", line);
        engine_.yieldOrAbandon();
    }

    Engine& engine_;
    Window& window_;
    const int pass_;
    int p_[3] = {0, 1, 1};
    int keyColumn_[3] = {}, otherColumn_[3] = {}, nameColumn_[3] = {}, telColumn_[3] = {};
    std::u16string_view keyWord_, otherWord_;
};

void Engine::ChkMain(int SyoriSW) {
    if (SyoriSW == 2)
        window_.listClear("ChkLst");
    CheckPass(*this, SyoriSW).run();
}

} // namespace vormak
