#include "core/settings.h"

#include <algorithm>

namespace vormak {

int SideSettings::columns() const {
    return std::clamp(fields(), 0, kMaxFields);
}

int SideSettings::givenName() const {
    const int family = name();
    const auto fits = [this](int column) { return column >= 1 && column <= columns(); };
    return fits(family) && fits(givenNamePosition) && family != givenNamePosition
               ? givenNamePosition
               : 0;
}

int Settings::keyColumn(Side s) const {
    return key == MatchKey::Name ? side(s).comparedName() : side(s).tel();
}

int Settings::otherColumn(Side s) const {
    return key == MatchKey::Name ? side(s).tel() : side(s).comparedName();
}

} // namespace vormak
