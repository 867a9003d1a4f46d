#pragma once
// The command line of vormak-check: the two files and options that set what
// the window's controls would hold.

#include "cli/console.h"
#include "core/settings.h"

#include <array>
#include <optional>
#include <string>

namespace vormak::cli {

// Values given for the boxes that the inspection of a file fills in; a box
// not given keeps what the inspection found.
struct GivenInspection {
    std::optional<bool> titleLine;
    std::optional<Text> fieldCount;
    std::optional<Text> namePosition;
    std::optional<Text> telPosition;
};

struct Invocation {
    enum class Action { Check, Help, Version };
    Action action = Action::Check;
    // Paths, formats, key, checks, removals and the result file's settings;
    // counts and positions stay as typed, for the validation to judge.
    Settings settings;
    std::array<GivenInspection, 2> given;
    std::optional<std::string> pairsFile; // else vormak.izn in the current folder
    bool writeResult = false;
    ConsoleEncoding encoding = ConsoleEncoding::Utf8;
    // The first thing wrong with the command line, if any.
    std::optional<Text> problem;
};

Invocation parseCommandLine(int argc, const char* const* argv);

extern const std::u16string_view kUsageLine;
extern const std::u16string_view kHelpText;

} // namespace vormak::cli
