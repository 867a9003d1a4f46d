#include "core/conversion_table.h"
#include "core/line_reader.h"
#include "core/replacement_file.h"
#include "core/text_encoding.h"

namespace vormak {

namespace {

// Reads the table file field by field: blanks before a field are skipped; a
// field that begins with a double quote runs to the next double quote and the
// rest up to the comma or the line end is skipped; any other field runs to
// the next comma or line end, with blanks at its ends removed. A field that
// ends at the line end leaves the next field to the next line.
class TableFieldReader {
public:
    explicit TableFieldReader(const std::string& path) : lines_(path) {}

    bool atEnd() { return !lineLeft_ && lines_.atEnd(); }

    // False at the end of the file or when it cannot be read.
    bool next(Text& field) {
        if (!lineLeft_) {
            if (lines_.readLine(line_) != LineReader::Status::Line)
                return false;
            pos_ = 0;
            lineLeft_ = true;
        }
        while (pos_ < line_.size() && isBlank(line_[pos_]))
            ++pos_;
        size_t stop;
        if (pos_ < line_.size() && line_[pos_] == u'"') {
            size_t close = line_.find(u'"', pos_ + 1);
            size_t end = close == Text::npos ? line_.size() : close;
            field = line_.substr(pos_ + 1, end - pos_ - 1);
            stop = close == Text::npos ? Text::npos : line_.find(u',', close + 1);
        } else {
            stop = line_.find(u',', pos_);
            field =
                withoutEndBlanks(line_.substr(pos_, stop == Text::npos ? Text::npos : stop - pos_));
        }
        if (stop == Text::npos)
            lineLeft_ = false;
        else
            pos_ = stop + 1;
        return true;
    }

private:
    static bool isBlank(char16_t c) { return c == u' ' || c == u'\t'; }
    static Text withoutEndBlanks(Text text) {
        while (!text.empty() && isBlank(text.back()))
            text.pop_back();
        return text;
    }

    LineReader lines_;
    Text line_;
    size_t pos_ = 0;
    bool lineLeft_ = false; // the current line still has a field to give
};

} // namespace

ConversionTable::ConversionTable(const std::array<ConversionBoxes, kConversionPairs>& boxes) {
    for (const auto& box : boxes)
        if (!trimmedView(box.from).empty() && !box.to.empty())
            pairs_.push_back({box.from, box.to[0]});
}

void ConversionTable::convert(Text& text) const {
    for (const auto& pair : pairs_)
        for (size_t q = text.find(pair.from); q != Text::npos; q = text.find(pair.from, q + 1))
            text[q] = pair.to;
}

std::vector<ConversionBoxes> loadConversionFile(const std::string& path) {
    std::vector<ConversionBoxes> pairs;
    TableFieldReader fields(path);
    while (!fields.atEnd()) {
        ConversionBoxes pair;
        if (pairs.size() == kConversionPairs || !fields.next(pair.from) || !fields.next(pair.to))
            break;
        pairs.push_back(std::move(pair));
    }
    return pairs;
}

ConversionSave saveConversionFile(const std::string& path,
                                  const std::array<ConversionBoxes, kConversionPairs>& boxes) {
    Text content;
    for (const auto& box : boxes) {
        Text from = trimmed(box.from);
        if (from.empty())
            continue;
        content += u"\"" + from + u"\",\"" + trimmed(box.to) + u"\"\r\n";
    }
    const EncodedText encoded = encodeText(content, Encoding::ShiftJis);
    if (encoded.unencodable)
        return {SaveResult::Unencodable, textOf(*encoded.unencodable)};
    const std::string& bytes = encoded.bytes;
    ReplacementFile file(path);
    file.write(bytes);
    if (file.commit() != ReplacementFile::Result::Done)
        return {SaveResult::CannotCreate, {}};
    return {SaveResult::Done, {}};
}

} // namespace vormak
