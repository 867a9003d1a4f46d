// One whole check: both files read, both sides sorted, both passes of the
// cross-check with all five checks on, over 999 records of 20 fields per side.

#include "check_sides.h"
#include "core/engine.h"
#include "support/fake_window.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

using namespace vormak;

namespace {

using bench::writeSides;

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
    // 1: both comparison folds on.
    window.controls.foldReadings = window.controls.foldNumbers = state.range(0) == 1;

    for (auto _ : state)
        engine.Command3_Click();

    state.counters["entries"] = engine.RecCnt(Side::Mobile) + engine.RecCnt(Side::AddressBook);
    state.counters["findings"] = static_cast<double>(engine.findings().size());
    if (!window.messages.empty() || engine.RecCnt(Side::Mobile) != 999 ||
        engine.RecCnt(Side::AddressBook) != 999)
        state.SkipWithError("the check did not run through");
    std::filesystem::remove_all(folder);
}

BENCHMARK(WholeCheck)
    ->ArgName("folds")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
