// Any bytes as the conversion table file: loading never fails and fills at
// most the four pairs; storing what was loaded and loading it again gives
// the pairs in use, trimmed and moved to the lowest boxes, whenever they can
// be written back faithfully.
#include "core/cp932.h"
#include "core/engine.h"
#include "fuzz.h"
#include "support/fake_window.h"

using namespace vormak;
using namespace vormak::testing;

namespace {

constexpr const char* kTableFile = "vormak.izn";

std::array<ConversionBoxes, kConversionPairs> loaded(std::string_view bytes) {
    writeBytes(kTableFile, bytes);
    FakeWindow window;
    Engine(window).loadConversionTable();
    return window.controls.conversion;
}

// A text that the table file carries unchanged between the quotes.
bool writableAsIs(const Text& t) {
    return t.find_first_of(u"\"\r\u30FB") == Text::npos && decodeCp932(encodeCp932(t)) == t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto first = loaded(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<std::pair<Text, Text>> inUse;
    for (const auto& [from, to] : first) {
        if (trimmed(from).empty())
            continue;
        if (!writableAsIs(trimmed(from)) || !writableAsIs(trimmed(to)))
            return 0;
        inUse.emplace_back(trimmed(from), trimmed(to));
    }
    FakeWindow window;
    window.controls.conversion = first;
    Engine(window).Command12_Click();
    check(window.messages.empty());
    const auto again = loaded(readBytes(kTableFile));
    for (size_t i = 0; i < inUse.size(); ++i)
        check(again[i].from == inUse[i].first && again[i].to == inUse[i].second);
    return 0;
}
