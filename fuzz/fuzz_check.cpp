// A whole check on small arbitrary tables and check-box settings, compared
// line for line with a plain, literal model of the check: records inserted
// one at a time after every equal entry, then the two merge passes with
// their marks, duplicates and the look-around of three places. Besides
// matching the model, every line must be well formed, the list sorted and
// the same as the engine's findings, and nothing stored above each side's
// count.
#include "core/cp932.h"
#include "core/engine.h"
#include "support/fake_window.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

using namespace vormak;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

using Row = std::vector<Text>; // fields 1..F at indices 1..F

// Few distinct values, so that keys and other items collide often.
const Text kNames[] = {u"", u"ｱ", u"ア", u"あ", u"A", u"ｱｲ", u"崎"};
const Text kTels[] = {u"", u"0", u"01", u"1", u"10", u"090"};

struct CheckSettings {
    int fields[3]{}, name[3]{}, tel[3]{};
    bool nameIsKey = false;
    bool checks[6]{}; // 1..5
};

// The check as it reads when followed step by step.
class Model {
public:
    Model(const CheckSettings& s, std::array<std::vector<Row>, 3> rows) : s_(s) {
        for (int side = 1; side <= 2; ++side) {
            key_[side] = s.nameIsKey ? s.name[side] : s.tel[side];
            other_[side] = s.nameIsKey ? s.tel[side] : s.name[side];
            for (const Row& r : rows[side])
                insert(side, r);
        }
    }

    std::vector<Text> lines() {
        pass(1);
        list_.clear();
        pass(2);
        std::sort(list_.begin(), list_.end());
        return list_;
    }

    const Text& mark(int side, int entry) const { return marks_[side][entry - 1]; }

private:
    void insert(int side, const Row& r) {
        auto& t = table_[side];
        size_t j = 0;
        for (; j < t.size(); ++j) {
            if (r[key_[side]] < t[j][key_[side]])
                break;
            if (r[key_[side]] == t[j][key_[side]] && r[other_[side]] < t[j][other_[side]])
                break;
        }
        t.insert(t.begin() + static_cast<long>(j), r);
        marks_[side].emplace_back();
    }

    int count(int side) const { return static_cast<int>(table_[side].size()); }
    bool current(int side) const { return p_[side] <= count(side); }
    const Text& cell(int side, int entry, int column) const {
        return table_[side][entry - 1][column];
    }
    const Text& key(int side, int entry) const { return cell(side, entry, key_[side]); }
    const Text& other(int side, int entry) const { return cell(side, entry, other_[side]); }
    Text& marked(int side, int entry) { return marks_[side][entry - 1]; }

    static Text number(int n) {
        Text d = u"000" + decimal(n);
        return d.substr(d.size() - 3);
    }
    Text keyWord() const { return s_.nameIsKey ? u"氏名" : u"電話番号"; }
    Text otherWord() const { return s_.nameIsKey ? u"電話番号" : u"氏名"; }
    Text nameAndTel(int side, int e) const {
        return u"（氏名=" + cell(side, e, s_.name[side]) + u"、電話=" +
               cell(side, e, s_.tel[side]) + u"）";
    }

    void sideAdv(int side) {
        int e = ++p_[side];
        if (e > count(side))
            return;
        if (key(side, e) == key(side, e - 1) && other(side, e) == other(side, e - 1) &&
            s_.checks[side]) {
            list_.push_back(side == 1 ? u"1:" + number(e) + u"   携帯側に" + keyWord() +
                                            u"重複データあり " + nameAndTel(1, e)
                                      : u"2:" + number(e) + u"   住所側に" + keyWord() +
                                            u"重複データあり " + nameAndTel(2, e));
            marked(side, e) = marked(side, e - 1);
        }
    }

    bool nearFind(int s) const {
        int u = 3 - s;
        for (int j = std::max(1, p_[s] - 3); j <= std::min(p_[s] + 3, count(s)); ++j)
            if (key(s, j) == key(u, p_[u]) && other(s, j) == other(u, p_[u]))
                return true;
        return false;
    }

