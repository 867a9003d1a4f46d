#include "core/plain_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vormak {

PlainFile::PlainFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

PlainFile::~PlainFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool PlainFile::read(std::string& block, size_t size) {
    block.resize(size);
    size_t got = 0;
    while (fd_ >= 0 && got < size) {
        const ssize_t n = ::read(fd_, block.data() + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            block.clear();
            return false;
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    block.resize(got);
    return fd_ >= 0;
}

} // namespace vormak
