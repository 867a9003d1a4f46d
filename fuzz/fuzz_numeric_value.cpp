// The numeric value of any text: never fails, and the 16-bit whole number
// taken from it always lies in range and agrees with the range test.
#include "core/text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    double value = vormak::numericValue(text);
    std::int16_t whole = vormak::toInt16(value);
    if (!std::isnan(value) && std::fabs(value - whole) > 0.5 && std::fabs(value) < 32767)
        std::abort();
    if (vormak::isWholeNumberIn(text, 1, 20) && (whole < 1 || whole > 20 || value != whole))
        std::abort();
    return 0;
}
