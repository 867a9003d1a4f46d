#pragma once
// Reads a text file line by line at the byte level and decodes each line.
//
// A line ends at CR or at CR LF; the end mark is not part of the line, and a
// line feed without a CR before it is an ordinary character. The last line
// needs no end mark, and a final end mark does not start an empty line.
//
// A file is code page 932, unless it starts with the UTF-8 byte-order mark
// EF BB BF (as many phones and web address books export today): then it is
// read as UTF-8 and the mark belongs to no line.

#include <cstdio>
#include <memory>
#include <string>

namespace vormak {

class LineReader {
public:
    // A line longer than this is refused instead of being held in memory.
    static constexpr size_t kMaxLineBytes = 1u << 20;

    enum class Status { Line, End, TooLong, Failed };

    // Opens the file; isOpen() tells whether that worked (only a plain file
    // opens: not a directory, a named pipe or a device, nor a missing file
    // or one without read permission).
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return file_ != nullptr; }

    // True when the file started with the UTF-8 byte-order mark.
    bool isUtf8() const { return utf8_; }

    // True when no further line can be read.
    bool atEnd();

    // Reads the next line into `line`, decoded to UTF-16.
    Status readLine(std::u16string& line);

private:
    int peekByte();
    void skipByteOrderMark();

    std::FILE* file_ = nullptr;
    std::string buffer_;
    size_t pos_ = 0;
    std::string lineBytes_; // the line being read, kept to reuse its storage
    bool failed_ = false;
    bool utf8_ = false;
};

} // namespace vormak
