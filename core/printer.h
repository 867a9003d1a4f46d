#pragma once
// The printer as the result printing needs it. The window provides the real
// one (the system's default printer); tests provide one that records.

#include <string>
#include <string_view>

namespace vormak {

// The page properties the printout sets, and the values it gives them.
enum PageProperty { kPageOrientation = 1, kPagePaperSize = 2 };
constexpr int kOrientationLandscape = 2;
constexpr int kPaperA4 = 9;

class Printer {
public:
    virtual ~Printer() = default;
    // Page property `property` set to `value`; the printout sets 2 and 9.
    virtual void setPageProperty(int property, int value) = 0;
    virtual void setFontSize(double points) = 0;
    // Prints one line; continues on a new page when the next line does not fit.
    virtual void printLine(std::u16string_view line) = 0;
    // Ends the job and hands it over. Returns false when the job could not be
    // printed (no printer, job refused).
    virtual bool endDocument() = 0;
    // Why the job could not be printed, as the user reads it; empty when
    // there is nothing more to say than that it failed.
    virtual std::u16string failureReason() const { return {}; }
    // After a job was handed over: how many pages it had, and the printer
    // (or file) it went to.
    virtual int pageCount() const { return 0; }
    virtual std::u16string destination() const { return {}; }
};

} // namespace vormak
