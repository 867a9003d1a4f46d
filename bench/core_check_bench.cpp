// One whole check: both files read, both sides sorted, both passes of the
// cross-check with all five checks on, over 999 records of 20 fields per side.

#include "core/cp932.h"
#include "core/engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>

using namespace vormak;

namespace {

// The window reduced to what a check run touches, with lookups that do not
// allocate.
class BenchWindow : public Window {
public:
    std::u16string text(std::string_view c) const override { return find(texts_, c); }
    void setText(std::string_view c, std::u16string_view t) override { put(texts_, c, Text(t)); }
    bool isChecked(std::string_view c) const override { return checked_.count(c) > 0; }
    void setChecked(std::string_view c, bool on) override {
        if (on)
            checked_.emplace(c);
        else if (auto it = checked_.find(c); it != checked_.end())
            checked_.erase(it);
    }
    void setCaption(std::string_view, std::u16string_view) override {}
    bool isSelected(std::string_view o) const override { return selected_.count(o) > 0; }
    void select(std::string_view o) override { selected_.emplace(o); }
    void setVisible(std::string_view, bool) override {}
    bool isVisible(std::string_view) const override { return true; }
    void listClear(std::string_view l) override { lists_[std::string(l)].clear(); }
    void listAdd(std::string_view l, std::u16string_view line) override {
        auto& v = lists_[std::string(l)];
        v.insert(std::upper_bound(v.begin(), v.end(), line), Text(line));
    }
    int listCount(std::string_view l) const override {
        auto it = lists_.find(l);
        return it == lists_.end() ? 0 : static_cast<int>(it->second.size());
    }
    std::u16string listLine(std::string_view l, int i) const override {
        return lists_.find(l)->second.at(static_cast<size_t>(i));
    }
    bool listSelected(std::string_view, int) const override { return false; }
    void listRemove(std::string_view, int) override {}
    MessageAnswer message(std::u16string_view, MessageButtons, MessageIcon,
                          std::u16string_view) override {
        ++messages;
        return MessageAnswer::Ok;
    }
    void setBusy(bool) override {}
    void setOperationLocked(bool) override {}
    bool yield() override { return true; }

