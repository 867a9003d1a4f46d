// Any bytes as an input file, read with any format, field count and key
// positions: the field count, the viewer and the reader never fail, the
// viewer never shows more than the fields a record can have, and no field
// read keeps a quote.
#include "core/cp932.h"
#include "core/engine.h"
#include "fuzz.h"
#include "support/fake_window.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vormak;
using namespace vormak::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const bool csv = in.ConsumeBool();
    const int reads = in.ConsumeIntegralInRange(1, 8);
    const Text fieldCount = decodeCp932(in.ConsumeRandomLengthString(8));
    const Text name = decodeCp932(in.ConsumeRandomLengthString(6));
    const Text tel = decodeCp932(in.ConsumeRandomLengthString(6));
    const std::string path = writeScratch("input.csv", in.ConsumeRemainingBytesAsString());

    // The file named and inspected as on leaving its box, then the count
    // and positions typed in.
    FakeWindow window;
    Engine engine(window);
    SideSettings& side = window.controls.side(Side::Mobile);
    side.path = fromUtf8(path);
    side.commaSeparated = csv;
    engine.ChkFile_LostFocus(Side::Mobile);
    side = {side.path, csv, side.titleLine, fieldCount, name, tel};

    check(FieldCntGet(path, side.delimiter()) >= 0);
    engine.Command6_Click();
    engine.Command5_Click();
    check(window.recordLines.size() <= kMaxFields);
    SideReader reader;
    using Status = SideReader::Status;
    const Status opened = reader.open(path, side.delimiter());
    check(opened != Status::CannotOpen && opened != Status::CannotRead);
    const ConversionTable conversion(window.controls.conversion);
    const RecordFormat format(side, window.controls, conversion);
    for (int i = 0; opened == Status::Record && i < reads && reader.read(format) == Status::Record;
         ++i)
        for (const Text& field : reader.fields())
            check(field.find(u'"') == Text::npos);
    return 0;
}
