#pragma once
// The five kinds of result line of the cross-check. Each begins with its
// check number, ":" and zero-padded entry numbers at fixed positions, which
// the result file output reads back and by which the result list sorts.

#include "core/text.h"

namespace vormak {

// Entry number in three digits with leading zeros: 7 gives "007".
Text entryNumber(int entry);

// Check 1 (side 1) or 2 (side 2): the entry equals the one before it.
Text duplicateLine(int side, int entry, std::u16string_view keyWord, std::u16string_view name,
                   std::u16string_view tel);

// Check 3: the address-book entry has no counterpart on the mobile side.
Text missingOnMobileLine(int entry, std::u16string_view keyWord, std::u16string_view name,
                         std::u16string_view tel);

// Check 4: the mobile entry has no counterpart in the address book.
Text missingInAddressBookLine(int entry, std::u16string_view keyWord, std::u16string_view name,
                              std::u16string_view tel);

// Check 5: same key on both sides, other item different.
Text mismatchLine(int mobileEntry, int addressEntry, std::u16string_view keyWord,
                  std::u16string_view otherWord, std::u16string_view key,
                  std::u16string_view mobileOther, std::u16string_view addressOther);

} // namespace vormak
