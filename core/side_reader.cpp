#include "core/side_reader.h"

#include <algorithm>

namespace vormak {

namespace {

// Trim first, then drop the quotes: blanks enclosed in quotes survive.
void cleanField(Text& out, std::u16string_view raw, const ConversionTable& conversion) {
    const std::u16string_view field = trimmedView(raw);
    if (field.find(u'"') == std::u16string_view::npos) {
        out.assign(field);
    } else {
        out.clear();
        for (char16_t c : field)
            if (c != u'"')
                out.push_back(c);
    }
    conversion.convert(out);
}

} // namespace

RecordFormat::RecordFormat(const SideSettings& side, const Settings& settings,
                           const ConversionTable& conversion)
    : delimiter(side.delimiter()), fieldCount(std::min(side.fields(), kMaxFields)),
      removeBlanks(settings.removeBlanks), removeHyphens(settings.removeHyphens),
      conversion(conversion) {
    if (side.positionsGiven()) {
        namePosition = side.name();
        telPosition = side.tel();
    }
}

Text TumeMoji(std::u16string_view text, std::u16string_view character) {
    if (character.size() != 1)
        return Text(text);
    Text out;
    out.reserve(text.size());
    for (char16_t c : text)
        if (c != character[0])
            out.push_back(c);
    return out;
}

bool SideReader::open(const std::string& path) {
    if (!file_) {
        auto opened = std::make_unique<LineReader>(path);
        if (!opened->isOpen())
            return false;
        file_ = std::move(opened);
    }
    return true;
}

SideReader::Status SideReader::peek() {
    if (!file_->atEnd())
        return Status::Record;
    // atEnd() also holds after a failed read; only a read tells the two apart.
    Text none;
    return file_->readLine(none) == LineReader::Status::Failed ? Status::CannotRead : Status::End;
}

SideReader::Status SideReader::read(const RecordFormat& format) {
    Text line;
    switch (file_->readLine(line)) {
    case LineReader::Status::End:
        return Status::End;
    case LineReader::Status::TooLong:
        return Status::TooLong;
    case LineReader::Status::Failed:
        return Status::CannotRead;
    case LineReader::Status::Line:
        break;
    }

    // Every delimiter splits, inside quotes too. Fields above the buffer's
    // twenty are counted but not stored.
    const std::u16string_view rest(line);
    int n = 0;
    size_t start = 0;
    for (;;) {
        const size_t p = rest.find(format.delimiter, start);
        ++n;
        const size_t end = p == std::u16string_view::npos ? rest.size() : p;
        if (n <= kMaxFields)
            cleanField(fields_[n], rest.substr(start, end - start), format.conversion);
        if (p == std::u16string_view::npos)
            break;
        start = p + 1;
    }
    for (int i = n + 1; i <= format.fieldCount; ++i)
        fields_[i].clear();

    const int name = format.namePosition, tel = format.telPosition;
    if (name >= 1 && name <= kMaxFields && format.removeBlanks)
        fields_[name] = TumeMoji(TumeMoji(fields_[name], u" "), u"\u3000");
    if (tel >= 1 && tel <= kMaxFields && format.removeHyphens)
        fields_[tel] = TumeMoji(fields_[tel], u"-");
    return Status::Record;
}

int SideReader::fieldCountOf(std::u16string_view line, char16_t delimiter) {
    const auto delimiters = std::count(line.begin(), line.end(), delimiter);
    return static_cast<int>(std::min<long>(delimiters + 1, 32767));
}

} // namespace vormak
