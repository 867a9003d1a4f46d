// Any bytes as a contact file of any encoding: the decision, the line-end scan
// and the decoder never fail; decoding in blocks of any size gives what
// decoding at once gives, never more characters than bytes, with a carriage
// return exactly when the line-end scan saw one; what an encoding
// can hold comes back unchanged from writing and reading; and the quoted
// fields of a record never hold more than its bound.
#include "core/quoted_fields.h"
#include "core/text_encoding.h"
#include "fuzz.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

using namespace vormak;
using namespace vormak::testing;

namespace {

constexpr Encoding kEncodings[] = {Encoding::ShiftJis, Encoding::EucJp,   Encoding::Utf8,
                                   Encoding::Utf8Bom,  Encoding::Utf16Le, Encoding::Utf16Be};

// Splits decoded text at its line ends, with their marks, as a reader does.
void splitFields(std::u16string_view text, LineEnds lineEnds, char16_t delimiter) {
    constexpr size_t kBound = 64;
    QuotedFieldSplitter splitter(delimiter, kBound);
    std::vector<Text> fields;
    auto checkFields = [&](QuotedFieldSplitter::Status status) {
        size_t chars = 0;
        for (const Text& f : fields)
            chars += f.size() + 1;
        check(status != QuotedFieldSplitter::Status::Record || (chars > 0 && chars <= kBound + 1));
    };
    while (!text.empty()) {
        const size_t end =
            std::min(text.find(lineEnds == LineEnds::Lf ? u'\n' : u'\r'), text.size());
        size_t mark = end < text.size() ? 1 : 0;
        if (lineEnds == LineEnds::Classic && mark && text.substr(end + 1, 1) == u"\n")
            mark = 2;
        checkFields(splitter.addLine(text.substr(0, end), text.substr(end, mark), fields));
        text.remove_prefix(end + mark);
    }
    checkFields(splitter.finish(fields));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const Encoding encoding = in.PickValueInArray(kEncodings);
    const size_t blockSize = in.ConsumeIntegralInRange<size_t>(1, 64);
    const char16_t delimiter = in.ConsumeBool() ? u',' : u'\t';
    const bool wholeFile = in.ConsumeBool();
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    const std::optional<Encoding> detected = detectEncoding(bytes, wholeFile);
    check(!detected || byteOrderMark(*detected).empty() ||
          bytes.starts_with(byteOrderMark(*detected)));

    LineEndScan whole(encoding), blocks(encoding);
    whole.feed(bytes);
    TextDecoder decoder(encoding);
    Text decoded;
    for (size_t at = 0; at < bytes.size(); at += blockSize) {
        blocks.feed(std::string_view(bytes).substr(at, blockSize));
        decoder.decode(std::string_view(bytes).substr(at, blockSize), decoded);
    }
    decoder.finish(decoded);
    check(blocks.lineEnds() == whole.lineEnds());
    // A carriage return in any encoding decodes as one, and nothing else does.
    check((whole.lineEnds() == LineEnds::Classic) == (decoded.find(u'\r') != Text::npos));
    check(decoded == decodeText(bytes, encoding));
    check(decoded.size() <= bytes.size());

    // The decoder gives no lone surrogate, so the Unicode encodings hold all of it.
    const EncodedText encoded = encodeText(decoded, encoding);
    const bool unicode = encoding != Encoding::ShiftJis && encoding != Encoding::EucJp;
    check(!unicode || !encoded.unencodable);
    if (!encoded.unencodable)
        check(decodeText(std::string(byteOrderMark(encoding)) + encoded.bytes, encoding) ==
              decoded);
    else
        check(encoded.bytes.empty());

    splitFields(decoded, whole.lineEnds(), delimiter);
    return 0;
}
