#include "cli/console.h"
#include "core/cp932.h"

#include <cstdio>
#include <unistd.h>

namespace vormak::cli {

Console::Console(ConsoleEncoding encoding)
    : encoding_(encoding), interactive_(::isatty(STDERR_FILENO) == 1) {}

std::string Console::encoded(std::u16string_view text) const {
    return encoding_ == ConsoleEncoding::Cp932 ? encodeCp932(text) : toUtf8(text);
}

void Console::out(std::u16string_view line) {
    pending_ += encoded(line);
    pending_ += '\n';
}

bool Console::flushOutput() {
    endProgress();
    const bool written =
        std::fwrite(pending_.data(), 1, pending_.size(), stdout) == pending_.size();
    pending_.clear();
    return std::fflush(stdout) == 0 && written;
}

void Console::err(std::u16string_view line) {
    endProgress();
    std::string bytes = encoded(line);
    for (char& c : bytes)
        if (c == '\r')
            c = '\n';
    bytes += '\n';
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
}

void Console::progress(std::u16string_view text, bool urgent) {
    if (!interactive_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (!urgent && now - lastDrawn_ < std::chrono::milliseconds(100))
        return;
    lastDrawn_ = now;
    // Back to the line's start, the text, then the rest of the line erased.
    std::string bytes = "\r";
    bytes += encoded(text);
    bytes += "\x1b[K";
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    progressShown_ = true;
}

void Console::endProgress() {
    if (!progressShown_)
        return;
    std::fputs("\r\x1b[K", stderr);
    progressShown_ = false;
}

} // namespace vormak::cli
