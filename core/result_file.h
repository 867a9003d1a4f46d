#pragma once
// The result file: the records the findings name for the side to be
// corrected, each followed by its finding's message, after the title line of
// the side whose records it carries.

#include "core/findings.h"
#include "core/key_table.h"
#include "core/replacement_file.h"
#include "core/text_encoding.h"

#include <optional>

namespace vormak {

// One record to write: an entry of a side's KeyTbl and its message.
struct ResultRecord {
    Side side;
    int entry;
    Text message;
};

// The records the findings name for `recordsOf`: checks 1, 3 and 5 when the
// address book's records are written (to correct the phone), checks 2, 4 and
// 5 for the phone's records. A duplicate names an entry of its own side, so
// that entry is the one written.
std::vector<ResultRecord> resultRecords(const Findings& findings, Side recordsOf);

// Columns 1..width of a record (at most the 256 a record holds) joined with
// the delimiter. With `quoteValues`, a value holding the delimiter or a line
// break is put in double quotes; else every value is written as it is, as
// the classic files always were.
Text joinedFields(const FieldBuffer& fields, int width, char16_t delimiter,
                  bool quoteValues = false);
Text joinedFields(const KeyTable& table, int entry, int width, char16_t delimiter,
                  bool quoteValues = false);

struct ResultFileContent {
    std::optional<Text> titleLine; // without the message column
    std::vector<Text> lines;       // records, without the message column
    std::vector<Text> messages;
    bool quoteValues = false; // the messages too, as joinedFields quotes
};

struct ResultFileOutcome {
    enum class Status { Done, CannotCreate, WriteFailed, Unencodable } status;
    Text unencodable; // the first character the encoding cannot hold
};

// Writes the lines, each ended by CR LF, in Shift-JIS, UTF-8 or UTF-16LE
// (the last two after their byte-order mark), beside the target and puts the file
// in its place only when complete; nothing is written when a character
// cannot be encoded.
ResultFileOutcome writeResultFile(const std::string& path, const ResultFileContent& content,
                                  char16_t delimiter, bool withMessage, Encoding encoding);

} // namespace vormak
