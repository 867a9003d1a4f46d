#include "core/result_lines.h"

#include <algorithm>
#include <initializer_list>

namespace vormak {

namespace {

Text joined(std::initializer_list<std::u16string_view> parts) {
    Text out;
    for (auto part : parts)
        out += part;
    return out;
}

} // namespace

int entryDigits(int mobileCount, int addressCount) {
    return std::max<int>(3, static_cast<int>(decimal(std::max(mobileCount, addressCount)).size()));
}

Text entryNumber(int entry, int digits) {
    Text number = decimal(entry);
    if (number.size() < size_t(digits))
        number.insert(0, digits - number.size(), u'0');
    return number;
}

Text duplicateLine(int digits, int side, int entry, std::u16string_view keyWord,
                   std::u16string_view name, std::u16string_view tel) {
    return joined({side == 1 ? u"1:" : u"2:", entryNumber(entry, digits),
                   side == 1 ? u"   携帯側に" : u"   住所側に", keyWord, u"重複データあり （氏名=",
                   name, u"、電話=", tel, u"）"});
}

Text missingOnMobileLine(int digits, int entry, std::u16string_view keyWord,
                         std::u16string_view name, std::u16string_view tel) {
    return joined({u"3:", entryNumber(entry, digits), u"   住所録側と同じ", keyWord,
                   u"ﾃﾞｰﾀが携帯側にない （氏名=", name, u"、電話=", tel, u"）"});
}

Text missingInAddressBookLine(int digits, int entry, std::u16string_view keyWord,
                              std::u16string_view name, std::u16string_view tel) {
    return joined({u"4:", entryNumber(entry, digits), u"   携帯側と同じ", keyWord,
                   u"ﾃﾞｰﾀが住所録側にない  （氏名=", name, u"、電話=", tel, u"）"});
}

Text mismatchLine(int digits, int mobileEntry, int addressEntry, std::u16string_view keyWord,
                  std::u16string_view otherWord, std::u16string_view key,
                  std::u16string_view mobileOther, std::u16string_view addressOther) {
    return joined({u"5:", entryNumber(mobileEntry, digits), entryNumber(addressEntry, digits),
                   u"携帯側と住所録側で", otherWord, u"不一致 （", keyWord, u"=", key, u"、",
                   otherWord, u" 携帯:", mobileOther, u" 住所録:", addressOther, u"）"});
}

} // namespace vormak
