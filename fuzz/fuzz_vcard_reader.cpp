// Any bytes as a vCard file, its content put anywhere against the reader's
// 64 KiB blocks: reading never fails, ends, and gives records of six fields,
// no more of them than the file has telephone lines and cards, none of them
// over the card bound.
#include "core/vcard_reader.h"
#include "fuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vormak;
using namespace vormak::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    // A line without a colon before the content moves it across the end of
    // the first block.
    const size_t filler = in.ConsumeBool() ? 64 * 1024 - in.ConsumeIntegralInRange(0, 64) : 0;
    const std::string content = in.ConsumeRemainingBytesAsString();
    VCardReader::looksLikeVCardStart(content);
    const std::string bytes = (filler ? std::string(filler - 2, 'x') + "\r\n" : "") + content;

    VCardReader reader(writeScratch("input.vcf", bytes));
    check(reader.isOpen());
    std::vector<Text> record;
    size_t records = 0;
    for (VCardReader::Status s; (s = reader.next(record)) != VCardReader::Status::End;) {
        check(s != VCardReader::Status::Failed);
        if (s != VCardReader::Status::Record)
            continue;
        // Each record needs a "TEL:" line or a card of its own.
        check(++records <= bytes.size() / 4 + 1);
        check(record.size() == VCardReader::titleLine().size());
        for (const Text& field : record)
            check(field.size() <= VCardReader::kMaxCardBytes);
    }
    const Encoding result = reader.resultEncoding();
    check(result == Encoding::ShiftJis || result == Encoding::Utf8Bom);
    return 0;
}
