// A whole check on small arbitrary tables and check-box settings, compared
// line for line with a plain, literal model of the check: records inserted
// one at a time after every entry not greater, then the two merge passes
// with their marks, duplicates and the look-around of three places. The
// window must show the model's lines, and each side's entries must hold the
// model's cells and marks: with more than 16 records and fields beside the
// keys, a sort that is not stable shows. Nothing lies outside the tables.
#include "core/cp932.h"
#include "core/engine.h"
#include "fuzz.h"
#include "support/fake_window.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace vormak;
using namespace vormak::testing;

namespace {

using Row = std::vector<Text>; // fields 1..F at indices 1..F
using Rows = std::array<std::vector<Row>, 3>;

// Few distinct values, so that keys and other items collide often.
const Text kNames[] = {u"", u"ｱ", u"ア", u"あ", u"A", u"ｱｲ", u"崎"};
const Text kTels[] = {u"", u"0", u"01", u"1", u"10", u"090"};

struct CheckSettings {
    int fields[3]{}, name[3]{}, tel[3]{};
    bool nameIsKey = false;
    bool checks[6]{}; // 1..5
};

// The check as it reads when followed step by step; sides and checks count
// from 1.
class Model {
public:
    std::vector<Text> lines;
    std::array<std::vector<bool>, 3> marks;

    Model(const CheckSettings& s, const Rows& rows) : s_(s) {
        for (int side = 1; side <= 2; ++side) {
            const int k = key_[side] = s.nameIsKey ? s.name[side] : s.tel[side];
            const int o = other_[side] = s.nameIsKey ? s.tel[side] : s.name[side];
            for (const Row& r : rows[side]) {
                auto& t = table_[side];
                t.insert(std::find_if(t.begin(), t.end(),
                                      [&](const Row& e) {
                                          return r[k] < e[k] || (r[k] == e[k] && r[o] < e[o]);
                                      }),
                         r);
                marks[side].push_back(false);
            }
        }
        pass(1);
        lines.clear();
        pass(2);
        std::sort(lines.begin(), lines.end());
    }

    const Text& cell(int side, int e, int column) const { return table_[side][e - 1][column]; }

private:
    int count(int side) const { return static_cast<int>(table_[side].size()); }
    bool current(int side) const { return p_[side] <= count(side); }
    const Text& key(int side, int e) const { return cell(side, e, key_[side]); }
    const Text& other(int side, int e) const { return cell(side, e, other_[side]); }
    bool marked(int side, int e) const { return marks[side][e - 1]; }
    void mark(int side, int e, bool on) { marks[side][e - 1] = on; }

    static Text number(int n) { return Text(n < 10 ? u"00" : u"0") + decimal(n); } // n < 100
    Text keyWord() const { return s_.nameIsKey ? u"氏名" : u"電話番号"; }
    Text otherWord() const { return s_.nameIsKey ? u"電話番号" : u"氏名"; }
    Text nameAndTel(int side, int e) const {
        return u"（氏名=" + cell(side, e, s_.name[side]) + u"、電話=" +
               cell(side, e, s_.tel[side]) + u"）";
    }

    void sideAdv(int side) {
        const int e = ++p_[side];
        if (e <= count(side) && key(side, e) == key(side, e - 1) &&
            other(side, e) == other(side, e - 1) && s_.checks[side]) {
            lines.push_back(decimal(side) + u":" + number(e) +
                            (side == 1 ? u"   携帯側に" : u"   住所側に") + keyWord() +
                            u"重複データあり " + nameAndTel(side, e));
            mark(side, e, marked(side, e - 1));
        }
    }

    bool nearFind(int s) const {
        const int u = 3 - s;
        for (int j = std::max(1, p_[s] - 3); j <= std::min(p_[s] + 3, count(s)); ++j)
            if (key(s, j) == key(u, p_[u]) && other(s, j) == other(u, p_[u]))
                return true;
        return false;
    }

