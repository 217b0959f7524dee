#pragma once
// Letter case in GBK texts, as Windows ignores it in profile names and file names: ASCII letters
// and the double-byte full-width, Greek and Cyrillic letters fold; every other byte, trail bytes
// in the ASCII letter range included, compares as it is.
#include <string_view>

namespace tarnwick {

bool equalIgnoringCase(std::string_view a, std::string_view b);

// The first byte of a double-byte character.
inline bool isGbkLeadByte(unsigned char c) {
    return c >= 0x81 && c <= 0xFE;
}

} // namespace tarnwick