    void pass(int n) {
        p_[1] = p_[2] = 1;
        while (current(1) || current(2)) {
            if (n == 2 && current(1) && marked(1, p_[1]) == u"*") {
                sideAdv(1);
            } else if (n == 2 && current(2) && marked(2, p_[2]) == u"*") {
                sideAdv(2);
            } else if (current(1) && current(2) && key(1, p_[1]) == key(2, p_[2])) {
                int a = p_[1], b = p_[2];
                if (other(1, a) == other(2, b)) {
                    marked(1, a) = u"*";
                    marked(2, b) = u"*";
                    sideAdv(1);
                    sideAdv(2);
                    continue;
                }
                if (s_.checks[5])
                    list_.push_back(u"5:" + number(a) + number(b) + u"携帯側と住所録側で" +
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
                    list_.push_back(u"4:" + number(p_[1]) + u"   携帯側と同じ" + keyWord() +
                                    u"ﾃﾞｰﾀが住所録側にない  " + nameAndTel(1, p_[1]));
                sideAdv(1);
            } else {
                if (s_.checks[3] && !nearFind(1))
                    list_.push_back(u"3:" + number(p_[2]) + u"   住所録側と同じ" + keyWord() +
                                    u"ﾃﾞｰﾀが携帯側にない " + nameAndTel(2, p_[2]));
                sideAdv(2);
            }
        }
    }

    const CheckSettings& s_;
    int key_[3]{}, other_[3]{};
    int p_[3]{};
    std::array<std::vector<Row>, 3> table_;
    std::array<std::vector<Text>, 3> marks_;
    std::vector<Text> list_;
};

std::string sidePath(int side) {
    return "fuzz-check-" + std::to_string(getpid()) + "-" + std::to_string(side) + ".csv";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    CheckSettings s;
    s.nameIsKey = in.ConsumeBool();
    for (int c = 1; c <= 5; ++c)
        s.checks[c] = in.ConsumeBool();
    std::array<std::vector<Row>, 3> rows;
    for (int side = 1; side <= 2; ++side) {
        s.fields[side] = in.ConsumeIntegralInRange(1, 4);
        s.name[side] = in.ConsumeIntegralInRange(1, s.fields[side]);
        s.tel[side] = in.ConsumeIntegralInRange(1, s.fields[side]);
        const int count = in.ConsumeIntegralInRange(0, 14);
        std::string file;
        for (int r = 0; r < count; ++r) {
            Row row(static_cast<size_t>(s.fields[side]) + 1);
            for (int f = 1; f <= s.fields[side]; ++f) {
                row[f] = f == s.tel[side] && f != s.name[side] ? in.PickValueInArray(kTels)
                                                               : in.PickValueInArray(kNames);
                file += (f > 1 ? "," : "") + encodeCp932(row[f]);
            }
            file += "\r\n";
            rows[side].push_back(row);
        }
        std::FILE* f = std::fopen(sidePath(side).c_str(), "wb");
        check(f != nullptr);
        std::fwrite(file.data(), 1, file.size(), f);
        std::fclose(f);
    }

    // The files named and inspected as on leaving their boxes, then the
    // settings typed in.
    testing::FakeWindow window;
    Engine engine(window);
    for (int side = 1; side <= 2; ++side) {
        SideSettings& typed = window.controls.side(static_cast<Side>(side));
        typed.path = fromUtf8(sidePath(side));
        engine.ChkFile_LostFocus(static_cast<Side>(side));
        typed = {typed.path,          true, false, decimal(s.fields[side]), decimal(s.name[side]),
                 decimal(s.tel[side])};
    }
    window.controls.key = s.nameIsKey ? MatchKey::Name : MatchKey::Telephone;
    for (int c = 1; c <= 5; ++c)
        window.controls.checks[c - 1] = s.checks[c];
    window.messages.clear();

    engine.Command3_Click();
    Model model(s, rows);
    const std::vector<Text> expected = model.lines();
    const std::vector<Text>& actual = window.findingLines;

    check(window.messages.empty());
    check(window.statusLine == u"検 査 終 了");
    check(!window.busy && !window.locked && window.findingsVisible);
    check(std::is_sorted(actual.begin(), actual.end()));
    check(actual == expected);
    check(engine.findings().size() == actual.size());
    for (size_t i = 0; i < actual.size(); ++i)
        check(engine.findings()[i].line == actual[i]);
    for (int side = 1; side <= 2; ++side) {
        const KeyTable& table = engine.KeyTbl(static_cast<Side>(side));
        const int n = table.count();
        check(n == static_cast<int>(rows[side].size()));
        for (int e = 1; e <= n + 3; ++e) {
            if (e <= n)
                check(table.isPaired(e) == (model.mark(side, e) == u"*"));
            for (int c = 0; c <= kMaxFields + 1; ++c)
                if (e > n || c > s.fields[side])
                    check(table.cell(e, c).empty());
        }
        std::remove(sidePath(side).c_str());
    }
    for (const Text& line : actual) {
        check(line.size() > 8 && line[0] >= u'1' && line[0] <= u'5' && line[1] == u':');
        for (int i = 2; i < (line[0] == u'5' ? 8 : 5); ++i)
            check(line[i] >= u'0' && line[i] <= u'9');
    }
    return 0;
}
