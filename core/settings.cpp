#include "core/settings.h"

#include <algorithm>

namespace vormak {

int SideSettings::columns() const {
    return std::clamp(fields(), 0, kMaxFields);
}

bool SideSettings::inRecord(int column) const {
    return column >= 1 && column <= columns();
}

int SideSettings::givenName() const {
    return inRecord(name()) && inRecord(givenNamePosition) && name() != givenNamePosition
               ? givenNamePosition
               : 0;
}

std::vector<int> SideSettings::telColumns() const {
    std::vector<int> found;
    for (int column : moreTelPositions)
        if (inRecord(column) && column != tel() &&
            std::find(found.begin(), found.end(), column) == found.end())
            found.push_back(column);
    if (inRecord(tel()))
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
