#pragma once
// The content lines of a vCard file ("NAME;PARAM=VALUE:value"), read in
// blocks and unfolded at the byte level, before any value is decoded: a fold
// may cut a multi-byte character in two, and a quoted-printable soft line
// break ("=" at the end of a line) may fall inside one.
//
// Only the lines whose values the caller keeps are held in memory, each up to
// a bound; a photo's value passes through in blocks and is never held.

#include "core/plain_file.h"
#include "core/text_encoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vormak::vcard {

struct Parameter {
    std::string name;  // upper case; empty for a bare 2.1 parameter such as "CELL"
    std::string value; // as written, without enclosing quotes
};

struct ContentLine {
    std::string name; // upper case, without a group such as "item1."
    std::vector<Parameter> parameters;
    std::string value; // unfolded and with quoted-printable undone; not yet decoded

    // The value of the first parameter so named, or a bare parameter equal
    // to `name`; letter case is ignored.
    std::optional<std::string_view> parameter(std::string_view name) const;
    bool hasValue(std::string_view value) const; // compared without letter case
};

bool equalsIgnoringCase(std::string_view a, std::string_view b);

// The file's bytes block by block, after its byte-order mark; a UTF-16 file
// comes out as UTF-8.
class FileBytes {
public:
    explicit FileBytes(const std::string& path);
    bool isOpen() const { return file_.isOpen(); }
    bool failed() const { return failed_; }
    // The encoding its byte-order mark gave, if it had one.
    std::optional<Encoding> markedEncoding() const { return marked_; }

    // The bytes read but not yet consumed; empty at the end of the file.
    std::string_view available();
    void consume(size_t count) { pos_ += count; }
    int peek(); // the next byte, or -1 at the end

private:
    bool fill();

    PlainFile file_;
    std::optional<Encoding> marked_;
    std::optional<TextDecoder> utf16_;
    std::string block_, buffer_;
    size_t pos_ = 0;
    bool failed_ = false;
    bool ended_ = false;
};

class ContentLines {
public:
    enum class Status { Line, End, TooLong, Failed };
    // Whether a line's value is wanted, judged from its name and parameters.
    using KeepTest = bool (*)(const ContentLine&);

    ContentLines(const std::string& path, KeepTest keep);
    bool isOpen() const { return bytes_.isOpen(); }
    std::optional<Encoding> markedEncoding() const { return bytes_.markedEncoding(); }

    // The next line whose value is kept. TooLong: a kept line held more than
    // `maxBytes` (name, parameters and value); it was read to its end.
    // Lines without a colon and lines not kept are passed over.
    Status next(ContentLine& line, size_t maxBytes);

private:
    enum class Outcome { Kept, Passed, TooLong };
    Outcome readLine(ContentLine& line, size_t maxBytes);
    void take(std::string_view piece, ContentLine& line, size_t maxBytes);
    void startValue(ContentLine& line);

    FileBytes bytes_;
    KeepTest keep_;
    // The line being read.
    std::string head_; // name and parameters, up to the colon
    bool inValue_ = false, inQuotes_ = false, keeping_ = false, quotedPrintable_ = false;
    bool tooLong_ = false;
    char lastValueByte_ = 0;
};

} // namespace vormak::vcard
