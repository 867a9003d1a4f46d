// Any bytes as an input file, read with any format, field count and key
// positions: the reader, the field count and the viewer never fail, never
// store more than twenty fields and never leave a quote in a field.
#include "core/cp932.h"
#include "core/engine.h"
#include "fake_window.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace vormak;

namespace {

std::string inputPath() {
    static const std::string path = "fuzz-input-" + std::to_string(getpid()) + ".csv";
    return path;
}

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool csv = in.ConsumeBool();
    const int reads = in.ConsumeIntegralInRange(1, 8);
    const Text fieldCount = decodeCp932(in.ConsumeRandomLengthString(8));
    const Text name = decodeCp932(in.ConsumeRandomLengthString(6));
    const Text tel = decodeCp932(in.ConsumeRandomLengthString(6));
    const std::string file = in.ConsumeRemainingBytesAsString();

    std::FILE* f = std::fopen(inputPath().c_str(), "wb");
    check(f != nullptr);
    std::fwrite(file.data(), 1, file.size(), f);
    std::fclose(f);

    testing::FakeWindow window;
    Engine engine(window);
    const Text path = fromUtf8(inputPath());
    window.setText("ChkFile(1)", path);
    window.select(csv ? "CsvOpt(1)" : "TabOpt(1)");
    window.setText("FieldCnt(1)", fieldCount);
    window.setText("KanaNameIti(1)", name);
    window.setText("TelNoIti(1)", tel);

    check(Engine::FieldCntGet(path, csv ? u',' : u'\t') >= 0);
    engine.Command6_Click();
    for (int i = 0; i < reads; ++i) {
        try {
            engine.RecGet(1);
        } catch (const OperationAbandoned&) {
            break;
        }
        for (int field = 1; field <= kMaxFields; ++field)
            check(engine.FldBuf(1, field).find(u'"') == Text::npos);
    }
    engine.Command5_Click();
    check(window.listCount("RecLst") <= kMaxFields);
    std::remove(inputPath().c_str());
    return 0;
}
