#include "storage/lenient_integer.h"

#include <limits>

namespace tarnwick {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The digit at the front of the text and its length in bytes, or length 0.
struct Digit {
    int value = 0;
    size_t length = 0;
};

Digit digitAt(std::string_view text, size_t pos) {
    const unsigned char c = static_cast<unsigned char>(text[pos]);
    if (c >= '0' && c <= '9')
        return {c - '0', 1};
    if (c == 0xA3 && pos + 1 < text.size()) {
        const unsigned char low = static_cast<unsigned char>(text[pos + 1]);
        if (low >= 0xB0 && low <= 0xB9)
            return {low - 0xB0, 2};
    }
    return {};
}

} // namespace

int32_t lenientInteger(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    // Accumulated as a magnitude that stops growing past the 32-bit range.
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    while (pos < text.size()) {
        const Digit digit = digitAt(text, pos);
        if (digit.length == 0)
            break;
        magnitude = magnitude * 10 + digit.value;
        if (magnitude > limit)
            magnitude = limit;
        pos += digit.length;
    }
    if (negative)
        return int32_t(-magnitude);
    return int32_t(magnitude == limit ? limit - 1 : magnitude);
}

} // namespace tarnwick
