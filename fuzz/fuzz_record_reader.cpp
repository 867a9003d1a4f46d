// Any bytes as an input file, read with any format, field count and key
// positions: the reader, the field count and the viewer never fail, never
// show more than twenty fields and never leave a quote in a field.
#include "core/cp932.h"
#include "core/engine.h"
#include "support/fake_window.h"

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

    // The file named and inspected as on leaving its box, then the count
    // and positions typed in.
    testing::FakeWindow window;
    Engine engine(window);
    SideSettings& side = window.controls.side(Side::Mobile);
    side.path = fromUtf8(inputPath());
    side.commaSeparated = csv;
    engine.ChkFile_LostFocus(Side::Mobile);
    side = {side.path, csv, side.titleLine, fieldCount, name, tel};

    check(FieldCntGet(inputPath(), side.delimiter()) >= 0);
    engine.Command6_Click();
    SideReader reader;
    const SideReader::Status opened = reader.open(inputPath(), side.delimiter());
    check(opened == SideReader::Status::Record || opened == SideReader::Status::NotText);
    const ConversionTable conversion(window.controls.conversion);
    const RecordFormat format(side, window.controls, conversion);
    for (int i = 0; opened == SideReader::Status::Record && i < reads &&
                    reader.read(format) == SideReader::Status::Record;
         ++i)
        for (int field = 1; field <= kMaxFields; ++field)
            check(reader.fields()[field].find(u'"') == Text::npos);
    engine.Command5_Click();
    check(window.recordLines.size() <= kMaxFields);
    std::remove(inputPath().c_str());
    return 0;
}
