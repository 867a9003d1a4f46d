#pragma once
// The five kinds of result line of the cross-check. Each begins with its
// check number, ":" and entry numbers zero-padded to the same number of
// digits, so that the lines line up and sort in entry order.

#include "core/text.h"

namespace vormak {

// Digits of every entry number of a check: three, or as many as the larger
// side's count needs.
int entryDigits(int mobileCount, int addressCount);

// Entry number with leading zeros: 7 in three digits gives "007".
Text entryNumber(int entry, int digits);

// Check 1 (side 1) or 2 (side 2): the entry equals the one before it.
Text duplicateLine(int digits, int side, int entry, std::u16string_view keyWord,
                   std::u16string_view name, std::u16string_view tel);

// Check 3: the address-book entry has no counterpart on the mobile side.
Text missingOnMobileLine(int digits, int entry, std::u16string_view keyWord,
                         std::u16string_view name, std::u16string_view tel);

// Check 4: the mobile entry has no counterpart in the address book.
Text missingInAddressBookLine(int digits, int entry, std::u16string_view keyWord,
                              std::u16string_view name, std::u16string_view tel);

// Check 5: same key on both sides, other item different.
Text mismatchLine(int digits, int mobileEntry, int addressEntry, std::u16string_view keyWord,
                  std::u16string_view otherWord, std::u16string_view key,
                  std::u16string_view mobileOther, std::u16string_view addressOther);

} // namespace vormak
