// A whole check on small arbitrary tables and check-box settings, compared
// line for line with a plain, literal model of the check: records inserted
// one at a time after every entry not greater, then the two merge passes
// with their marks, duplicates and the look-around of three places. The
// window must show the model's lines, and each side's entries must hold the
// model's cells and marks: with more than 16 records and fields beside the
// keys, a sort that is not stable shows. A name written as family and given
// name is compared joined, and a record with two telephone columns gives an
// entry per number, both kept after the fields. Nothing lies outside the
// tables.
#include "core/cp932.h"
#include "core/engine.h"
#include "fuzz.h"
#include "support/fake_window.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace vormak;
using namespace vormak::testing;

namespace {

using Row = std::vector<Text>; // [0] the mark, "*" once paired; fields 1..F; then the extra cells
using Rows = std::array<std::vector<Row>, 3>; // sides 1 and 2

// Few distinct values, so that keys and other items collide often.
const Text kNames[] = {u"", u"ｱ", u"ア", u"あ", u"A", u"ｱｲ", u"崎"};
const Text kTels[] = {u"", u"0", u"01", u"1", u"10", u"090"};

// The check as it reads when followed step by step; sides and checks count
// from 1.
struct Model {
    bool nameIsKey = false, checks[6]{};
    int fields[3]{}, name[3]{}, tel[3]{};
    int extraCells[3]{}; // the joined name, the entry's own number
    Rows t;              // each side's entries
    std::vector<Text> lines;

    void run(const Rows& rows) {
        for (int s = 1; s <= 2; ++s) {
            key_[s] = nameIsKey ? name[s] : tel[s];
            other_[s] = nameIsKey ? tel[s] : name[s];
            for (const Row& r : rows[s])
                t[s].insert(
                    std::find_if(t[s].begin(), t[s].end(),
                                 [&](const Row& e) { return ordered(s, r) < ordered(s, e); }),
                    r);
        }
        pass(1);
        lines.clear();
        pass(2);
        std::sort(lines.begin(), lines.end());
    }
    Text& cell(int s, int e, int column) { return t[s][e - 1][column]; }

private:
    int key_[3]{}, other_[3]{}, p_[3]{};

    std::pair<Text, Text> ordered(int s, const Row& r) const { return {r[key_[s]], r[other_[s]]}; }
    bool current(int s) const { return p_[s] <= static_cast<int>(t[s].size()); }
    Text& key(int s, int e) { return cell(s, e, key_[s]); }
    Text& other(int s, int e) { return cell(s, e, other_[s]); }
    Text& mark(int s, int e) { return cell(s, e, 0); }
    static Text number(int n) { return Text(n < 10 ? u"00" : u"0") + decimal(n); } // n < 100
    Text word(bool ofKey) const { return ofKey == nameIsKey ? u"氏名" : u"電話番号"; }
    Text nameAndTel(int s, int e) {
        return u"（氏名=" + cell(s, e, name[s]) + u"、電話=" + cell(s, e, tel[s]) + u"）";
    }

    void sideAdv(int s) {
        const int e = ++p_[s];
        if (current(s) && key(s, e) == key(s, e - 1) && other(s, e) == other(s, e - 1) &&
            checks[s]) {
            lines.push_back(decimal(s) + u":" + number(e) +
                            (s == 1 ? u"   携帯側に" : u"   住所側に") + word(true) +
                            u"重複データあり " + nameAndTel(s, e));
            mark(s, e) = mark(s, e - 1);
        }
    }

    bool nearFind(int s) {
        const int u = 3 - s;
        for (int j = std::max(1, p_[s] - 3); j <= std::min(p_[s] + 3, int(t[s].size())); ++j)
            if (key(s, j) == key(u, p_[u]) && other(s, j) == other(u, p_[u]))
                return true;
        return false;
    }

