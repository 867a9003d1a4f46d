#pragma once
// What the program finds out about a side's file before a check: how many
// fields its first line has (FieldCntGet), and in which of them a title names
// the name and the telephone number (KeyItiGet).

#include "core/file_identity.h"
#include "core/side_reader.h"

#include <optional>
#include <sys/types.h>

namespace vormak {

// Fields of the file's first line, at one per delimiter; 0 when the file
// cannot be opened or read, or its first line is empty.
int FieldCntGet(const std::string& path, char16_t delimiter);

struct KeyPositions {
    int name = 0; // 0: no title names it
    int tel = 0;
    int givenName = 0;         // the name is family name `name` and given name `givenName`
    std::vector<int> moreTels; // telephone columns besides `tel` that hold numbers
    bool bothFound() const { return name != 0 && tel != 0; }
};
// The first of the fields 1..fieldCount whose title holds one of the name
// words, and likewise for the telephone words.
KeyPositions KeyItiGet(const FieldBuffer& title, int fieldCount);

// The columns of an export the classic program could not read (Outlook,
// Google, a spreadsheet's Unicode text): its titles may be English, its name
// may be split into family and given name, and many columns may name a
// telephone. The name is the column titled as the whole name, else the
// family name joined with the given name, else as KeyItiGet finds it. Of the
// columns whose title names a telephone, the one that holds a number in the
// most of the first records is the telephone, and the others that hold
// numbers are compared too.
KeyPositions exportKeyColumns(const std::string& path, const FileFormat& format, char16_t delimiter,
                              const FieldBuffer& title, int fieldCount);

// Why a file gives no field count, for the message line.
enum class FileProblem { None, NotFound, Folder, CannotOpen, Empty, NotText, LineTooLong };
FileProblem fileProblem(const std::string& path);
Text fileProblemText(FileProblem problem, Side side);
// True when the file's first line (or record) is longer than is read.
bool firstLineTooLong(const std::string& path, char16_t delimiter);

// What the inspection tells of a file the classic program could not read:
// "携帯側: vCard 3.0、214件", or the encoding, line ends, field count and the
// titles taken for the name and the telephone number.
Text formatDescription(Side side, const FileFormat& format, const std::string& path, int fieldCount,
                       const FieldBuffer& title, const KeyPositions& found);

} // namespace vormak
