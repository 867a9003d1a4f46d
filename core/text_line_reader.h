#pragma once
// Reads the records of a delimited file in any of today's encodings: the
// bytes are decoded block by block, lines end as the file's line ends say,
// and fields are split with quotes in the common way, so a quoted field may
// hold delimiters and line breaks.

#include "core/plain_file.h"
#include "core/quoted_fields.h"
#include "core/text_encoding.h"

#include <vector>

namespace vormak {

class TextRecordReader {
public:
    enum class Status { Record, End, TooLong, Failed };

    TextRecordReader(const std::string& path, Encoding encoding, LineEnds lineEnds,
                     char16_t delimiter);

    bool isOpen() const { return file_.isOpen(); }
    Status next(std::vector<Text>& fields);

private:
    enum class Line { Whole, Last, None, TooLong, Failed };
    // The next line of the text and the mark that ended it.
    Line nextLine(std::u16string_view& line, std::u16string_view& end);
    bool fill();

    PlainFile file_;
    TextDecoder decoder_;
    LineEnds lineEnds_;
    QuotedFieldSplitter splitter_;
    Text text_;
    size_t pos_ = 0;
    bool eof_ = false;
    bool failed_ = false;
    std::string block_;
};

} // namespace vormak
