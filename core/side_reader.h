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

#include <array>
#include <memory>

namespace vormak {

using FieldBuffer = std::array<Text, kMaxFields + 1>; // fields 1..20, index 0 unused

// How the fields of one record are split and cleaned.
struct RecordFormat {
    RecordFormat(const SideSettings& side, const Settings& settings,
                 const ConversionTable& conversion);
    char16_t delimiter;
    int fieldCount;
    int namePosition = 0; // 0: no key field cleaning
    int telPosition = 0;
    bool removeBlanks;
    bool removeHyphens;
    const ConversionTable& conversion;
};

class SideReader {
public:
    enum class Status { Record, End, CannotOpen, CannotRead, TooLong };

    // The next read starts again at the file's first line.
    void close() { file_.reset(); }

    // Opens the file when none is open; false when it cannot be opened.
    bool open(const std::string& path);
    // Whether the open file has a further line; a failed read is CannotRead.
    Status peek();
    // Reads the next line into the buffer. At the end of the file the buffer
    // stays as it is.
    Status read(const RecordFormat& format);

    const FieldBuffer& fields() const { return fields_; }
    bool isUtf8() const { return file_ && file_->isUtf8(); }

    // Number of fields a line holds at one delimiter each, at most 32767.
    static int fieldCountOf(std::u16string_view line, char16_t delimiter);

private:
    std::unique_ptr<LineReader> file_;
    FieldBuffer fields_{};
};

// Removes every occurrence of `character` (the whole text must be one
// character: an empty or longer text removes nothing).
Text TumeMoji(std::u16string_view text, std::u16string_view character);

} // namespace vormak
