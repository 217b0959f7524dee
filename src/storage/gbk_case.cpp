#include "storage/gbk_case.h"

namespace tarnwick {
namespace {

// Folds a double-byte GBK letter to its lower-case partner.
unsigned foldDoubleByte(unsigned char lead, unsigned char trail) {
    const unsigned code = unsigned(lead) << 8 | trail;
    auto inRange = [&](unsigned first, unsigned last) { return code >= first && code <= last; };
    if (inRange(0xA3C1, 0xA3DA)) // full-width A-Z
        return code + 0x20;
    if (inRange(0xA6A1, 0xA6B8)) // Greek capitals
        return code + 0x20;
    if (inRange(0xA7A1, 0xA7C1)) // Cyrillic capitals
        return code + 0x30;
    return code;
}

unsigned char foldAscii(unsigned char c) {
    return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
}

} // namespace

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        const bool wideA = isGbkLeadByte(ca) && i + 1 < a.size();
        const bool wideB = isGbkLeadByte(cb) && j + 1 < b.size();
        if (wideA != wideB)
            return false;
        if (wideA) {
            if (foldDoubleByte(ca, static_cast<unsigned char>(a[i + 1])) !=
                foldDoubleByte(cb, static_cast<unsigned char>(b[j + 1])))
                return false;
            i += 2;
            j += 2;
        } else {
            if (foldAscii(ca) != foldAscii(cb))
                return false;
            ++i;
            ++j;
        }
    }
    return i == a.size() && j == b.size();
}

} // namespace tarnwick
