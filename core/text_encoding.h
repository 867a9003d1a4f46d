#pragma once
// The encodings and line ends of the contact files phones and address books
// export today, and conversion between them and the program's UTF-16 texts.
//
// A reader probes a file once (probeTextFile), then decodes it block by block
// with a TextDecoder and splits lines by the LineEnds the probe found.

#include "core/text.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vormak {

namespace detail {
class Iconv;
}

enum class Encoding {
    ShiftJis, // code page 932, Shift-JIS as Windows writes it
    EucJp,    // with the Windows extensions (EUC-JP-MS), so that ～ and ① read as from Shift-JIS
    Utf8,     // without a byte-order mark
    Utf8Bom,  // starting with EF BB BF
    Utf16Le,  // starting with FF FE
    Utf16Be,  // starting with FE FF
};

enum class LineEnds {
    Classic, // CR LF or CR end a line; a lone LF is an ordinary character
    Lf,      // LF ends a line: the file holds no CR at all
};

// What a character that cannot be decoded becomes.
inline constexpr char16_t kUndecodable = u'\u30FB'; // ・

// The byte-order mark a file in this encoding starts with; empty for none.
std::string_view byteOrderMark(Encoding encoding);

// The encoding of a file judged from its first bytes (`sample`; `wholeFile`
// when that is all of it). A byte-order mark decides; then a sample that is
// valid UTF-8 and holds a non-ASCII character is UTF-8 (a character cut at the
// end of a partial sample counts as valid); then EUC-JP when the sample reads
// clearly as EUC-JP; else Shift-JIS.
// Nothing when the file is not text in any of them: NUL bytes outside UTF-16,
// or more undecodable bytes than a damaged text file would hold.
std::optional<Encoding> detectEncoding(std::string_view sample, bool wholeFile);

// Finds the line ends of a file fed to it block by block from its first byte.
// In UTF-16 a carriage return is the code unit 000D, not the byte 0D.
class LineEndScan {
public:
    explicit LineEndScan(Encoding encoding);
    void feed(std::string_view block);
    // True once a carriage return was seen: the file cannot be LF-only.
    bool sawCarriageReturn() const { return sawCr_; }
    // The decision, once the whole file was fed.
    LineEnds lineEnds() const { return sawCr_ ? LineEnds::Classic : LineEnds::Lf; }

private:
    bool utf16_;
    bool bigEndian_;
    bool oddOffset_ = false;  // UTF-16: the next byte is the second of a code unit
    unsigned char first_ = 0; // UTF-16: the first byte of the code unit being read
    bool sawCr_ = false;
};

// What a reader needs to know before it reads a file's lines.
struct TextFileProbe {
    enum class Result { Text, NotText, Unreadable };
    Result result = Result::Unreadable;
    Encoding encoding = Encoding::ShiftJis;
    LineEnds lineEnds = LineEnds::Classic;
};

// Reads the file in blocks: its first 64 KiB decide the encoding, and the
// file up to its first carriage return (all of it when it has none) the line
// ends. Only a plain file is read.
TextFileProbe probeTextFile(const std::string& path);

// Decodes a file to UTF-16 block by block; a character cut at the end of a
// block is completed by the next. Bytes that form no character become "・".
// A byte-order mark at the start is dropped for the encodings that carry one.
class TextDecoder {
public:
    explicit TextDecoder(Encoding encoding);
    ~TextDecoder();
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    // Appends the characters of the next block to `out`.
    void decode(std::string_view block, Text& out);
    // Ends the input: a character still cut off becomes "・". The decoder is
    // then ready for a new input from its start.
    void finish(Text& out);

    // How many times input could not be decoded, since construction.
    size_t undecodable() const { return undecodable_; }

private:
    void decodeUtf8(std::string_view bytes, bool last, Text& out);
    void decodeUtf16(std::string_view bytes, bool last, Text& out);
    void decodeEucJp(std::string_view bytes, bool last, Text& out);
    void append(char16_t c, Text& out);
    void run(std::string_view block, bool last, Text& out);

    Encoding encoding_;
    std::unique_ptr<detail::Iconv> iconv_;
    std::string pending_;        // the start of a character cut at the end of a block
    char16_t highSurrogate_ = 0; // UTF-16: waits for its low half
    bool atStart_ = true;
    size_t undecodable_ = 0;
};

// Decodes a whole text at once.
Text decodeText(std::string_view bytes, Encoding encoding);

// A text in an output encoding. Nothing is written for a byte-order mark: a
// writer puts byteOrderMark(encoding) before the first line.
struct EncodedText {
    std::string bytes;                   // all of the text, unless `unencodable` is set
    std::optional<char32_t> unencodable; // the first character the encoding cannot hold
};

// A character counts as unencodable when writing and reading it back would
// not give it again (so "¥" is not written as a backslash in Shift-JIS). In
// UTF-8 and UTF-16 only a lone surrogate is.
EncodedText encodeText(std::u16string_view text, Encoding encoding);

} // namespace vormak
