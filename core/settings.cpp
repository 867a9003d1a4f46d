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

std::vector<int> SideSettings::telColumns() const {
    std::vector<int> found;
    for (int column : moreTelPositions)
        if (column >= 1 && column <= columns() && column != tel() &&
            std::find(found.begin(), found.end(), column) == found.end())
            found.push_back(column);
    if (tel() >= 1 && tel() <= columns())
        found.insert(found.begin(), tel());
    else
        found.clear();
    return found;
}

int Settings::keyColumn(Side s) const {
    return key == MatchKey::Name ? side(s).comparedName() : side(s).comparedTel();
}

int Settings::otherColumn(Side s) const {
    return key == MatchKey::Name ? side(s).comparedTel() : side(s).comparedName();
}

} // namespace vormak