    void pass(int n) {
        p_[1] = p_[2] = 1;
        while (current(1) || current(2)) {
            if (n == 2 && current(1) && marked(1, p_[1])) {
                sideAdv(1);
            } else if (n == 2 && current(2) && marked(2, p_[2])) {
                sideAdv(2);
            } else if (current(1) && current(2) && key(1, p_[1]) == key(2, p_[2])) {
                const int a = p_[1], b = p_[2];
                if (other(1, a) == other(2, b)) {
                    mark(1, a, true);
                    mark(2, b, true);
                    sideAdv(1);
                    sideAdv(2);
                    continue;
                }
                if (s_.checks[5])
                    lines.push_back(u"5:" + number(a) + number(b) + u"携帯側と住所録側で" +
                                    otherWord() + u"不一致 （" + keyWord() + u"=" + key(2, b) +
                                    u"、" + otherWord() + u" 携帯:" + other(1, a) + u" 住所録:" +
                                    other(2, b) + u"）");
                if (n == 1) {
                    sideAdv(other(1, a) > other(2, b) ? 2 : 1);
                } else {
                    sideAdv(1);
                    sideAdv(2);
                }
            } else if (current(1) && (!current(2) || key(1, p_[1]) < key(2, p_[2]))) {
                if (s_.checks[4] && !nearFind(2))
                    lines.push_back(u"4:" + number(p_[1]) + u"   携帯側と同じ" + keyWord() +
                                    u"ﾃﾞｰﾀが住所録側にない  " + nameAndTel(1, p_[1]));
                sideAdv(1);
            } else {
                if (s_.checks[3] && !nearFind(1))
                    lines.push_back(u"3:" + number(p_[2]) + u"   住所録側と同じ" + keyWord() +
                                    u"ﾃﾞｰﾀが携帯側にない " + nameAndTel(2, p_[2]));
                sideAdv(2);
            }
        }
    }

    const CheckSettings& s_;
    int key_[3]{}, other_[3]{}, p_[3]{};
    Rows table_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CheckSettings s;
    s.nameIsKey = in.ConsumeBool();
    for (int c = 1; c <= 5; ++c)
        s.checks[c] = in.ConsumeBool();
    Rows rows;
    // The files named and inspected as on leaving their boxes, then the
    // settings typed in.
    FakeWindow window;
    Engine engine(window);
    for (int side = 1; side <= 2; ++side) {
        const int fields = s.fields[side] = in.ConsumeIntegralInRange(1, 4);
        s.name[side] = in.ConsumeIntegralInRange(1, fields);
        s.tel[side] = in.ConsumeIntegralInRange(1, fields);
        std::string file;
        for (int r = in.ConsumeIntegralInRange(0, 40); r > 0; --r) {
            Row& row = rows[side].emplace_back(fields + 1);
            for (int f = 1; f <= fields; ++f) {
                row[f] = f == s.tel[side] && f != s.name[side] ? in.PickValueInArray(kTels)
                                                               : in.PickValueInArray(kNames);
                file += (f > 1 ? "," : "") + encodeCp932(row[f]);
            }
            file += "\r\n";
        }
        SideSettings& typed = window.controls.side(static_cast<Side>(side));
        typed.path = fromUtf8(writeScratch("side" + std::to_string(side) + ".csv", file));
        engine.ChkFile_LostFocus(static_cast<Side>(side));
        typed = {typed.path,          true, false, decimal(fields), decimal(s.name[side]),
                 decimal(s.tel[side])};
    }
    window.controls.key = s.nameIsKey ? MatchKey::Name : MatchKey::Telephone;
    std::copy(s.checks + 1, s.checks + 6, window.controls.checks.begin());
    window.messages.clear();
    engine.Command3_Click();

    const Model model(s, rows);
    check(window.messages.empty() && window.statusLine == u"検 査 終 了");
    check(!window.busy && !window.locked && window.findingsVisible);
    check(window.findingLines == model.lines);
    for (int side = 1; side <= 2; ++side) {
        const KeyTable& table = engine.KeyTbl(static_cast<Side>(side));
        const int n = table.count();
        check(n == static_cast<int>(rows[side].size()));
        for (int e = 1; e <= n; ++e)
            check(table.isPaired(e) == model.marks[side][e - 1]);
        // Every cell as the model sorted it, and nothing outside the table.
        for (int e = 0; e <= n + 1; ++e)
            for (int c = 0; c <= kMaxFields + 1; ++c)
                check(table.cell(e, c) == (e > 0 && e <= n && c > 0 && c <= s.fields[side]
                                               ? model.cell(side, e, c)
                                               : Text()));
    }
    return 0;
}
