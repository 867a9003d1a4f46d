#pragma once
// A file written in full beside its target and put in the target's place
// only when every write and the close succeeded, so that a failed write
// leaves the old file as it was.

#include <string>
#include <string_view>

namespace vormak {

class ReplacementFile {
public:
    enum class Result { Done, CannotCreate, WriteFailed };

    // Creates a new file in the folder of `target` (after following a
    // symbolic link, so the file the link names is replaced, not the link).
    explicit ReplacementFile(const std::string& target);
    ~ReplacementFile(); // removes the new file unless it was committed
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    bool isOpen() const { return fd_ >= 0; }

    // Appends bytes; a failure is remembered and reported by commit().
    void write(std::string_view bytes);

    // Flushes, closes and renames the new file over the target.
    Result commit();

private:
    void flush();

    std::string target_;
    std::string temporary_;
    std::string pending_;
    int fd_ = -1;
    bool failed_ = false;
};

} // namespace vormak
