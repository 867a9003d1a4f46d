#pragma once
// Files for a test: whole files written and read back as bytes, and a folder
// of its own, removed with everything in it.

#include "core/cp932.h"
#include "core/text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vormak::testing {

inline void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush())
        throw std::runtime_error("cannot write " + path);
}

// Empty when the file cannot be read.
inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
inline std::string readBytes(std::u16string_view path) {
    return readBytes(toUtf8(path));
}

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vormak-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern + "/";
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // A name in the folder as the window's boxes hold it; "" names the folder.
    Text path(const std::string& name) const { return fromUtf8(path_ + name); }
    // Writes the bytes as they are, or the text in Shift-JIS (code page 932),
    // and gives the file's path.
    Text writeBytes(const std::string& name, std::string_view bytes) const {
        testing::writeBytes(path_ + name, bytes);
        return path(name);
    }
    Text write(const std::string& name, std::u16string_view text) const {
        return writeBytes(name, encodeCp932(text));
    }

private:
    std::string path_;
};

} // namespace vormak::testing
