#pragma once
// Input files for the engine tests: a temporary folder that is removed again,
// and files written in code page 932 (or as raw bytes where bytes matter).

#include "core/cp932.h"
#include "core/text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace vormak::testing {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vormak-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes the bytes as they are and returns the file's path as a window text.
    Text writeBytes(const std::string& name, std::string_view bytes) const {
        std::ofstream(path_ / name, std::ios::binary)
            .write(bytes.data(), static_cast<long>(bytes.size()));
        return fromUtf8((path_ / name).string());
    }
    // Writes the text in code page 932.
    Text write(const std::string& name, std::u16string_view text) const {
        return writeBytes(name, encodeCp932(text));
    }
    Text path(const std::string& name) const { return fromUtf8((path_ / name).string()); }

private:
    std::filesystem::path path_;
};

} // namespace vormak::testing
