#include "core/text_line_reader.h"

namespace vormak {

namespace {
constexpr size_t kBlockBytes = size_t{64} * 1024;
} // namespace

TextRecordReader::TextRecordReader(const std::string& path, Encoding encoding, LineEnds lineEnds,
                                   char16_t delimiter)
    : file_(path), decoder_(encoding), lineEnds_(lineEnds), splitter_(delimiter) {}

bool TextRecordReader::fill() {
    if (eof_)
        return false;
    if (pos_ > 0) {
        text_.erase(0, pos_);
        pos_ = 0;
    }
    if (!file_.read(block_, kBlockBytes)) {
        failed_ = eof_ = true;
        return false;
    }
    if (block_.empty()) {
        decoder_.finish(text_);
        eof_ = true;
    } else {
        decoder_.decode(block_, text_);
    }
    return true;
}

TextRecordReader::Line TextRecordReader::nextLine(std::u16string_view& line,
                                                  std::u16string_view& end) {
    for (;;) {
        const std::u16string_view rest = std::u16string_view(text_).substr(pos_);
        const size_t at = lineEnds_ == LineEnds::Lf ? rest.find(u'\n') : rest.find(u'\r');
        // A CR at the end of what is decoded may still be followed by its LF.
        const bool complete = at != std::u16string_view::npos &&
                              (lineEnds_ == LineEnds::Lf || at + 1 < rest.size() || eof_);
        if (complete) {
            size_t markLength = 1;
            if (lineEnds_ == LineEnds::Classic && at + 1 < rest.size() && rest[at + 1] == u'\n')
                markLength = 2;
            line = rest.substr(0, at);
            end = rest.substr(at, markLength);
            pos_ += at + markLength;
            return Line::Whole;
        }
        if (rest.size() > QuotedFieldSplitter::kMaxRecordChars)
            return Line::TooLong;
        if (!fill()) {
            if (failed_)
                return Line::Failed;
            const std::u16string_view last = std::u16string_view(text_).substr(pos_);
            if (last.empty())
                return Line::None;
            line = last;
            end = {};
            pos_ = text_.size();
            return Line::Last;
        }
    }
}

TextRecordReader::Status TextRecordReader::next(std::vector<Text>& fields) {
    for (;;) {
        std::u16string_view line, end;
        switch (nextLine(line, end)) {
        case Line::Failed:
            return Status::Failed;
        case Line::TooLong:
            return Status::TooLong;
        case Line::None:
            switch (splitter_.finish(fields)) {
            case QuotedFieldSplitter::Status::Record:
                return Status::Record;
            case QuotedFieldSplitter::Status::TooLong:
                return Status::TooLong;
            default:
                return Status::End;
            }
        case Line::Whole:
        case Line::Last:
            switch (splitter_.addLine(line, end, fields)) {
            case QuotedFieldSplitter::Status::Record:
                return Status::Record;
            case QuotedFieldSplitter::Status::TooLong:
                return Status::TooLong;
            default:
                break;
            }
        }
    }
}

} // namespace vormak
