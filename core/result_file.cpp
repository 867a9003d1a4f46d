#include "core/result_file.h"

namespace vormak {

std::vector<ResultRecord> resultRecords(const Findings& findings, Side recordsOf) {
    std::vector<ResultRecord> records;
    for (const Finding& f : findings) {
        const bool forPhone = recordsOf == Side::AddressBook;
        Side side;
        int entry;
        if (forPhone && (f.check == 1 || f.check == 3 || f.check == 5)) {
            side = f.check == 1 ? Side::Mobile : Side::AddressBook;
            entry = f.check == 1 ? f.mobileEntry : f.addressEntry;
        } else if (!forPhone && (f.check == 2 || f.check == 4 || f.check == 5)) {
            side = f.check == 2 ? Side::AddressBook : Side::Mobile;
            entry = f.check == 2 ? f.addressEntry : f.mobileEntry;
        } else {
            continue;
        }
        records.push_back({side, entry, Text(f.message())});
    }
    return records;
}

namespace {

// A value of today's files may hold the delimiter or a line break (inside
// quotes): quoted, it still reads as one value of one record. Values hold no
// double quote: reading removed them.
void appendValue(Text& line, std::u16string_view value, char16_t delimiter, bool quoteValues) {
    const bool quoted =
        quoteValues &&
        value.find_first_of(std::u16string{delimiter, u'\r', u'\n'}) != std::u16string_view::npos;
    if (quoted)
        line += u'"';
    line += value;
    if (quoted)
        line += u'"';
}

template <class Cell> Text joined(int width, char16_t delimiter, bool quoteValues, Cell cell) {
    Text line;
    for (int c = 1; c <= std::min(width, kMaxFields); ++c) {
        if (c > 1)
            line += delimiter;
        appendValue(line, cell(c), delimiter, quoteValues);
    }
    return line;
}

} // namespace

Text joinedFields(const FieldBuffer& fields, int width, char16_t delimiter, bool quoteValues) {
    return joined(width, delimiter, quoteValues,
                  [&](int c) { return std::u16string_view(fields[c]); });
}

Text joinedFields(const KeyTable& table, int entry, int width, char16_t delimiter,
                  bool quoteValues) {
    // Only the record's own fields: never the joined name kept after them.
    return joined(std::min(width, table.columns()), delimiter, quoteValues,
                  [&](int c) { return table.cell(entry, c); });
}

ResultFileOutcome writeResultFile(const std::string& path, const ResultFileContent& content,
                                  char16_t delimiter, bool withMessage, Encoding encoding) {
    using Status = ResultFileOutcome::Status;
    std::string bytes(byteOrderMark(encoding));
    Text unencodable;
    auto put = [&](Text line, std::u16string_view message) {
        // The message column follows the record's own fields, even for a
        // side of 20 fields.
        if (withMessage)
            appendValue(line += delimiter, message, delimiter, content.quoteValues);
        line += u"\r\n";
        EncodedText encoded = encodeText(line, encoding);
        if (encoded.unencodable)
            unencodable = textOf(*encoded.unencodable);
        bytes += encoded.bytes;
    };
    if (content.titleLine)
        put(*content.titleLine, u"ｴﾗｰﾒｯｾｰｼﾞ");
    for (size_t i = 0; i < content.lines.size() && unencodable.empty(); ++i)
        put(content.lines[i], content.messages[i]);
    if (!unencodable.empty())
        return {Status::Unencodable, unencodable};

    ReplacementFile file(path);
    if (!file.isOpen())
        return {Status::CannotCreate, {}};
    file.write(bytes);
    switch (file.commit()) {
    case ReplacementFile::Result::Done:
        return {Status::Done, {}};
    case ReplacementFile::Result::CannotCreate:
        return {Status::CannotCreate, {}};
    case ReplacementFile::Result::WriteFailed:
        break;
    }
    return {Status::WriteFailed, {}};
}

} // namespace vormak
