#include "core/line_reader.h"

#include "core/cp932.h"
#include "core/text.h"

#include <algorithm>
#include <fcntl.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace vormak {

namespace {
constexpr size_t kChunk = size_t{64} * 1024;
}

LineReader::LineReader(const std::string& path) {
    // Only a plain file is read. Opening without blocking and looking before
    // reading keeps a named pipe from waiting for a writer and a device such
    // as /dev/zero from being read forever.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    std::FILE* f = nullptr;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !(f = ::fdopen(fd, "rb"))) {
        ::close(fd);
        return;
    }
    file_ = f;
    skipByteOrderMark();
}

void LineReader::skipByteOrderMark() {
    // The first chunk holds the first three bytes of any file that has them.
    peekByte();
    if (buffer_.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        utf8_ = true;
        pos_ = 3;
    }
}

LineReader::~LineReader() {
    if (file_)
        std::fclose(file_);
}

int LineReader::peekByte() {
    if (pos_ == buffer_.size()) {
        if (!file_ || failed_)
            return EOF;
        buffer_.resize(kChunk);
        size_t got = std::fread(buffer_.data(), 1, kChunk, file_);
        if (got == 0 && std::ferror(file_))
            failed_ = true;
        buffer_.resize(got);
        pos_ = 0;
        if (got == 0)
            return EOF;
    }
    return static_cast<unsigned char>(buffer_[pos_]);
}

bool LineReader::atEnd() {
    return peekByte() == EOF;
}

LineReader::Status LineReader::readLine(std::u16string& line) {
    if (atEnd())
        return failed_ ? Status::Failed : Status::End;
    lineBytes_.clear();
    bool tooLong = false;
    // Whole runs up to the next CR are taken at once from the buffer.
    while (peekByte() != EOF) {
        const std::string_view rest = std::string_view(buffer_).substr(pos_);
        const size_t cr = rest.find('\r');
        const size_t run = cr == std::string_view::npos ? rest.size() : cr;
        const size_t room = kMaxLineBytes - lineBytes_.size();
        if (run > room)
            tooLong = true; // keep consuming so that the next read starts after this line
        lineBytes_.append(rest.substr(0, std::min(run, room)));
        pos_ += run;
        if (cr != std::string_view::npos) {
            ++pos_;
            if (peekByte() == '\n')
                ++pos_;
            break;
        }
    }
    if (failed_)
        return Status::Failed;
    if (tooLong)
        return Status::TooLong;
    line = utf8_ ? fromUtf8(lineBytes_) : decodeCp932(lineBytes_);
    return Status::Line;
}

} // namespace vormak