    int messages = 0;

private:
    using Texts = std::map<std::string, Text, std::less<>>;
    static Text find(const Texts& m, std::string_view c) {
        auto it = m.find(c);
        return it == m.end() ? Text() : it->second;
    }
    static void put(Texts& m, std::string_view c, Text t) {
        if (auto it = m.find(c); it != m.end())
            it->second = std::move(t);
        else
            m.emplace(std::string(c), std::move(t));
    }
    Texts texts_;
    std::set<std::string, std::less<>> checked_, selected_;
    std::map<std::string, std::vector<Text>, std::less<>> lists_;
};

struct Person {
    Text name, reading, tel;
};

// Names in kanji with their readings in half-width katakana, and numbers.
std::vector<Person> people(size_t count) {
    const std::pair<const char16_t*, const char16_t*> family[] = {
        {u"山田", u"ﾔﾏﾀﾞ"}, {u"佐藤", u"ｻﾄｳ"},   {u"鈴木", u"ｽｽﾞｷ"}, {u"高橋", u"ﾀｶﾊｼ"},
        {u"田中", u"ﾀﾅｶ"},  {u"渡辺", u"ﾜﾀﾅﾍﾞ"}, {u"伊藤", u"ｲﾄｳ"},  {u"山﨑", u"ﾔﾏｻﾞｷ"},
        {u"中村", u"ﾅｶﾑﾗ"}, {u"小林", u"ｺﾊﾞﾔｼ"}, {u"加藤", u"ｶﾄｳ"},  {u"吉田", u"ﾖｼﾀﾞ"}};
    const std::pair<const char16_t*, const char16_t*> given[] = {
        {u"太郎", u"ﾀﾛｳ"},   {u"花子", u"ﾊﾅｺ"}, {u"一郎", u"ｲﾁﾛｳ"}, {u"美咲", u"ﾐｻｷ"},
        {u"健太", u"ｹﾝﾀ"},   {u"陽子", u"ﾖｳｺ"}, {u"翔", u"ｼｮｳ"},    {u"さくら", u"ｻｸﾗ"},
        {u"大輔", u"ﾀﾞｲｽｹ"}, {u"由美", u"ﾕﾐ"}};
    std::vector<Person> out;
    for (size_t i = 0; i < count; ++i) {
        const auto& f = family[i % std::size(family)];
        const auto& g = given[(i / std::size(family)) % std::size(given)];
        Text tel = u"090-" + decimal(1000 + static_cast<long>(i) * 7 % 9000) + u"-" +
                   decimal(1000 + static_cast<long>(i));
        out.push_back({Text(f.first) + u"　" + g.first, Text(f.second) + u" " + g.second, tel});
    }
    return out;
}

// One record of 20 fields: name, reading, telephone and seventeen more.
Text record(const Person& p, size_t i) {
    Text line = u"\"" + p.name + u"\"," + p.reading + u"," + p.tel;
    line += u",東京都新宿区西新宿" + decimal(static_cast<long>(i % 9 + 1)) + u"-1,160-0023";
    for (int f = 6; f <= 20; ++f)
        line += u",ﾒﾓ" + decimal(f);
    return line;
}

Text titles() {
    Text line = u"氏名,ﾌﾘｶﾞﾅ,電話番号,住所,郵便番号";
    for (int f = 6; f <= 20; ++f)
        line += u",項目" + decimal(f);
    return line;
}

// A third of the entries make findings: a reading that differs (check 5),
// a telephone number on one side only (checks 3 and 4), a duplicate (1, 2).
void writeSides(const std::filesystem::path& mobile, const std::filesystem::path& address) {
    const auto base = people(1100);
    std::vector<Text> m, a;
    for (size_t i = 0; i < 999; ++i) {
        Person pm = base[i], pa = base[i];
        switch (i % 12) {
        case 1:
            pa.reading += u"ｺ";
            break;
        case 4:
            pm = base[999 + i % 100];
            break;
        case 7:
            pm = base[i - 1];
            break;
        case 10:
            pa = base[i - 1];
            break;
        default:
            break;
        }
        m.push_back(record(pm, i));
        a.push_back(record(pa, i));
    }
    std::mt19937 random(42);
    std::shuffle(m.begin(), m.end(), random);
    std::shuffle(a.begin(), a.end(), random);
    for (auto [path, lines] : {std::pair{mobile, &m}, std::pair{address, &a}}) {
        Text all = titles() + u"\r\n";
        for (const auto& l : *lines)
            all += l + u"\r\n";
        std::ofstream(path, std::ios::binary) << encodeCp932(all);
    }
}

void WholeCheck(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "vormak-bench";
    std::filesystem::create_directories(folder);
    writeSides(folder / "mobile.csv", folder / "address.csv");

    BenchWindow window;
    Engine engine(window);
    for (int side = 1; side <= 2; ++side) {
        window.setText(indexed("ChkFile", side),
                       fromUtf8((folder / (side == 1 ? "mobile.csv" : "address.csv")).string()));
        window.select(indexed("CsvOpt", side));
        window.setChecked(indexed("TitleChk", side), true);
    }
    for (const char* box :
         {"SpcChk", "HifnChk", "DblChkK", "DblChkJ", "KNonChk", "JNonChk", "SubKeyErrChk"})
        window.setChecked(box, true);
    window.setText("FrMoji(0)", u"﨑");
    window.setText("ToMoji(0)", u"崎");
    window.select("TelNoHikaku");
    for (int side = 1; side <= 2; ++side) {
        window.setText(indexed("FieldCnt", side), u"20");
        window.setText(indexed("KanaNameIti", side), u"2");
        window.setText(indexed("TelNoIti", side), u"3");
        engine.TelNoIti_Change(side);
    }

    for (auto _ : state)
        engine.Command3_Click();

    state.counters["entries"] = engine.RecCnt(1) + engine.RecCnt(2);
    state.counters["findings"] = window.listCount("ChkLst");
    if (window.messages != 0 || engine.RecCnt(1) != 999 || engine.RecCnt(2) != 999)
        state.SkipWithError("the check did not run through");
    std::filesystem::remove_all(folder);
}

BENCHMARK(WholeCheck)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
