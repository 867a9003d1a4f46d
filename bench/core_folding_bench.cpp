// Time to fold one value, in the forms a check meets most: readings as the
// phone writes them (half-width katakana) and as the address book does
// (full-width), names in kanji, numbers with and without hyphens, +81.

#include "core/comparison_folding.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

using namespace vormak;

namespace {

struct Name {
    const char16_t* kanji;
    const char16_t* halfWidth;
    const char16_t* katakana;
    const char16_t* hiragana;
};

const Name kFamily[] = {
    {u"山田", u"ﾔﾏﾀﾞ", u"ヤマダ", u"やまだ"},      {u"佐藤", u"ｻﾄｳ", u"サトウ", u"さとう"},
    {u"鈴木", u"ｽｽﾞｷ", u"スズキ", u"すずき"},      {u"高橋", u"ﾀｶﾊｼ", u"タカハシ", u"たかはし"},
    {u"渡辺", u"ﾜﾀﾅﾍﾞ", u"ワタナベ", u"わたなべ"}, {u"小林", u"ｺﾊﾞﾔｼ", u"コバヤシ", u"こばやし"},
};
const Name kGiven[] = {
    {u"太郎", u"ﾀﾛｳ", u"タロウ", u"たろう"},   {u"花子", u"ﾊﾅｺ", u"ハナコ", u"はなこ"},
    {u"さくら", u"ｻｸﾗ", u"サクラ", u"さくら"}, {u"大輔", u"ﾀﾞｲｽｹ", u"ダイスケ", u"だいすけ"},
    {u"由美", u"ﾕﾐ", u"ユミ", u"ゆみ"},        {u"翔", u"ｼｮｳ", u"ショウ", u"しょう"},
    {u"美咲", u"ﾐｻｷ", u"ミサキ", u"みさき"},   {u"健太", u"ｹﾝﾀ", u"ケンタ", u"けんた"},
};

std::vector<Text> names(const char16_t* Name::*form, const char16_t* blank) {
    std::vector<Text> out;
    for (const auto& f : kFamily)
        for (const auto& g : kGiven)
            out.push_back(f.*form + Text(blank) + g.*form);
    return out;
}

// 1,000 numbers of one shape: "090" and eight random digits, written by `write`.
template <class Write> std::vector<Text> numbers(Write write) {
    std::mt19937_64 random(7);
    std::vector<Text> out;
    for (int i = 0; i < 1000; ++i) {
        Text digits;
        for (int d = 0; d < 8; ++d)
            digits += static_cast<char16_t>(u'0' + random() % 10);
        out.push_back(write(digits.substr(0, 4), digits.substr(4)));
    }
    return out;
}

template <Text (*Fold)(std::u16string_view)>
void run(benchmark::State& state, const std::vector<Text>& values) {
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Fold(values[i]));
        i = i + 1 == values.size() ? 0 : i + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void Reading(benchmark::State& state, const char16_t* Name::*form, const char16_t* blank) {
    run<foldReading>(state, names(form, blank));
}

void Number(benchmark::State& state, Text (*write)(const Text&, const Text&)) {
    run<foldNumber>(state, numbers(write));
}

BENCHMARK_CAPTURE(Reading, katakana, &Name::katakana, u" ");
BENCHMARK_CAPTURE(Reading, kanji, &Name::kanji, u"\u3000");
BENCHMARK_CAPTURE(Reading, half_width, &Name::halfWidth, u" ");
BENCHMARK_CAPTURE(Reading, hiragana, &Name::hiragana, u" ");

BENCHMARK_CAPTURE(Number, digits, [](const Text& a, const Text& b) { return u"090" + a + b; });
BENCHMARK_CAPTURE(Number, hyphens,
                  [](const Text& a, const Text& b) { return u"090-" + a + u"-" + b; });
BENCHMARK_CAPTURE(Number, full_width, [](const Text& a, const Text& b) {
    Text out = u"０９０－" + a + u"－" + b;
    for (auto& c : out)
        if (c >= u'0' && c <= u'9')
            c += u'０' - u'0';
    return out;
});
BENCHMARK_CAPTURE(Number, plus81,
                  [](const Text& a, const Text& b) { return u"+81 90-" + a + u"-" + b; });
BENCHMARK_CAPTURE(Number, abroad, [](const Text& a, const Text&) { return u"+1 415 555 " + a; });
BENCHMARK_CAPTURE(Number, extension,
                  [](const Text& a, const Text& b) { return u"03-" + a + u"-" + b + u" 内線12"; });

} // namespace

BENCHMARK_MAIN();
