// Any bytes as the conversion table file: loading never fails and fills at
// most the four pairs; storing what was loaded and loading it again gives
// the same pairs whenever they can be written back faithfully.
#include "core/cp932.h"
#include "core/engine.h"
#include "support/fake_window.h"

#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vormak;

namespace {

// The fuzzer runs in a scratch folder of its own: the table is a bare name.
constexpr const char* kTableFile = "vormak.izn";

void check(bool condition) {
    if (!condition)
        std::abort();
}

struct Pairs {
    Text from[4], to[4];
};

Pairs loaded(const std::string& bytes) {
    std::FILE* f = std::fopen(kTableFile, "wb");
    check(f != nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    testing::FakeWindow window;
    Engine engine(window);
    engine.loadConversionTable();
    Pairs p;
    for (int i = 0; i < 4; ++i) {
        p.from[i] = window.controls.conversion[i].from;
        p.to[i] = window.controls.conversion[i].to;
    }
    return p;
}

// A text that the table file carries unchanged between the quotes.
bool writableAsIs(const Text& t) {
    for (char16_t c : t)
        if (c == u'"' || c == u'\r' || c == u'\u30FB')
            return false;
    return decodeCp932(encodeCp932(t)) == t;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Pairs first = loaded(std::string(reinterpret_cast<const char*>(data), size));

    Text expectedFrom[4], expectedTo[4];
    int stored = 0;
    for (int i = 0; i < 4; ++i) {
        const Text from = trimmed(first.from[i]);
        if (from.empty())
            continue;
        const Text to = trimmed(first.to[i]);
        if (!writableAsIs(from) || !writableAsIs(to))
            return 0;
        expectedFrom[stored] = from;
        expectedTo[stored] = to;
        ++stored;
    }

    testing::FakeWindow window;
    Engine engine(window);
    for (int i = 0; i < 4; ++i)
        window.controls.conversion[i] = {first.from[i], first.to[i]};
    engine.Command12_Click();
    check(window.messages.empty());

    std::FILE* f = std::fopen(kTableFile, "rb");
    check(f != nullptr);
    std::string bytes;
    char buffer[4096];
    for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
        bytes.append(buffer, got);
    std::fclose(f);

    const Pairs again = loaded(bytes);
    for (int i = 0; i < stored; ++i)
        check(again.from[i] == expectedFrom[i] && again.to[i] == expectedTo[i]);
    std::remove(kTableFile);
    return 0;
}
