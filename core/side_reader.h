#pragma once
// One side's file read record by record into the side's field buffer
// (FldBuf), each field cleaned on the way: blanks at its ends and double
// quotes removed, the conversion pairs applied, and in the key fields the
// blanks of the name and the hyphens of the number removed when asked.
//
// The buffer outlives the records: a line with fewer fields than the field
// count empties the missing ones, fields above both keep what an earlier,
// longer record left there.

#include "core/conversion_table.h"
#include "core/line_reader.h"
#include "core/settings.h"
#include "core/text_encoding.h"

#include <array>
#include <memory>
#include <vector>

namespace vormak {

using FieldBuffer = std::array<Text, kMaxFields + 1>; // fields 1..256, index 0 unused

class TextRecordReader;
class VCardReader;

// How a side's file is read. A classic file (Shift-JIS, CR LF or CR line
// ends, at most 20 fields in its first line) is split at every delimiter, as
// the program always did; any other text file is split with quotes in the
// common way; a vCard file gives one record per telephone number.
struct FileFormat {
    enum class Kind { Classic, Text, VCard };
    Kind kind = Kind::Classic;
    Encoding encoding = Encoding::ShiftJis;
    LineEnds lineEnds = LineEnds::Classic;
};
enum class FormatResult { Known, NotText, CannotOpen };
FormatResult findFileFormat(const std::string& path, char16_t delimiter, FileFormat& format);

// How the fields of one record are split and cleaned.
struct RecordFormat {
    RecordFormat(const SideSettings& side, const Settings& settings,
                 const ConversionTable& conversion);
    char16_t delimiter;
    int fieldCount;
    // The key fields, cleaned only once both positions are given.
    std::vector<int> nameColumns; // the name, or family and given name
    std::vector<int> telColumns;
    bool removeBlanks;
    bool removeHyphens;
    const ConversionTable& conversion;
};

class SideReader {
public:
    // TooMany: more records than a side may hold (the engine's count).
    enum class Status { Record, End, CannotOpen, NotText, CannotRead, TooLong, TooMany };

    SideReader();
    ~SideReader();

    // The next read starts again at the file's first line.
    void close();

    // Opens the file when none is open: Record when it is open.
    Status open(const std::string& path, char16_t delimiter);
    // Whether the open file has a further line; a failed read is CannotRead.
    Status peek();
    // Reads the next line into the buffer. At the end of the file the buffer
    // stays as it is.
    Status read(const RecordFormat& format);

    const FieldBuffer& fields() const { return fields_; }
    const FileFormat& format() const { return format_; }
    // The encoding a result file takes the records of this side in.
    Encoding outputEncoding() const;

    // Number of fields a line holds at one delimiter each, at most 32767.
    static int fieldCountOf(std::u16string_view line, char16_t delimiter);

private:
    // The next record's fields as written, before any cleaning.
    Status nextRaw(std::vector<Text>& raw);

    FileFormat format_;
    std::unique_ptr<LineReader> classic_;
    std::unique_ptr<TextRecordReader> text_;
    std::unique_ptr<VCardReader> vcard_;
    bool vcardTitleGiven_ = false;
    std::vector<Text> pending_; // a record read ahead by peek()
    bool hasPending_ = false;
    FieldBuffer fields_{};
};

// Removes every occurrence of `character` (the whole text must be one
// character: an empty or longer text removes nothing).
Text TumeMoji(std::u16string_view text, std::u16string_view character);

} // namespace vormak
