#include "core/quoted_fields.h"

namespace vormak {

QuotedFieldSplitter::QuotedFieldSplitter(char16_t delimiter, size_t maxRecordChars)
    : delimiter_(delimiter), maxChars_(maxRecordChars) {}

QuotedFieldSplitter::Status QuotedFieldSplitter::addLine(std::u16string_view line,
                                                         std::u16string_view lineEnd,
                                                         std::vector<Text>& fields) {
    open_ = true;
    take(line);
    if (state_ == State::Quoted) {
        take(lineEnd);
        return Status::Open;
    }
    return endRecord(fields);
}

QuotedFieldSplitter::Status QuotedFieldSplitter::finish(std::vector<Text>& fields) {
    return open_ ? endRecord(fields) : Status::None;
}

void QuotedFieldSplitter::take(std::u16string_view text) {
    chars_ += text.size();
    if (chars_ > maxChars_ && !tooLong_) {
        tooLong_ = true;
        fields_.clear();
        field_.clear();
    }
    for (char16_t c : text) {
        switch (state_) {
        case State::FieldStart:
            if (c == u'"') {
                state_ = State::Quoted;
                continue;
            }
            state_ = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            if (c == delimiter_) {
                endField();
                continue;
            }
            break;
        case State::Quoted:
            if (c == u'"') {
                state_ = State::QuoteInQuoted;
                continue;
            }
            break;
        case State::QuoteInQuoted:
            if (c == u'"') {
                state_ = State::Quoted; // "" is one quote
                break;
            }
            // The closing quote: what follows it up to the delimiter is kept
            // as written, the way spreadsheets read such a field.
            state_ = State::Unquoted;
            if (c == delimiter_) {
                endField();
                continue;
            }
            break;
        }
        if (!tooLong_)
            field_.push_back(c);
    }
}

void QuotedFieldSplitter::endField() {
    if (!tooLong_)
        fields_.push_back(std::move(field_));
    field_.clear();
    state_ = State::FieldStart;
}

QuotedFieldSplitter::Status QuotedFieldSplitter::endRecord(std::vector<Text>& fields) {
    endField();
    const bool tooLong = tooLong_;
    fields.swap(fields_);
    fields_.clear();
    chars_ = 0;
    open_ = false;
    tooLong_ = false;
    if (tooLong)
        fields.clear();
    return tooLong ? Status::TooLong : Status::Record;
}

} // namespace vormak
