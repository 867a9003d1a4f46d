// One whole check: both files read, both sides sorted, both passes of the
// cross-check with all five checks on, over 999 records of 20 fields per side.

#include "core/cp932.h"
#include "core/engine.h"
#include "support/fake_window.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

using namespace vormak;

namespace {

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

    testing::FakeWindow window;
    Engine engine(window);
    for (Side side : kBothSides) {
        SideSettings& s = window.controls.side(side);
        s.path =
            fromUtf8((folder / (side == Side::Mobile ? "mobile.csv" : "address.csv")).string());
        engine.ChkFile_LostFocus(side);
        s = {s.path, true, true, u"20", u"2", u"3"};
    }

    for (auto _ : state)
        engine.Command3_Click();

    state.counters["entries"] = engine.RecCnt(Side::Mobile) + engine.RecCnt(Side::AddressBook);
    state.counters["findings"] = static_cast<double>(engine.findings().size());
    if (!window.messages.empty() || engine.RecCnt(Side::Mobile) != 999 ||
        engine.RecCnt(Side::AddressBook) != 999)
        state.SkipWithError("the check did not run through");
    std::filesystem::remove_all(folder);
}

BENCHMARK(WholeCheck)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
