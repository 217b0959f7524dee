#pragma once
// How every number stored as text is read back: leading blanks, an optional sign, then the
// digits up to the first other character. Full-width digits (GBK A3 B0 to A3 B9) count as
// digits. No digits give 0; a value beyond the signed 32-bit range is held at its limit.
#include <cstdint>
#include <string_view>

namespace tarnwick {

int32_t lenientInteger(std::string_view text);

} // namespace tarnwick
