#include "core/file_identity.h"

#include <sys/stat.h>

namespace vormak {

std::optional<FileIdentity> identify(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{st.st_dev, st.st_ino, st.st_size,
                        static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL +
                            st.st_mtim.tv_nsec};
}

} // namespace vormak
