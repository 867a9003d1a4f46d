// One whole check: both files read, both sides sorted, both passes of the
// cross-check with all five checks on, over 999 records of 20 fields per side.

#include "check_sides.h"
#include "core/engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
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

void WholeCheck(benchmark::State& state) {
    const auto folder = std::filesystem::temp_directory_path() / "vormak-bench";
    std::filesystem::create_directories(folder);
    bench::writeSides(folder / "mobile.csv", folder / "address.csv");

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
