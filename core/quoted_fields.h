#pragma once
// Splits the records of a delimited file written with quotes in the common
// way: a field that starts with a double quote runs to the closing quote, and
// a delimiter, CR or LF inside it belongs to the field; "" inside it is one
// quote. A record may so go on over several lines. (The classic files, split
// at every delimiter, are read elsewhere.)

#include "core/text.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace vormak {

class QuotedFieldSplitter {
public:
    // A record longer than this (line ends included) is dropped.
    static constexpr size_t kMaxRecordChars = size_t{1} << 20;

    enum class Status {
        Record,  // `fields` holds the whole record
        Open,    // a quoted field goes on in the next line
        TooLong, // a record over the bound ended here; it was dropped
        None,    // finish() only: no record was open
    };

    explicit QuotedFieldSplitter(char16_t delimiter, size_t maxRecordChars = kMaxRecordChars);

    // Takes the next line without its end mark, and the mark that ended it
    // ("\r\n", "\r", "\n" or empty for the last line): inside quotes the mark
    // belongs to the field as it was written.
    Status addLine(std::u16string_view line, std::u16string_view lineEnd,
                   std::vector<Text>& fields);

    // At the end of the file: a record whose quote never closed ends here.
    Status finish(std::vector<Text>& fields);

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    void take(std::u16string_view text);
    void endField();
    Status endRecord(std::vector<Text>& fields);

    char16_t delimiter_;
    size_t maxChars_;
    State state_ = State::FieldStart;
    std::vector<Text> fields_;
    Text field_;
    size_t chars_ = 0;
    bool open_ = false;    // a record has begun
    bool tooLong_ = false; // the record grew over the bound: only its end is looked for
};

} // namespace vormak
