#include "support/temp_files.h"

#include "core/cp932.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace vormak::testing {

void writeBytes(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + path);
}

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vormak-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

Text TempFolder::path(const std::string& name) const {
    return fromUtf8(path_ + "/" + name);
}

Text TempFolder::writeBytes(const std::string& name, std::string_view bytes) const {
    testing::writeBytes(path_ + "/" + name, bytes);
    return path(name);
}

Text TempFolder::write(const std::string& name, std::u16string_view text) const {
    return writeBytes(name, encodeCp932(text));
}

} // namespace vormak::testing
