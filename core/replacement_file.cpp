#include "core/replacement_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormak {

namespace {

constexpr size_t kFlushAt = size_t{64} * 1024;

// The path of the file a name finally refers to; the name itself when it
// does not exist yet (or cannot be resolved).
std::string resolved(const std::string& path) {
    char buffer[PATH_MAX];
    if (::realpath(path.c_str(), buffer))
        return buffer;
    return path;
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

ReplacementFile::ReplacementFile(const std::string& target) : target_(resolved(target)) {
    // A file of the target's name is replaced only when it is a plain file.
    struct stat existing {};
    bool exists = ::stat(target_.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode))
        return;
    std::string stem = folderOf(target_) + "/.vormak-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temporary_ = stem + std::to_string(attempt) + ".tmp";
        // 0666 under the umask, as any newly created file gets.
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST)
            break;
    }
    if (fd_ < 0) {
        temporary_.clear();
        return;
    }
    if (exists)
        ::fchmod(fd_, existing.st_mode & 07777); // the replacement keeps the old permissions
}

ReplacementFile::~ReplacementFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

void ReplacementFile::write(std::string_view bytes) {
    pending_.append(bytes);
    if (pending_.size() >= kFlushAt)
        flush();
}

void ReplacementFile::flush() {
    size_t done = 0;
    while (!failed_ && done < pending_.size()) {
        ssize_t n = ::write(fd_, pending_.data() + done, pending_.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            failed_ = true;
        else
            done += static_cast<size_t>(n);
    }
    pending_.clear();
}

ReplacementFile::Result ReplacementFile::commit() {
    if (fd_ < 0)
        return Result::CannotCreate;
    flush();
    if (!failed_ && ::fsync(fd_) != 0)
        failed_ = true;
    if (::close(fd_) != 0)
        failed_ = true;
    fd_ = -1;
    if (failed_)
        return Result::WriteFailed;
    if (::rename(temporary_.c_str(), target_.c_str()) != 0)
        return Result::CannotCreate;
    temporary_.clear();
    return Result::Done;
}

} // namespace vormak
