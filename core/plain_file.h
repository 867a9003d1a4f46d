#pragma once
// A plain file opened for reading in blocks. Only a plain file opens: not a
// directory, a named pipe or a device, so that a wrong pick neither waits for
// a writer nor reads /dev/zero forever.

#include <cstddef>
#include <string>

namespace vormak {

class PlainFile {
public:
    explicit PlainFile(const std::string& path);
    ~PlainFile();
    PlainFile(const PlainFile&) = delete;
    PlainFile& operator=(const PlainFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Replaces `block` with the next at most `size` bytes; empty at the end of
    // the file. False when reading failed.
    bool read(std::string& block, size_t size);

private:
    int fd_ = -1;
};

} // namespace vormak
