#include "core/cross_check.h"
#include "core/result_lines.h"

#include <algorithm>

namespace vormak {

CrossCheck::CrossCheck(KeyTable& mobile, KeyTable& addressBook, const Settings& settings)
    : tables_{nullptr, &mobile, &addressBook}, settings_(settings) {
    const bool nameIsKey = settings.key == MatchKey::Name;
    for (Side side : kBothSides) {
        const int s = static_cast<int>(side);
        keyColumn_[s] = settings.keyColumn(side);
        otherColumn_[s] = settings.otherColumn(side);
        nameColumn_[s] = settings.side(side).comparedName();
        telColumn_[s] = settings.side(side).comparedTel();
    }
    keyWord_ = nameIsKey ? u"氏名" : u"電話番号";
    otherWord_ = nameIsKey ? u"電話番号" : u"氏名";
}

// The working state of one pass: the current entry of each side.
class CrossCheck::Pass {
public:
    Pass(CrossCheck& check, int pass, const Report& report)
        : c_(check), pass_(pass), report_(report),
          digits_(entryDigits(table(1).count(), table(2).count())) {}

    void run() {
        while (hasCurrent(1) || hasCurrent(2)) {
            if (reporting() && hasCurrent(1) && table(1).isPaired(p_[1])) {
                SideAdv(1);
            } else if (reporting() && hasCurrent(2) && table(2).isPaired(p_[2])) {
                SideAdv(2);
            } else if (hasCurrent(1) && hasCurrent(2) && key(1, p_[1]) == key(2, p_[2])) {
                sameKey();
            } else if (hasCurrent(1) && (!hasCurrent(2) || key(1, p_[1]) < key(2, p_[2]))) {
                if (reporting() && isOn(MissingInAddressBook) && !NearFind(2))
                    report(4, p_[1], 0,
                           missingInAddressBookLine(digits_, p_[1], c_.keyWord_, name(1, p_[1]),
                                                    tel(1, p_[1])));
                SideAdv(1);
            } else {
                if (reporting() && isOn(MissingOnMobile) && !NearFind(1))
                    report(3, 0, p_[2],
                           missingOnMobileLine(digits_, p_[2], c_.keyWord_, name(2, p_[2]),
                                               tel(2, p_[2])));
                SideAdv(2);
            }
        }
    }

private:
    bool reporting() const { return pass_ == 2; }
    bool isOn(Check check) const { return c_.settings_.isOn(check); }
    KeyTable& table(int s) const { return *c_.tables_[s]; }
    bool hasCurrent(int s) const { return p_[s] <= table(s).count(); }
    // Compared as the sort compared them (folded when asked) ...
    std::u16string_view key(int s, int e) const { return table(s).key(e); }
    std::u16string_view other(int s, int e) const { return table(s).other(e); }
    // ... and shown as read.
    std::u16string_view keyValue(int s, int e) const { return table(s).cell(e, c_.keyColumn_[s]); }
    std::u16string_view otherValue(int s, int e) const {
        return table(s).cell(e, c_.otherColumn_[s]);
    }
    std::u16string_view name(int s, int e) const { return table(s).cell(e, c_.nameColumn_[s]); }
    std::u16string_view tel(int s, int e) const { return table(s).cell(e, c_.telColumn_[s]); }

    void sameKey() {
        const int e1 = p_[1], e2 = p_[2];
        if (other(1, e1) == other(2, e2)) {
            table(1).setPaired(e1, true);
            table(2).setPaired(e2, true);
            SideAdv(1);
            SideAdv(2);
            return;
        }
        if (reporting() && isOn(Mismatch))
            report(5, e1, e2,
                   mismatchLine(digits_, e1, e2, c_.keyWord_, c_.otherWord_, keyValue(2, e2),
                                otherValue(1, e1), otherValue(2, e2)));
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
        if (!isOn(s == 1 ? DuplicateMobile : DuplicateAddress))
            return;
        table(s).setPaired(e, table(s).isPaired(e - 1));
        if (reporting())
            report(s, s == 1 ? e : 0, s == 2 ? e : 0,
                   duplicateLine(digits_, s, e, c_.keyWord_, name(s, e), tel(s, e)));
    }

    // True when an entry identical to the other side's current entry lies
    // within three places of side s's position, marked or not.
    bool NearFind(int s) const {
        const int u = 3 - s;
        const int last = std::min(p_[s] + 3, table(s).count());
        for (int j = std::max(1, p_[s] - 3); j <= last; ++j)
            if (key(s, j) == key(u, p_[u]) && other(s, j) == other(u, p_[u]))
                return true;
        return false;
    }

    void report(int check, int mobileEntry, int addressEntry, Text line) {
        // The message follows the check number and one or two entry numbers.
        const size_t messageAt = 2 + size_t(digits_) * (check == 5 ? 2 : 1);
        report_(Finding{check, mobileEntry, addressEntry, std::move(line), messageAt});
    }

    CrossCheck& c_;
    const int pass_;
    const Report& report_;
    const int digits_;
    int p_[3] = {0, 1, 1};
};

void CrossCheck::run(int pass, const Report& report) {
    Pass(*this, pass, report).run();
}

} // namespace vormak
