#include "core/line_reader.h"

#include "core/cp932.h"
#include "core/text.h"

#include <sys/stat.h>

namespace vormak {

namespace {
constexpr size_t kChunk = size_t{64} * 1024;
}

LineReader::LineReader(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return;
    struct stat st {};
    if (fstat(fileno(f), &st) != 0 || S_ISDIR(st.st_mode)) {
        std::fclose(f);
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

int LineReader::nextByte() {
    int c = peekByte();
    if (c != EOF)
        ++pos_;
    return c;
}

bool LineReader::atEnd() {
    return peekByte() == EOF;
}

LineReader::Status LineReader::readLine(std::u16string& line) {
    if (atEnd())
        return failed_ ? Status::Failed : Status::End;
    std::string bytes;
    bool tooLong = false;
    for (;;) {
        int c = nextByte();
        if (c == EOF)
            break;
        if (c == '\r') {
            if (peekByte() == '\n')
                nextByte();
            break;
        }
        if (bytes.size() < kMaxLineBytes)
            bytes.push_back(static_cast<char>(c));
        else
            tooLong = true; // keep consuming so that the next read starts after this line
    }
    if (failed_)
        return Status::Failed;
    if (tooLong)
        return Status::TooLong;
    line = utf8_ ? fromUtf8(bytes) : decodeCp932(bytes);
    return Status::Line;
}

} // namespace vormak
