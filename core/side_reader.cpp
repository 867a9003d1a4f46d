#include "core/side_reader.h"
#include "core/file_identity.h"
#include "core/plain_file.h"
#include "core/text_line_reader.h"
#include "core/vcard_reader.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <optional>

namespace vormak {

namespace {

// The most fields a classic file's first line has.
constexpr int kClassicFields = 20;

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

namespace {

// What the last few files were found to be: a check, an inspection and the
// viewer all ask about the same files, and the guess reads far into them. A
// file counts as the same when its identity and its first bytes are (a file
// rewritten at once may keep its size and time stamp).
class FormatCache {
public:
    template <class Find>
    FormatResult find(const std::string& path, char16_t delimiter, FileFormat& format, Find found) {
        const auto identity = identify(path);
        std::string start;
        if (PlainFile file(path); !file.isOpen() || !file.read(start, 4096))
            return found(format);
        {
            std::lock_guard lock(mutex_);
            for (const auto& e : entries_)
                if (e && identity && e->path == path && e->identity == *identity &&
                    e->delimiter == delimiter && e->start == start) {
                    format = e->format;
                    return e->result;
                }
        }
        const FormatResult result = found(format);
        if (identity) {
            std::lock_guard lock(mutex_);
            entries_[next_++ % entries_.size()] =
                Entry{path, *identity, std::move(start), delimiter, result, format};
        }
        return result;
    }

private:
    struct Entry {
        std::string path;
        FileIdentity identity;
        std::string start;
        char16_t delimiter;
        FormatResult result;
        FileFormat format;
    };
    std::mutex mutex_;
    std::array<std::optional<Entry>, 4> entries_;
    size_t next_ = 0;
};

FormatResult guessFileFormat(const std::string& path, char16_t delimiter, FileFormat& format) {
    format = {};
    if (VCardReader::looksLikeVCard(path)) {
        format.kind = FileFormat::Kind::VCard;
        return FormatResult::Known;
    }
    const TextFileProbe probe = probeTextFile(path);
    if (probe.result == TextFileProbe::Result::Unreadable)
        return FormatResult::CannotOpen;
    if (probe.result == TextFileProbe::Result::NotText)
        return FormatResult::NotText;
    format.encoding = probe.encoding;
    format.lineEnds = probe.lineEnds;
    bool classic = probe.encoding == Encoding::ShiftJis && probe.lineEnds == LineEnds::Classic;
    if (classic) {
        LineReader first(path);
        Text line;
        if (first.isOpen() && first.readLine(line) == LineReader::Status::Line)
            classic = SideReader::fieldCountOf(line, delimiter) <= kClassicFields;
    }
    format.kind = classic ? FileFormat::Kind::Classic : FileFormat::Kind::Text;
    return FormatResult::Known;
}

} // namespace

FormatResult findFileFormat(const std::string& path, char16_t delimiter, FileFormat& format) {
    static FormatCache cache;
    return cache.find(path, delimiter, format,
                      [&](FileFormat& found) { return guessFileFormat(path, delimiter, found); });
}

RecordFormat::RecordFormat(const SideSettings& side, const Settings& settings,
                           const ConversionTable& conversion)
    : delimiter(side.delimiter()), fieldCount(std::min(side.fields(), kMaxFields)),
      removeBlanks(settings.removeBlanks), removeHyphens(settings.removeHyphens),
      conversion(conversion) {
    if (side.positionsGiven()) {
        nameColumns = {side.name()};
        if (const int given = side.givenName())
            nameColumns.push_back(given);
        telColumns = side.telColumns();
        if (telColumns.empty())
            telColumns = {side.tel()};
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

SideReader::SideReader() = default;
SideReader::~SideReader() = default;

void SideReader::close() {
    classic_.reset();
    text_.reset();
    vcard_.reset();
    hasPending_ = false;
    vcardTitleGiven_ = false;
}

SideReader::Status SideReader::open(const std::string& path, char16_t delimiter) {
    if (classic_ || text_ || vcard_)
        return Status::Record;
    switch (findFileFormat(path, delimiter, format_)) {
    case FormatResult::CannotOpen:
        return Status::CannotOpen;
    case FormatResult::NotText:
        return Status::NotText;
    case FormatResult::Known:
        break;
    }
    bool opened = false;
    switch (format_.kind) {
    case FileFormat::Kind::Classic:
        classic_ = std::make_unique<LineReader>(path);
        opened = classic_->isOpen();
        break;
    case FileFormat::Kind::Text:
        text_ =
            std::make_unique<TextRecordReader>(path, format_.encoding, format_.lineEnds, delimiter);
        opened = text_->isOpen();
        break;
    case FileFormat::Kind::VCard:
        vcard_ = std::make_unique<VCardReader>(path);
        opened = vcard_->isOpen();
        break;
    }
    if (!opened) {
        close();
        return Status::CannotOpen;
    }
    return Status::Record;
}

SideReader::Status SideReader::nextRaw(std::vector<Text>& raw) {
    if (hasPending_) {
        hasPending_ = false;
        raw.swap(pending_);
        return Status::Record;
    }
    if (text_) {
        switch (text_->next(raw)) {
        case TextRecordReader::Status::Record:
            return Status::Record;
        case TextRecordReader::Status::End:
            return Status::End;
        case TextRecordReader::Status::TooLong:
            return Status::TooLong;
        case TextRecordReader::Status::Failed:
            break;
        }
        return Status::CannotRead;
    }
    // A vCard file reads as a titled file: the title line comes first.
    if (!vcardTitleGiven_) {
        vcardTitleGiven_ = true;
        raw = VCardReader::titleLine();
        return Status::Record;
    }
    switch (vcard_->next(raw)) {
    case VCardReader::Status::Record:
        return Status::Record;
    case VCardReader::Status::End:
        return Status::End;
    case VCardReader::Status::TooLong:
        return Status::TooLong;
    case VCardReader::Status::Failed:
        break;
    }
    return Status::CannotRead;
}

SideReader::Status SideReader::peek() {
    if (classic_) {
        if (!classic_->atEnd())
            return Status::Record;
        // atEnd() also holds after a failed read; only a read tells the two apart.
        Text none;
        return classic_->readLine(none) == LineReader::Status::Failed ? Status::CannotRead
                                                                      : Status::End;
    }
    if (hasPending_)
        return Status::Record;
    const Status status = nextRaw(pending_);
    hasPending_ = status == Status::Record;
    return status;
}

SideReader::Status SideReader::read(const RecordFormat& format) {
    int n = 0;
    if (classic_) {
        Text line;
        switch (classic_->readLine(line)) {
        case LineReader::Status::End:
            return Status::End;
        case LineReader::Status::TooLong:
            return Status::TooLong;
        case LineReader::Status::Failed:
            return Status::CannotRead;
        case LineReader::Status::Line:
            break;
        }
        // Every delimiter splits, inside quotes too. Fields above the
        // buffer's are counted but not stored.
        const std::u16string_view rest(line);
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
    } else {
        std::vector<Text> raw;
        if (const Status status = nextRaw(raw); status != Status::Record)
            return status;
        n = static_cast<int>(raw.size());
        for (int i = 1; i <= std::min(n, kMaxFields); ++i)
            cleanField(fields_[i], raw[i - 1], format.conversion);
    }
    for (int i = n + 1; i <= format.fieldCount; ++i)
        fields_[i].clear();

    for (const int name : format.nameColumns)
        if (name >= 1 && name <= kMaxFields && format.removeBlanks)
            fields_[name] = TumeMoji(TumeMoji(fields_[name], u" "), u"\u3000");
    for (const int tel : format.telColumns)
        if (tel >= 1 && tel <= kMaxFields && format.removeHyphens)
            fields_[tel] = TumeMoji(fields_[tel], u"-");
    return Status::Record;
}

Encoding SideReader::outputEncoding() const {
    if (vcard_)
        return vcard_->resultEncoding();
    switch (format_.encoding) {
    case Encoding::ShiftJis:
    case Encoding::EucJp:
        return Encoding::ShiftJis;
    case Encoding::Utf8:
    case Encoding::Utf8Bom:
        return Encoding::Utf8Bom;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        break;
    }
    return Encoding::Utf16Le;
}

int SideReader::fieldCountOf(std::u16string_view line, char16_t delimiter) {
    const auto delimiters = std::count(line.begin(), line.end(), delimiter);
    return static_cast<int>(std::min<long>(delimiters + 1, 32767));
}

} // namespace vormak
