#pragma once
// Comparison keys that see through how people write a reading or a telephone
// number. Each fold takes a cleaned value and gives the text a check compares
// in its place; the value itself is still what the findings show. A check
// folds every value once, when it builds its keys, never per comparison.
//
// Both folds are safe to call from any thread. The ICU and libphonenumber
// objects behind them are made on first need and kept for the whole run.

#include "core/text.h"

#include <string_view>

namespace vormak {

// 読みの表記ゆれを無視: full-width and half-width forms are one (NFKC, so
// "ﾀﾞ" and "ダ", "ＡＢＣ" and "ABC" meet) and hiragana compares as katakana.
Text foldReading(std::u16string_view value);

// 電話番号の表記を揃える: a Japanese number becomes the digits of its national
// form with the leading 0 ("+81 90-1234-5678", "090(1234)5678" and
// "０９０１２３４５６７８" all give "09012345678"); a number abroad becomes
// its E.164 form ("+14155550100"). A value that is not one possible number
// (letters, an extension, two numbers in one cell) is its own key.
Text foldNumber(std::u16string_view value);

} // namespace vormak
