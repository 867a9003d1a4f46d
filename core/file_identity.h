#pragma once
// A file as it is on disk: a replaced or rewritten file differs.

#include <optional>
#include <string>
#include <sys/types.h>

namespace vormak {

struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modifiedNs = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> identify(const std::string& path);

} // namespace vormak
