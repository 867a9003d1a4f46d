#pragma once
// The terminal's two streams in the encoding the user chose, and a progress
// line on standard error that is drawn only while standard error is a
// terminal and is wiped before anything else is written.

#include "core/text.h"

#include <chrono>
#include <string>

namespace vormak::cli {

enum class ConsoleEncoding { Utf8, Cp932 };

class Console {
public:
    explicit Console(ConsoleEncoding encoding);

    // A line on standard output, LF added; kept until flushOutput().
    void out(std::u16string_view line);
    // Writes what out() kept; false when standard output cannot take it.
    bool flushOutput();

    // A line on standard error, LF added, at once. A CR in the text starts
    // a new line, as it does in the window's message box.
    void err(std::u16string_view line);

    // Replaces the progress line. An update that is not `urgent` is skipped
    // when the last one was drawn less than a tenth of a second ago.
    void progress(std::u16string_view text, bool urgent);
    void endProgress();

private:
    std::string encoded(std::u16string_view text) const;

    ConsoleEncoding encoding_;
    bool interactive_;
    bool progressShown_ = false;
    std::chrono::steady_clock::time_point lastDrawn_{};
    std::string pending_;
};

} // namespace vormak::cli
