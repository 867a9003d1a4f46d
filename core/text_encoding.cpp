#include "core/text_encoding.h"

#include "core/plain_file.h"

#include <uchardet/uchardet.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace vormak {

namespace {

constexpr size_t kSampleBytes = size_t{64} * 1024;

std::optional<Encoding> markedEncoding(std::string_view bytes) {
    for (Encoding e : {Encoding::Utf8Bom, Encoding::Utf16Le, Encoding::Utf16Be})
        if (bytes.starts_with(byteOrderMark(e)))
            return e;
    return std::nullopt;
}

bool readsAsEucJp(std::string_view sample) {
    const std::unique_ptr<uchardet, decltype(&uchardet_delete)> detector(uchardet_new(),
                                                                         uchardet_delete);
    if (!detector || uchardet_handle_data(detector.get(), sample.data(), sample.size()) != 0)
        return false;
    uchardet_data_end(detector.get());
    // An empty name is how uchardet says it is not sure.
    return strcasecmp(uchardet_get_charset(detector.get()), "EUC-JP") == 0;
}

struct DecodedSample {
    Text text;
    size_t undecodable = 0;
};

// A character cut off at the end of a partial sample is left out.
DecodedSample decodeSample(std::string_view sample, Encoding encoding, bool wholeFile) {
    DecodedSample decoded;
    TextDecoder decoder(encoding);
    decoder.decode(sample, decoded.text);
    if (wholeFile)
        decoder.finish(decoded.text);
    decoded.undecodable = decoder.undecodable();
    return decoded;
}

// A damaged text file has a few bytes that no encoding reads; anything else
// (an image, an archive, a spreadsheet) has far more, or NUL bytes.
bool tooDamaged(size_t undecodable, size_t characters) {
    return undecodable > characters / 16;
}

} // namespace

std::string_view byteOrderMark(Encoding encoding) {
    switch (encoding) {
    case Encoding::Utf8Bom:
        return "\xEF\xBB\xBF";
    case Encoding::Utf16Le:
        return "\xFF\xFE";
    case Encoding::Utf16Be:
        return "\xFE\xFF";
    default:
        return {};
    }
}

std::optional<Encoding> detectEncoding(std::string_view sample, bool wholeFile) {
    const std::optional<Encoding> marked = markedEncoding(sample);
    if (marked && *marked != Encoding::Utf8Bom) {
        const DecodedSample decoded = decodeSample(sample, *marked, wholeFile);
        if (tooDamaged(decoded.undecodable, decoded.text.size()) ||
            decoded.text.find(u'\0') != Text::npos)
            return std::nullopt;
        return marked;
    }
    if (sample.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (marked)
        return marked;
    const size_t nonAscii =
        static_cast<size_t>(std::count_if(sample.begin(), sample.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80;
        }));
    if (nonAscii == 0)
        return Encoding::ShiftJis;
    // Valid UTF-8 in the shortest form.
    if (decodeSample(sample, Encoding::Utf8, wholeFile).undecodable == 0)
        return Encoding::Utf8;
    // Only a sample that is valid EUC-JP can be EUC-JP; the detector, far
    // slower, then tells it from Shift-JIS that happens to read as both.
    if (decodeSample(sample, Encoding::EucJp, wholeFile).undecodable == 0 && readsAsEucJp(sample))
        return Encoding::EucJp;
    // Text in some encoding: Shift-JIS, the most common, is tried first.
    size_t fewest =
        std::min(nonAscii, decodeSample(sample, Encoding::ShiftJis, wholeFile).undecodable);
    for (Encoding e : {Encoding::EucJp, Encoding::Utf8})
        if (tooDamaged(fewest, nonAscii))
            fewest = std::min(fewest, decodeSample(sample, e, wholeFile).undecodable);
    if (tooDamaged(fewest, nonAscii))
        return std::nullopt;
    return Encoding::ShiftJis;
}

LineEndScan::LineEndScan(Encoding encoding)
    : utf16_(encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be),
      bigEndian_(encoding == Encoding::Utf16Be) {}

void LineEndScan::feed(std::string_view block) {
    if (sawCr_)
        return;
    if (!utf16_) {
        // In Shift-JIS, EUC-JP and UTF-8 no byte of a multi-byte character is 0D.
        sawCr_ = block.find('\r') != std::string_view::npos;
        return;
    }
    for (char ch : block) {
        const auto b = static_cast<unsigned char>(ch);
        if (!oddOffset_) {
            first_ = b;
        } else {
            const unsigned unit = bigEndian_ ? first_ << 8 | b : b << 8 | first_;
            if (unit == 0x000D) {
                sawCr_ = true;
                return;
            }
        }
        oddOffset_ = !oddOffset_;
    }
}

TextFileProbe probeTextFile(const std::string& path) {
    TextFileProbe probe;
    PlainFile file(path);
    std::string sample, block;
    if (!file.isOpen() || !file.read(sample, kSampleBytes) || !file.read(block, kSampleBytes))
        return probe;
    const std::optional<Encoding> encoding = detectEncoding(sample, block.empty());
    if (!encoding) {
        probe.result = TextFileProbe::Result::NotText;
        return probe;
    }
    LineEndScan scan(*encoding);
    scan.feed(sample);
    while (!block.empty() && !scan.sawCarriageReturn()) {
        scan.feed(block);
        if (!file.read(block, kSampleBytes))
            return probe;
    }
    probe.result = TextFileProbe::Result::Text;
    probe.encoding = *encoding;
    probe.lineEnds = scan.lineEnds();
    return probe;
}

} // namespace vormak