    void pass(int n) {
        p_[1] = p_[2] = 1;
        while (current(1) || current(2)) {
            const int a = p_[1], b = p_[2];
            if (n == 2 && current(1) && mark(1, a) == u"*") {
                sideAdv(1);
            } else if (n == 2 && current(2) && mark(2, b) == u"*") {
                sideAdv(2);
            } else if (current(1) && current(2) && key(1, a) == key(2, b)) {
                if (other(1, a) == other(2, b)) {
                    mark(1, a) = mark(2, b) = u"*";
                    sideAdv(1);
                    sideAdv(2);
                    continue;
                }
                if (checks[5])
                    lines.push_back(u"5:" + number(a) + number(b) + u"携帯側と住所録側で" +
                                    word(false) + u"不一致 （" + word(true) + u"=" + key(2, b) +
                                    u"、" + word(false) + u" 携帯:" + other(1, a) + u" 住所録:" +
                                    other(2, b) + u"）");
                if (n == 1) {
                    sideAdv(other(1, a) > other(2, b) ? 2 : 1);
                } else {
                    sideAdv(1);
                    sideAdv(2);
                }
            } else if (current(1) && (!current(2) || key(1, a) < key(2, b))) {
                if (checks[4] && !nearFind(2))
                    lines.push_back(u"4:" + number(a) + u"   携帯側と同じ" + word(true) +
                                    u"ﾃﾞｰﾀが住所録側にない  " + nameAndTel(1, a));
                sideAdv(1);
            } else {
                if (checks[3] && !nearFind(1))
                    lines.push_back(u"3:" + number(b) + u"   住所録側と同じ" + word(true) +
                                    u"ﾃﾞｰﾀが携帯側にない " + nameAndTel(2, b));
                sideAdv(2);
            }
        }
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    Model model;
    model.nameIsKey = in.ConsumeBool();
    for (int c = 1; c <= 5; ++c)
        model.checks[c] = in.ConsumeBool();
    Rows rows;
    // The files named and inspected as on leaving their boxes, then the
    // settings typed in.
    FakeWindow window;
    Engine engine(window);
    for (int side = 1; side <= 2; ++side) {
        const int fields = model.fields[side] = in.ConsumeIntegralInRange(1, 4);
        const int name = model.name[side] = in.ConsumeIntegralInRange(1, fields);
        const int tel = model.tel[side] = in.ConsumeIntegralInRange(1, fields);
        const int given = in.ConsumeIntegralInRange(0, fields);
        const int moreTel = in.ConsumeIntegralInRange(0, fields);
        const bool joined = given != 0 && given != name, several = moreTel != 0 && moreTel != tel;
        std::string file;
        for (int r = in.ConsumeIntegralInRange(0, 40); r > 0; --r) {
            Row row(fields + 3);
            for (int f = 1; f <= fields; ++f) {
                row[f] = (f == tel || f == moreTel) && f != name ? in.PickValueInArray(kTels)
                                                                 : in.PickValueInArray(kNames);
                file += (f > 1 ? "," : "") + encodeCp932(row[f]);
            }
            file += "\r\n";
            if (joined)
                row[fields + 1] = row[name] + row[given];
            // An entry for each different number, or one with an empty number.
            const int number = fields + 1 + joined;
            std::vector<Text> numbers;
            for (int c : several ? std::vector{tel, moreTel} : std::vector{tel})
                if (!row[c].empty() &&
                    std::find(numbers.begin(), numbers.end(), row[c]) == numbers.end())
                    numbers.push_back(row[c]);
            if (numbers.empty())
                numbers.emplace_back();
            for (const Text& n : numbers) {
                rows[side].push_back(row);
                rows[side].back()[number] = several ? n : Text();
            }
        }
        SideSettings& typed = window.controls.side(static_cast<Side>(side));
        typed.path = fromUtf8(writeScratch("side" + std::to_string(side) + ".csv", file));
        engine.ChkFile_LostFocus(static_cast<Side>(side));
        typed = {typed.path,    true,         false, decimal(fields),
                 decimal(name), decimal(tel), given, {moreTel}};
        model.name[side] = joined ? fields + 1 : name;
        model.tel[side] = several ? fields + 1 + joined : tel;
        model.extraCells[side] = joined + several;
    }
    window.controls.key = model.nameIsKey ? MatchKey::Name : MatchKey::Telephone;
    std::copy(model.checks + 1, model.checks + 6, window.controls.checks.begin());
    window.messages.clear();
    engine.Command3_Click();

    model.run(rows);
    check(window.messages.empty() && window.statusLine == u"検 査 終 了");
    check(!window.busy && !window.locked && window.findingsVisible);
    check(window.findingLines == model.lines);
    for (int side = 1; side <= 2; ++side) {
        const KeyTable& table = engine.KeyTbl(static_cast<Side>(side));
        const int n = table.count();
        check(n == static_cast<int>(rows[side].size()));
        // Every cell and mark as the model has them, and nothing outside the table.
        for (int e = 0; e <= n + 1; ++e) {
            const bool entry = e > 0 && e <= n;
            check(!entry || table.isPaired(e) == (model.cell(side, e, 0) == u"*"));
            const int cells = model.fields[side] + model.extraCells[side];
            for (int c = 0; c <= kMaxFields + 1; ++c)
                check(table.cell(e, c) ==
                      (entry && c > 0 && c <= cells ? model.cell(side, e, c) : Text()));
        }
    }
    return 0;
}
