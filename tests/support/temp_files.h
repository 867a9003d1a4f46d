#pragma once
// Files for a test: a folder of its own, removed with everything in it, and
// whole files written and read back as bytes.

#include "core/text.h"

#include <string>
#include <string_view>

namespace vormak::testing {

void writeBytes(const std::string& path, std::string_view bytes);
// Empty when the file cannot be read.
std::string readBytes(const std::string& path);
inline std::string readBytes(std::u16string_view path) {
    return readBytes(toUtf8(path));
}

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // A name in the folder as the window's boxes hold it; "" names the folder.
    Text path(const std::string& name) const;
    // Write a file and return its path: the bytes as they are, or the text
    // in Shift-JIS (code page 932).
    Text writeBytes(const std::string& name, std::string_view bytes) const;
    Text write(const std::string& name, std::u16string_view text) const;

private:
    std::string path_;
};

} // namespace vormak::testing
