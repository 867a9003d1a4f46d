#include "core/settings.h"

#include <algorithm>

namespace vormak {

int SideSettings::columns() const {
    return std::clamp(fields(), 0, kMaxFields);
}

int Settings::keyColumn(Side s) const {
    return key == MatchKey::Name ? side(s).name() : side(s).tel();
}

int Settings::otherColumn(Side s) const {
    return key == MatchKey::Name ? side(s).tel() : side(s).name();
}

} // namespace vormak
