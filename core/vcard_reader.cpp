#include "core/vcard_reader.h"

#include "core/plain_file.h"
#include "core/vcard_lines.h"

#include <algorithm>
#include <array>

namespace vormak {

using vcard::ContentLine;
using vcard::ContentLines;
using vcard::equalsIgnoringCase;

namespace {

constexpr size_t kSampleBytes = size_t{64} * 1024;

// The values a record is made of, and the card's bounds; a value written in
// base64 is binary whatever its property.
bool keptLine(const ContentLine& line) {
    static constexpr std::array<std::string_view, 12> kKept = {"BEGIN",
                                                               "END",
                                                               "VERSION",
                                                               "FN",
                                                               "N",
                                                               "TEL",
                                                               "EMAIL",
                                                               "ORG",
                                                               "SOUND",
                                                               "SORT-STRING",
                                                               "X-PHONETIC-FIRST-NAME",
                                                               "X-PHONETIC-LAST-NAME"};
    if (std::find(kKept.begin(), kKept.end(), line.name) == kKept.end())
        return false;
    const std::optional<std::string_view> encoding = line.parameter("ENCODING");
    if (line.parameter("BASE64") || (encoding && (equalsIgnoringCase(*encoding, "BASE64") ||
                                                  equalsIgnoringCase(*encoding, "B"))))
        return false;
    // SOUND is a recording, except for the reading of the name some phones
    // write as SOUND;X-IRMC-N.
    return line.name != "SOUND" || line.parameter("X-IRMC-N").has_value();
}

std::string_view trimmedAscii(std::string_view s) {
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool isVCardMark(const ContentLine& line, std::string_view name) {
    return line.name == name && equalsIgnoringCase(trimmedAscii(line.value), "VCARD");
}

bool unicodeByDefault(std::string_view version) {
    return version.starts_with('3') || version.starts_with('4');
}

std::optional<Encoding> charsetEncoding(std::string_view charset) {
    for (std::string_view name : {"UTF-8", "UTF8"})
        if (equalsIgnoringCase(charset, name))
            return Encoding::Utf8;
    for (std::string_view name :
         {"SHIFT_JIS", "SHIFT-JIS", "SJIS", "CP932", "WINDOWS-31J", "MS_KANJI", "X-SJIS"})
        if (equalsIgnoringCase(charset, name))
            return Encoding::ShiftJis;
    for (std::string_view name : {"EUC-JP", "EUCJP"})
        if (equalsIgnoringCase(charset, name))
            return Encoding::EucJp;
    return std::nullopt;
}

// "\," "\;" "\\" and "\n" stand for the character; any other backslash stays.
Text unescaped(std::u16string_view value) {
    Text out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        const char16_t next = i + 1 < value.size() ? value[i + 1] : 0;
        if (value[i] != u'\\' ||
            (next != u',' && next != u';' && next != u'\\' && next != u'n' && next != u'N')) {
            out.push_back(value[i]);
            continue;
        }
        out.push_back(next == u'n' || next == u'N' ? u'\n' : next);
        ++i;
    }
    return out;
}

// A structured value split at the unescaped ";" into components and each of
// them at the unescaped "," into values; escapes are undone after the split.
using Components = std::vector<std::vector<Text>>;
Components split(std::u16string_view value) {
    Components components(1, std::vector<Text>(1));
    size_t start = 0;
    for (size_t i = 0; i <= value.size(); ++i) {
        if (i < value.size() && value[i] == u'\\') {
            i += i + 1 < value.size() ? 1 : 0;
            continue;
        }
        if (i < value.size() && value[i] != u';' && value[i] != u',')
            continue;
        components.back().back() = unescaped(value.substr(start, i - start));
        if (i < value.size() && value[i] == u';')
            components.emplace_back();
        components.back().emplace_back();
        start = i + 1;
    }
    components.back().pop_back();
    return components;
}

Text joinedNonEmpty(const std::vector<Text>& parts, std::u16string_view separator) {
    Text out;
    for (const Text& part : parts) {
        if (part.empty())
            continue;
        if (!out.empty())
            out += separator;
        out += part;
    }
    return out;
}

// The first `count` components (all for 0), each with its values, joined by blanks.
Text joinedComponents(const Components& components, size_t count) {
    std::vector<Text> parts;
    for (size_t c = 0; c < components.size() && (count == 0 || c < count); ++c)
        parts.push_back(joinedNonEmpty(components[c], u" "));
    return joinedNonEmpty(parts, u" ");
}

// The telephone's kinds: TYPE values, and 2.1's bare parameters (TEL;CELL;VOICE).
Text telephoneTypes(const ContentLine& line) {
    std::vector<Text> types;
    for (const vcard::Parameter& p : line.parameters) {
        if (p.name.empty()) {
            bool encoding = false;
            for (std::string_view e : {"QUOTED-PRINTABLE", "BASE64", "8BIT", "7BIT"})
                encoding = encoding || equalsIgnoringCase(p.value, e);
            if (!encoding)
                types.push_back(fromUtf8(p.value));
        } else if (p.name == "TYPE") {
            for (const auto& values : split(fromUtf8(p.value)))
                for (const Text& type : values)
                    types.push_back(type);
        }
    }
    return joinedNonEmpty(types, u"・");
}

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

} // namespace

struct VCardReader::Card {
    Text name, phonetic, email, organisation;
    std::vector<std::pair<Text, Text>> telephones; // number and kinds
    size_t nextTelephone = 0;
};

VCardReader::VCardReader(const std::string& path)
    : path_(path), lines_(std::make_unique<ContentLines>(path, keptLine)),
      card_(std::make_unique<Card>()) {}

VCardReader::~VCardReader() = default;

bool VCardReader::isOpen() const {
    return lines_->isOpen();
}

const std::vector<Text>& VCardReader::titleLine() {
    static const std::vector<Text> title = {u"氏名",     u"フリガナ", u"電話番号",
                                            u"電話種別", u"メール",   u"所属"};
    return title;
}

Encoding VCardReader::resultEncoding() const {
    return unicodeValues_ ||
                   (!legacyValues_ && (unicodeByDefault(version_) || lines_->markedEncoding()))
               ? Encoding::Utf8Bom
               : Encoding::ShiftJis;
}

VCardReader::Status VCardReader::next(std::vector<Text>& record) {
    while (card_->nextTelephone == card_->telephones.size()) {
        if (ended_)
            return Status::End;
        const Status status = readCard();
        if (status != Status::Record)
            return status;
    }
    const auto& [number, types] = card_->telephones[card_->nextTelephone++];
    record = {card_->name, card_->phonetic, number, types, card_->email, card_->organisation};
    return Status::Record;
}

VCardReader::Status VCardReader::readCard() {
    std::vector<ContentLine> kept;
    size_t keptBytes = 0;
    std::string version;
    bool inCard = beginSeen_, tooLong = false;
    beginSeen_ = false;
    for (ContentLine line;;) {
        const ContentLines::Status status =
            lines_->next(line, kMaxCardBytes - (tooLong ? 0 : std::min(keptBytes, kMaxCardBytes)));
        if (status == ContentLines::Status::End || status == ContentLines::Status::Failed) {
            ended_ = true;
            if (status == ContentLines::Status::Failed)
                return Status::Failed;
            if (!inCard)
                return Status::End;
            break; // the end of the file ends the card
        }
        if (status == ContentLines::Status::TooLong) {
            tooLong = tooLong || inCard;
            continue;
        }
        // A BEGIN inside a card ends it and begins the next; an END outside one is stray.
        if (isVCardMark(line, "BEGIN")) {
            beginSeen_ = inCard;
            if (inCard)
                break;
            inCard = true;
            continue;
        }
        if (isVCardMark(line, "END")) {
            if (inCard)
                break;
            continue;
        }
        if (!inCard || tooLong)
            continue;
        if (line.name == "VERSION")
            version = trimmedAscii(line.value);
        keptBytes += line.name.size() + line.value.size();
        for (const vcard::Parameter& p : line.parameters)
            keptBytes += p.name.size() + p.value.size() + 2;
        kept.push_back(std::move(line));
    }
    if (tooLong)
        return Status::TooLong;
    if (version_.empty())
        version_ = version;
    decodeCard(kept, version);
    return Status::Record;
}

void VCardReader::decodeCard(const std::vector<ContentLine>& lines, std::string_view version) {
    Card card;
    Text formatted, structured, phoneticFamily, phoneticGiven, irmc, sortString;
    auto setOnce = [](Text& field, Text value) {
        if (field.empty())
            field = std::move(value);
    };
    for (const ContentLine& line : lines) {
        const std::string& name = line.name;
        if (name == "FN")
            setOnce(formatted, unescaped(decodeValue(line, version)));
        else if (name == "N")
            setOnce(structured, joinedComponents(split(decodeValue(line, version)), 3));
        else if (name == "X-PHONETIC-LAST-NAME")
            setOnce(phoneticFamily, unescaped(decodeValue(line, version)));
        else if (name == "X-PHONETIC-FIRST-NAME")
            setOnce(phoneticGiven, unescaped(decodeValue(line, version)));
        else if (name == "SOUND")
            setOnce(irmc, joinedComponents(split(decodeValue(line, version)), 2));
        else if (name == "SORT-STRING")
            setOnce(sortString, unescaped(decodeValue(line, version)));
        else if (name == "EMAIL")
            setOnce(card.email, unescaped(decodeValue(line, version)));
        else if (name == "ORG")
            setOnce(card.organisation, joinedComponents(split(decodeValue(line, version)), 0));
        else if (name == "TEL") {
            Text number = unescaped(decodeValue(line, version));
            // 4.0 writes the number as a URI: tel:+81-90-1234-5678.
            if (number.size() >= 4 && equalsIgnoringCase(toUtf8(number.substr(0, 4)), "tel:"))
                number.erase(0, 4);
            card.telephones.emplace_back(std::move(number), telephoneTypes(line));
        }
    }
    card.name = formatted.empty() ? structured : formatted;
    const Text phonetic = joinedNonEmpty({phoneticFamily, phoneticGiven}, u" ");
    card.phonetic = !phonetic.empty() ? phonetic : !irmc.empty() ? irmc : sortString;
    if (card.telephones.empty())
        card.telephones.emplace_back();
    *card_ = std::move(card);
}

Text VCardReader::decodeValue(const ContentLine& line, std::string_view version) {
    if (isAscii(line.value))
        return Text(line.value.begin(), line.value.end());
    std::optional<Encoding> encoding;
    const std::optional<Encoding> marked = lines_->markedEncoding();
    if (marked == Encoding::Utf16Le || marked == Encoding::Utf16Be)
        encoding = Encoding::Utf8; // whatever CHARSET says: the file was UTF-16, read as UTF-8
    else if (const auto charset = line.parameter("CHARSET"))
        encoding = charsetEncoding(*charset);
    if (!encoding)
        encoding = unicodeByDefault(version) ? Encoding::Utf8 : fileEncoding();
    (*encoding == Encoding::Utf8 ? unicodeValues_ : legacyValues_) = true;
    return decodeText(line.value, *encoding);
}

// The encoding of the values that name none (2.1's), judged as for any text
// file, but on the values unfolded and with quoted-printable undone: on the
// bytes as written, a fold or soft line break inside a UTF-8 character would
// make the file look like Shift-JIS. Read once, on first need.
Encoding VCardReader::fileEncoding() {
    if (fileEncoding_)
        return *fileEncoding_;
    if (lines_->markedEncoding()) // UTF-8 or UTF-16, read as UTF-8
        return *(fileEncoding_ = Encoding::Utf8);
    ContentLines lines(path_, keptLine);
    std::string sample = "\n"; // so that no value starts the sample as a byte-order mark
    std::string version;
    ContentLine line;
    ContentLines::Status status = ContentLines::Status::Line;
    while (sample.size() < kSampleBytes) {
        status = lines.next(line, kMaxCardBytes);
        if (status == ContentLines::Status::End || status == ContentLines::Status::Failed)
            break;
        if (status == ContentLines::Status::TooLong)
            continue;
        if (isVCardMark(line, "BEGIN") || isVCardMark(line, "END"))
            version.clear();
        else if (line.name == "VERSION")
            version = trimmedAscii(line.value);
        else if (!unicodeByDefault(version) && !line.parameter("CHARSET"))
            sample.append(line.value).push_back('\n');
    }
    const std::optional<Encoding> detected =
        detectEncoding(sample, status == ContentLines::Status::End);
    fileEncoding_ = detected == Encoding::Utf8    ? Encoding::Utf8
                    : detected == Encoding::EucJp ? Encoding::EucJp
                                                  : Encoding::ShiftJis;
    return *fileEncoding_;
}

bool VCardReader::looksLikeVCardStart(std::string_view leading) {
    std::string converted;
    if (leading.starts_with(byteOrderMark(Encoding::Utf8Bom))) {
        leading.remove_prefix(3);
    } else if (leading.starts_with(byteOrderMark(Encoding::Utf16Le)) ||
               leading.starts_with(byteOrderMark(Encoding::Utf16Be))) {
        TextDecoder decoder(leading[0] == '\xFF' ? Encoding::Utf16Le : Encoding::Utf16Be);
        Text text;
        decoder.decode(leading, text);
        converted = toUtf8(text);
        leading = converted;
    }
    while (!leading.empty()) {
        const size_t end = leading.find_first_of("\r\n");
        const std::string_view line = trimmedAscii(leading.substr(0, end));
        if (!line.empty())
            return equalsIgnoringCase(line, "BEGIN:VCARD");
        leading.remove_prefix(end == std::string_view::npos ? leading.size() : end + 1);
    }
    return false;
}

bool VCardReader::looksLikeVCard(const std::string& path) {
    PlainFile file(path);
    std::string leading;
    return file.isOpen() && file.read(leading, kSampleBytes) && looksLikeVCardStart(leading);
}

} // namespace vormak
