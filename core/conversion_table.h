#pragma once
// The conversion table: up to four pairs that replace characters only a
// phone uses (initially "﨑" → "崎"), kept in the file "vormak.izn" in the
// current folder between runs.

#include "core/settings.h"

#include <optional>
#include <vector>

namespace vormak {

class ConversionTable {
public:
    // The pairs in use among the boxes: a blank source or an empty
    // replacement leaves every occurrence as it is.
    ConversionTable() = default;
    explicit ConversionTable(const std::array<ConversionBoxes, kConversionPairs>& boxes);

    // The source is matched whole (untrimmed), but only the character where a
    // match begins is replaced, so the length never changes. The search goes
    // on one character after the match, which finds overlapping matches too.
    void convert(Text& text) const;

private:
    struct Pair {
        Text from;
        char16_t to;
    };
    std::vector<Pair> pairs_;
};

// The table file's pairs, two fields at a time, at most four. A missing file,
// a fifth pair or a pair cut short by the end of the file ends the loading
// silently.
std::vector<ConversionBoxes> loadConversionFile(const std::string& path);

// Writes every pair in use, trimmed, as one line "from","to" in code page 932.
enum class SaveResult { Done, CannotCreate, Unencodable };
struct ConversionSave {
    SaveResult result;
    Text unencodable; // the first character code page 932 cannot hold
};
ConversionSave saveConversionFile(const std::string& path,
                                  const std::array<ConversionBoxes, kConversionPairs>& boxes);

} // namespace vormak
