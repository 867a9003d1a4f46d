#include "core/vcard_lines.h"

#include <algorithm>

namespace vormak::vcard {

namespace {

constexpr size_t kBlock = size_t{64} * 1024;

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = upper(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// "=XY" is the byte XY; any other "=" stays as written. Soft line breaks
// were taken out while the line was read.
std::string undoQuotedPrintable(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const int high = value[i] == '=' && i + 2 < value.size() ? hexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? hexDigit(value[i + 2]) : -1;
        if (low < 0) {
            out.push_back(value[i]);
            continue;
        }
        out.push_back(static_cast<char>(high << 4 | low));
        i += 2;
    }
    return out;
}

// Splits "item1.TEL;TYPE=CELL;VOICE" at the semicolons outside quotes.
void parseHead(std::string_view head, ContentLine& line) {
    std::vector<std::string_view> parts;
    bool quoted = false;
    size_t start = 0;
    for (size_t i = 0; i <= head.size(); ++i) {
        if (i < head.size() && head[i] == '"')
            quoted = !quoted;
        if (i == head.size() || (head[i] == ';' && !quoted)) {
            parts.push_back(head.substr(start, i - start));
            start = i + 1;
        }
    }
    std::string_view name = parts.front();
    if (const size_t dot = name.rfind('.'); dot != std::string_view::npos)
        name.remove_prefix(dot + 1);
    line.name.clear();
    std::transform(name.begin(), name.end(), std::back_inserter(line.name), upper);
    line.parameters.clear();
    for (size_t p = 1; p < parts.size(); ++p) {
        const std::string_view part = parts[p];
        const size_t equals = part.find('=');
        Parameter parameter;
        std::string_view value = part;
        if (equals != std::string_view::npos) {
            std::transform(part.begin(), part.begin() + static_cast<long>(equals),
                           std::back_inserter(parameter.name), upper);
            value = part.substr(equals + 1);
        }
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        parameter.value.assign(value);
        line.parameters.push_back(std::move(parameter));
    }
}

} // namespace

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

std::optional<std::string_view> ContentLine::parameter(std::string_view wanted) const {
    for (const Parameter& p : parameters)
        if (p.name.empty() ? equalsIgnoringCase(p.value, wanted) : p.name == wanted)
            return std::string_view(p.value);
    return std::nullopt;
}

bool ContentLine::hasValue(std::string_view wanted) const {
    return equalsIgnoringCase(value, wanted);
}

FileBytes::FileBytes(const std::string& path) : file_(path) {
    if (!fill())
        return;
    const std::string_view start = available();
    for (Encoding e : {Encoding::Utf8Bom, Encoding::Utf16Le, Encoding::Utf16Be})
        if (start.starts_with(byteOrderMark(e)))
            marked_ = e;
    if (marked_ == Encoding::Utf8Bom) {
        consume(3);
    } else if (marked_) {
        // Decoded from the start again, through the decoder that drops the mark.
        utf16_.emplace(*marked_);
        block_ = std::move(buffer_);
        buffer_.clear();
        pos_ = 0;
        Text text;
        utf16_->decode(block_, text);
        buffer_ = toUtf8(text);
    }
}

bool FileBytes::fill() {
    buffer_.erase(0, pos_);
    pos_ = 0;
    while (buffer_.empty() && !ended_ && !failed_) {
        if (!file_.read(block_, kBlock)) {
            failed_ = true;
            break;
        }
        Text text;
        if (block_.empty()) {
            ended_ = true;
            if (!utf16_)
                break;
            utf16_->finish(text);
        } else if (!utf16_) {
            buffer_.swap(block_);
            break;
        } else {
            utf16_->decode(block_, text);
        }
        buffer_ = toUtf8(text);
    }
    return !buffer_.empty();
}

std::string_view FileBytes::available() {
    if (pos_ == buffer_.size())
        fill();
    return std::string_view(buffer_).substr(pos_);
}

int FileBytes::peek() {
    const std::string_view rest = available();
    return rest.empty() ? -1 : static_cast<unsigned char>(rest.front());
}

ContentLines::ContentLines(const std::string& path, KeepTest keep) : bytes_(path), keep_(keep) {}

ContentLines::Status ContentLines::next(ContentLine& line, size_t maxBytes) {
    while (bytes_.peek() >= 0) {
        const Outcome outcome = readLine(line, maxBytes);
        if (bytes_.failed())
            return Status::Failed;
        if (outcome == Outcome::Kept)
            return Status::Line;
        if (outcome == Outcome::TooLong)
            return Status::TooLong;
    }
    return bytes_.failed() ? Status::Failed : Status::End;
}

ContentLines::Outcome ContentLines::readLine(ContentLine& line, size_t maxBytes) {
    head_.clear();
    line.value.clear();
    inValue_ = inQuotes_ = keeping_ = quotedPrintable_ = tooLong_ = false;
    lastValueByte_ = 0;
    for (;;) {
        // One physical line, in pieces as the buffer holds them.
        for (std::string_view rest = bytes_.available(); !rest.empty(); rest = bytes_.available()) {
            // Two searches for single bytes run at memchr's speed over a
            // file without line ends.
            size_t end = rest.find('\n');
            end = std::min(end, rest.substr(0, end).find('\r'));
            take(rest.substr(0, std::min(end, rest.size())), line, maxBytes);
            if (end == std::string_view::npos) {
                bytes_.consume(rest.size());
                continue;
            }
            bytes_.consume(end + 1);
            if (rest[end] == '\r' && bytes_.peek() == '\n')
                bytes_.consume(1);
            break;
        }
        const int next = bytes_.peek();
        if (next < 0)
            break;
        if (quotedPrintable_ && lastValueByte_ == '=') {
            // A soft line break: the next line goes on with the value as it is.
            if (keeping_ && !line.value.empty())
                line.value.pop_back();
            lastValueByte_ = 0;
            continue;
        }
        if (next != ' ' && next != '\t')
            break;
        bytes_.consume(1); // a folded line
    }
    if (!inValue_)
        return Outcome::Passed; // no colon: not a content line
    if (tooLong_)
        return Outcome::TooLong;
    if (!keeping_)
        return Outcome::Passed;
    if (quotedPrintable_)
        line.value = undoQuotedPrintable(line.value);
    return Outcome::Kept;
}

void ContentLines::take(std::string_view piece, ContentLine& line, size_t maxBytes) {
    if (!inValue_) {
        // The first colon outside quotes; quotes come only in parameter values.
        size_t colon = 0; // where the search goes on
        for (;;) {
            if (inQuotes_) {
                const size_t close = piece.find('"', colon);
                if (close == std::string_view::npos) {
                    colon = piece.size();
                    break;
                }
                inQuotes_ = false;
                colon = close + 1;
                continue;
            }
            const size_t found = std::min(piece.find(':', colon), piece.size());
            const size_t quote = piece.substr(0, found).find('"', colon);
            if (quote == std::string_view::npos) {
                colon = found;
                break;
            }
            inQuotes_ = true;
            colon = quote + 1;
        }
        const std::string_view part = piece.substr(0, colon);
        if (head_.size() + part.size() > maxBytes)
            tooLong_ = true; // told only if a colon comes
        else
            head_.append(part);
        if (colon == piece.size())
            return;
        startValue(line);
        piece.remove_prefix(colon + 1);
    }
    if (piece.empty())
        return;
    lastValueByte_ = piece.back();
    if (!keeping_)
        return;
    if (head_.size() + line.value.size() + piece.size() > maxBytes) {
        tooLong_ = true;
        keeping_ = false;
        line.value.clear();
        return;
    }
    line.value.append(piece);
}

void ContentLines::startValue(ContentLine& line) {
    inValue_ = true;
    if (tooLong_)
        return;
    parseHead(head_, line);
    keeping_ = keep_(line);
    const std::optional<std::string_view> encoding = line.parameter("ENCODING");
    quotedPrintable_ = line.parameter("QUOTED-PRINTABLE").has_value() ||
                       (encoding && equalsIgnoringCase(*encoding, "QUOTED-PRINTABLE"));
}

} // namespace vormak::vcard
