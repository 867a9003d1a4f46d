#pragma once
// What the fuzz targets share. Each runs in a scratch folder of its own
// (scripts/fuzz.sh), so the files they write have bare names.
#include "support/temp_files.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace vormak::testing {

inline void check(bool condition) {
    if (!condition)
        std::abort();
}

// Writes the bytes to a file of this process's own (fuzzing jobs may share
// the folder) and gives its name.
inline std::string writeScratch(const std::string& name, std::string_view bytes) {
    const std::string path = std::to_string(::getpid()) + "-" + name;
    writeBytes(path, bytes);
    return path;
}

} // namespace vormak::testing
