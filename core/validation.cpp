#include "core/validation.h"

namespace vormak {

namespace {

enum class Value { FieldCount, Name, Tel };

struct Requirement {
    Side side;
    Value value;
    std::u16string_view missing;    // its value is 0
    std::u16string_view outOfRange; // not a whole number within its range
};

constexpr Requirement kRequirements[6] = {
    {Side::Mobile, Value::FieldCount, u"携帯電話側ファイルが指定されていません",
     u"携帯電話側 項目数が正しくありません"},
    {Side::AddressBook, Value::FieldCount, u"住所録側ファイルが指定されていません ",
     u"住所録側 項目数が正しくありません"},
    {Side::Mobile, Value::Name, u"携帯電話側 氏名位置が指定されていません",
     u"携帯電話側 氏名位置が正しくありません"},
    {Side::AddressBook, Value::Name, u"住所録側 氏名位置が指定されていません",
     u"住所録側 氏名位置が正しくありません"},
    {Side::Mobile, Value::Tel, u"携帯電話側 電話位置が指定されていません",
     u"携帯電話側 電話位置が正しくありません"},
    {Side::AddressBook, Value::Tel, u"住所録側 電話位置が指定されていません",
     u"住所録側 電話位置が正しくありません"},
};

const Text& textOf(const SideSettings& side, Value value) {
    switch (value) {
    case Value::FieldCount:
        return side.fieldCount;
    case Value::Name:
        return side.namePosition;
    case Value::Tel:
        break;
    }
    return side.telPosition;
}

} // namespace

std::optional<std::u16string_view> InputChk(const Settings& settings) {
    for (const auto& r : kRequirements)
        if (numericValue(textOf(settings.side(r.side), r.value)) == 0)
            return r.missing;
    for (const auto& r : kRequirements) {
        const SideSettings& side = settings.side(r.side);
        const int highest = r.value == Value::FieldCount
                                ? kMaxFields
                                : static_cast<int>(numericValue(side.fieldCount));
        if (!isWholeNumberIn(textOf(side, r.value), 1, highest))
            return r.outOfRange;
    }
    return std::nullopt;
}

std::optional<std::u16string_view> fieldCountProblem(const SideSettings& side, Side which) {
    for (const auto& r : kRequirements) {
        if (r.side != which || r.value != Value::FieldCount)
            continue;
        if (numericValue(side.fieldCount) == 0)
            return r.missing;
        if (!isWholeNumberIn(side.fieldCount, 1, kMaxFields))
            return r.outOfRange;
    }
    return std::nullopt;
}

} // namespace vormak
