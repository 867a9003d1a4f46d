#pragma once
// The checks a run's settings must pass before anything is read (InputChk).

#include "core/settings.h"

#include <optional>

namespace vormak {

// The message of the first setting that fails, in the order the user is told:
// first that all six are given, then that each lies within its range.
std::optional<std::u16string_view> InputChk(const Settings& settings);

// A side's field count as the result file needs it: given and 1 to 20.
std::optional<std::u16string_view> fieldCountProblem(const SideSettings& side, Side which);

} // namespace vormak
